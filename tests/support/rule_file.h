#pragma once

#include <memory>
#include <string>

#include "setting/rule_file_snapshot.h"
#include "setting/setting_store.h"
#include "support/files.h"

// Writes text as the rule file setting.ini in folder and makes the process's
// setting store read it.
inline std::string UseRuleFile(const TempFolder& folder, const std::string& text) {
  const std::string path = folder / "setting.ini";
  WriteRuleFile(path, text);
  SettingStore::Instance().ReadFile(path);
  return path;
}

// The rule file of the bytes given as a read finds it, without a file.
inline std::shared_ptr<const RuleFileSnapshot> RuleFileOf(const std::string& bytes) {
  return RuleFileSnapshot::Of("setting.ini", {RuleFileBytes::State::kRead, bytes, {}});
}
