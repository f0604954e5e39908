#pragma once

#include <string>

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
