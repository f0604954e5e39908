#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "setting/rule_file_snapshot.h"

// The process-wide rule file, read once on first use from "./setting.ini"
// in the working directory (the executable's folder for the windowed
// programs). Without the file every lookup is empty.
//
// The store hands out the rule file as read last, a snapshot that stays
// valid for as long as it is held: reading the file again makes a new one
// and changes nothing that anybody holds. Whoever looks up sections keeps
// the snapshot they came from. The file is named by its full path, as
// messages name it, however it was given.
class SettingStore {
 public:
  static SettingStore& Instance();

  std::shared_ptr<const RuleFileSnapshot> Snapshot() const;

  // Reads fileName in place of the file read so far (the command line's
  // --setting, tests).
  void ReadFile(const std::string& fileName);
  // Reads the file read last again, after a save.
  void ReadAgain();

 private:
  SettingStore();

  // A run's threads may take the snapshot while the window reads anew.
  mutable std::mutex mutex;
  std::shared_ptr<const RuleFileSnapshot> snapshot;
};
