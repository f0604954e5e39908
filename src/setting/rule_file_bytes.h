#pragma once

#include <string>

#include "common/file_failure.h"

// The bytes of a rule file as one read found them.
struct RuleFileBytes {
  enum class State {
    kRead,
    kMissing,     // no such file: it reads as empty and a save makes it
    kUnreadable,  // there, but it could not be read: reason says why
  };
  State state = State::kMissing;
  std::string bytes;  // the whole file when read, else empty
  FileResult reason;

  bool operator==(const RuleFileBytes& other) const {
    return state == other.state && bytes == other.bytes;
  }
};

RuleFileBytes ReadRuleFileBytes(const std::string& path);
