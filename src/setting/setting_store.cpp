#include "setting/setting_store.h"

#include <utility>

#include "common/file_io.h"

SettingStore::SettingStore() : snapshot(RuleFileSnapshot::Read(AbsolutePath("./setting.ini"))) {}

SettingStore& SettingStore::Instance() {
  static SettingStore store;
  return store;
}

std::shared_ptr<const RuleFileSnapshot> SettingStore::Snapshot() const {
  const std::lock_guard<std::mutex> lock(mutex);
  return snapshot;
}

void SettingStore::ReadFile(const std::string& fileName) {
  std::shared_ptr<const RuleFileSnapshot> read = RuleFileSnapshot::Read(AbsolutePath(fileName));
  const std::lock_guard<std::mutex> lock(mutex);
  snapshot = std::move(read);
}

void SettingStore::ReadAgain() { ReadFile(Snapshot()->FileName()); }
