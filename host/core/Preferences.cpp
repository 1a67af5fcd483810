#include "host/core/Preferences.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <system_error>

#include "host/core/Faultable.h"
#include "host/core/Host.h"

namespace host {
namespace {

using Json = nlohmann::json;

constexpr char kFileName[] = "preferences.json";
constexpr char kFormat[] = "LaneWorks host preferences";
constexpr int kFormatVersion = 1;

Transcript& Log() {
  return Host::Current().transcript();
}

// The key of a suite call; null when the suffix is missing (a violation naming function).
std::optional<Preferences::Key> KeyOf(const char* prefix, const char* suffix,
                                      const char* function) {
  if (suffix == nullptr || *suffix == '\0') {
    Log().Violation(std::string(function) + " with a null or empty suffix");
    return std::nullopt;
  }
  return Preferences::Key{prefix == nullptr ? "" : prefix, suffix};
}

template <typename T>
AIErr Get(const char* prefix, const char* suffix, T* value, const char* function) {
  const auto key = KeyOf(prefix, suffix, function);
  if (!key) return kBadParameterErr;
  if (value == nullptr) {
    Log().Violation(std::string(function) + " with a null result pointer");
    return kBadParameterErr;
  }
  const Preferences::Value* stored = Host::Current().preferences().Find(*key);
  if (stored == nullptr) return kNoErr;
  if (const T* exact = std::get_if<T>(stored)) {
    *value = *exact;
    return kNoErr;
  }
  if constexpr (std::is_same_v<T, double>) {
    if (const auto* integer = std::get_if<std::int32_t>(stored)) {
      *value = *integer;
      return kNoErr;
    }
  }
  return kBadParameterErr;
}

template <typename T>
AIErr Put(const char* prefix, const char* suffix, T value, const char* function) {
  const auto key = KeyOf(prefix, suffix, function);
  if (!key) return kBadParameterErr;
  if constexpr (std::is_same_v<T, double>) {
    if (!std::isfinite(value)) {
      Log().Violation(std::string(function) + " with a value that is not finite");
      return kBadParameterErr;
    }
  }
  Host::Current().preferences().Put(*key, value);
  return kNoErr;
}

AIErr GetBooleanPreference(const char* prefix, const char* suffix, AIBoolean* value) {
  bool stored = value != nullptr && *value != 0;
  const AIErr error =
      Get(prefix, suffix, value == nullptr ? nullptr : &stored, "GetBooleanPreference");
  if (error == kNoErr && value != nullptr) *value = stored ? 1 : 0;
  return error;
}
AIErr PutBooleanPreference(const char* prefix, const char* suffix, AIBoolean value) {
  return Put(prefix, suffix, value != 0, "PutBooleanPreference");
}
AIErr GetIntegerPreference(const char* prefix, const char* suffix, std::int32_t* value) {
  return Get(prefix, suffix, value, "GetIntegerPreference");
}
AIErr PutIntegerPreference(const char* prefix, const char* suffix, std::int32_t value) {
  return Put(prefix, suffix, value, "PutIntegerPreference");
}
AIErr GetRealPreference(const char* prefix, const char* suffix, AIReal* value) {
  return Get(prefix, suffix, value, "GetRealPreference");
}
AIErr PutRealPreference(const char* prefix, const char* suffix, AIReal value) {
  return Put(prefix, suffix, value, "PutRealPreference");
}

Json ToJson(const Preferences::Value& value) {
  return std::visit(
      [](auto v) -> Json {
        using T = decltype(v);
        if constexpr (std::is_same_v<T, bool>) {
          return Json{{"boolean", v}};
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
          return Json{{"integer", v}};
        } else {
          return Json{{"real", v}};
        }
      },
      value);
}

// The file's JSON; malformed text throws std::runtime_error with the library's message, less
// its "[json.exception.parse_error.101] " prefix.
Json Parse(std::istream& in) {
  try {
    return Json::parse(in);
  } catch (const Json::exception& error) {
    const std::string what = error.what();
    const std::size_t prefix = what.find("] ");
    throw std::runtime_error("malformed JSON: " +
                             (prefix == std::string::npos ? what : what.substr(prefix + 2)));
  }
}

// The value of one entry; throws std::runtime_error saying what is wrong.
Preferences::Value FromJson(const Json& entry) {
  if (!entry.is_object() || entry.size() != 1)
    throw std::runtime_error("a value is not an object with one kind");
  const auto only = entry.begin();
  const std::string& kind = only.key();
  const Json& value = only.value();
  if (kind == "boolean" && value.is_boolean()) return value.get<bool>();
  if (kind == "integer" && value.is_number_integer()) {
    const auto number = value.get<std::int64_t>();
    if (number < INT32_MIN || number > INT32_MAX)
      throw std::runtime_error("an integer is out of range");
    return static_cast<std::int32_t>(number);
  }
  if (kind == "real" && value.is_number()) return value.get<double>();
  throw std::runtime_error("a value of kind \"" + kind + "\" is not one");
}

}  // namespace

std::string Describe(const Preferences::Value& value) {
  return std::visit(
      [](auto v) -> std::string {
        using T = decltype(v);
        if constexpr (std::is_same_v<T, bool>) {
          return v ? "boolean true" : "boolean false";
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
          return "integer " + std::to_string(v);
        } else {
          char text[32];  // the shortest form that reads back as the same value
          const auto printed = std::to_chars(text, text + sizeof text, v);
          return "real " + std::string(text, printed.ptr);
        }
      },
      value);
}

void Preferences::UseProfile(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  file_ = folder / kFileName;
  values_.clear();
  Load();
}

const Preferences::Value* Preferences::Find(const Key& key) const {
  auto found = values_.find(key);
  return found == values_.end() ? nullptr : &found->second;
}

void Preferences::Put(const Key& key, Value value) {
  values_[key] = value;
  if (!file_.empty()) Save();
}

void Preferences::Load() {
  std::ifstream in(file_, std::ios::binary);
  if (!in) return;  // no file yet: nothing stored
  std::map<Key, Value> loaded;
  try {
    const Json document = Parse(in);
    // Compared as JSON values, so that a member of another type is a mismatch, not a throw.
    const auto member = [&document](const char* key) {
      return document.is_object() && document.contains(key) ? document[key] : Json();
    };
    if (member("format") != kFormat || member("version") != kFormatVersion ||
        !member("preferences").is_object()) {
      throw std::runtime_error("it is not a preference file of version 1");
    }
    for (const auto& [prefix, entries] : document["preferences"].items()) {
      if (!entries.is_object())
        throw std::runtime_error("the prefix \"" + prefix + "\" is not an object");
      for (const auto& [suffix, entry] : entries.items()) {
        if (suffix.empty()) throw std::runtime_error("a suffix is empty");
        loaded[{prefix, suffix}] = FromJson(entry);
      }
    }
  } catch (const std::exception& problem) {
    in.close();
    std::filesystem::path aside = file_;
    aside += ".malformed";
    std::error_code error;
    std::filesystem::rename(file_, aside, error);
    transcript_.Line("preferences: " + file_.filename().string() + " cannot be read (" +
                     problem.what() + "); set aside as " + aside.filename().string() +
                     ", starting with no preferences");
    return;
  }
  values_ = std::move(loaded);
}

void Preferences::Save() {
  Json entries = Json::object();
  for (const auto& [key, value] : values_) entries[key.first][key.second] = ToJson(value);
  const Json document = {
      {"format", kFormat}, {"version", kFormatVersion}, {"preferences", entries}};
  std::filesystem::path temporary = file_;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << document.dump(2) << '\n';
    out.flush();
    if (!out) {
      transcript_.Line("preferences: cannot write " + temporary.string());
      return;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, file_, error);
  if (error) {
    transcript_.Line("preferences: cannot replace " + file_.string() + ": " + error.message());
    std::filesystem::remove(temporary, error);
  }
}

const AIPreferenceSuite* Preferences::Suite() {
  static const AIPreferenceSuite suite = {
      HOST_FAULTABLE(GetBooleanPreference), HOST_FAULTABLE(PutBooleanPreference),
      HOST_FAULTABLE(GetIntegerPreference), HOST_FAULTABLE(PutIntegerPreference),
      HOST_FAULTABLE(GetRealPreference),    HOST_FAULTABLE(PutRealPreference)};
  return &suite;
}

}  // namespace host
