#pragma once

#include <string>

// One section of the rule file: keys and values as the file holds them,
// byte for byte, compared case-sensitively.
class ISettingSection {
 public:
  virtual ~ISettingSection() = default;
  virtual std::string GetName() const = 0;
  // The value of key. An absent key is recorded with an empty value, so
  // HasKey reports it from then on; read keys that may be absent with HasKey
  // first.
  virtual std::string GetValue(const std::string& key) = 0;
  virtual bool HasKey(const std::string& key) const = 0;
  // The same as GetValue.
  virtual std::string GetString(const std::string& key) = 0;
};

// The whole rule file.
class ISetting {
 public:
  virtual ~ISetting() = default;
  // The section of exactly that name, or null. The pointer stays owned by
  // the setting and valid as long as it lives.
  virtual ISettingSection* GetSection(const std::string& name) = 0;
  // The value of key in section, or empty; never records a key.
  virtual std::string GetSectionValue(const std::string& section, const std::string& key) = 0;
};
