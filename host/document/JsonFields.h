// Strict reading of JSON values: each read knows the value's place in the file (for example
// layers[1].art[3].segments) and throws DocumentFileError naming it when the value is missing, of
// the wrong type or out of range. Objects must not hold members that nobody reads.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "host/document/JsonTree.h"
#include "hostapi/SPTypes.h"

namespace host::json_fields {

using Json = JsonValue;

// A place in the file, as a chain of members and elements that lives on the reader's stack. The
// text is made only for a message, so reading a large file makes no strings for places.
class Where {
 public:
  Where() = default;  // the document itself
  Where Member(std::string_view key) const { return Where(this, key, 0); }
  Where Element(std::size_t index) const { return Where(this, {}, index); }
  std::string Text() const;

 private:
  Where(const Where* parent, std::string_view key, std::size_t index)
      : parent_(parent), key_(key), index_(index) {}

  const Where* parent_ = nullptr;
  std::string_view key_;  // empty for an element
  std::size_t index_ = 0;
};

[[noreturn]] void Fail(const Where& where, const std::string& what);

// The bytes of a file; throws DocumentFileError when it cannot be read.
std::string ReadFileText(const std::filesystem::path& file);

double ReadNumber(const Json& value, const Where& where, double min, double max);
std::string ReadString(const Json& value, const Where& where);
const Json& ReadArray(const Json& value, const Where& where);
AIRealPoint ReadPoint(const Json& value, const Where& where, double limit);

class ObjectReader {
 public:
  ObjectReader(const Json& value, const Where& where);
  ObjectReader(const ObjectReader&) = delete;
  ObjectReader& operator=(const ObjectReader&) = delete;

  const Where& where() const { return where_; }
  Where PathOf(std::string_view key) const { return where_.Member(key); }

  // The member, or null when absent. A member found counts as read.
  const Json* Find(std::string_view key);
  const Json& Get(std::string_view key);  // required

  double Number(std::string_view key, double min, double max);
  double Number(std::string_view key, double min, double max, double fallback);
  bool Bool(std::string_view key, bool fallback);
  std::string String(std::string_view key);
  std::string String(std::string_view key, const std::string& fallback);
  AIRealPoint Point(std::string_view key, double limit);

  // Fails on the first member that was not read.
  void RejectUnknown() const;

 private:
  const Json& value_;
  // Objects of the format have few members; more than this many are never read from one.
  static constexpr std::size_t kMaxMembers = 16;

  const Where where_;  // members name themselves through it, so it is kept here
  std::array<std::string_view, kMaxMembers> read_;
  std::size_t readCount_ = 0;
};

}  // namespace host::json_fields
