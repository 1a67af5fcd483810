// The host's preference store behind the AI Preference Suite. Values are typed and kept under
// prefix and suffix; with a profile folder they are kept in a file there, rewritten whole
// (through a temporary file and a rename) after every change, so that they outlive one run.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "host/core/Transcript.h"
#include "hostapi/AIPreference.h"

namespace host {

class Preferences {
 public:
  using Value = std::variant<bool, std::int32_t, double>;
  using Key = std::pair<std::string, std::string>;  // prefix ("" for the host's own), suffix

  explicit Preferences(Transcript& transcript) : transcript_(transcript) {}

  // Reads the values kept in folder (made when missing) and keeps later changes there. A file
  // that cannot be read is reported, set aside as ".malformed" and the store starts empty.
  void UseProfile(const std::filesystem::path& folder);
  const std::filesystem::path& File() const { return file_; }

  const Value* Find(const Key& key) const;
  // Stores value and writes the file; a file that cannot be written is reported.
  void Put(const Key& key, Value value);
  const std::map<Key, Value>& All() const { return values_; }

  static const AIPreferenceSuite* Suite();

 private:
  void Load();
  void Save();

  Transcript& transcript_;
  std::filesystem::path file_;
  std::map<Key, Value> values_;
};

// "integer 2", "real 0.25", "boolean true".
std::string Describe(const Preferences::Value& value);

}  // namespace host
