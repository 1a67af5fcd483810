// A JSON text read into one flat tree: the values of a large file as a few large arrays instead
// of a node per value on the heap, which is what made reading a map slow. Well-formed text goes
// through JsonScanner; anything else through nlohmann-json's SAX parser, whose messages say what
// is wrong. Objects keep one member per name (the last, as in nlohmann::json), sorted by name. A
// value takes 24 bytes, as a map's file holds several values for each anchor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class JsonValue {
 public:
  enum class Type : std::uint8_t { kNull, kBoolean, kNumber, kString, kArray, kObject };

  Type type() const { return type_; }
  bool IsNull() const { return type_ == Type::kNull; }
  bool IsBoolean() const { return type_ == Type::kBoolean; }
  bool IsNumber() const { return type_ == Type::kNumber; }
  bool IsString() const { return type_ == Type::kString; }
  bool IsArray() const { return type_ == Type::kArray; }
  bool IsObject() const { return type_ == Type::kObject; }
  // "null", "boolean", "number", "string", "array" or "object".
  const char* TypeName() const;

  bool Boolean() const { return boolean_; }
  double Number() const { return number_; }
  std::string_view Text() const { return {text_, count_}; }  // of a string

  // Elements of an array, members of an object (by name); none for other values.
  std::size_t size() const { return type_ >= Type::kArray ? count_ : 0; }
  bool empty() const { return size() == 0; }
  const JsonValue* begin() const { return type_ >= Type::kArray ? items_ : nullptr; }
  const JsonValue* end() const { return begin() + size(); }
  const JsonValue& operator[](std::size_t index) const { return items_[index]; }
  // The member of an object named key, or null.
  const JsonValue* Find(std::string_view key) const;
  // Of an object's member.
  std::string_view key() const {
    return keySize_ != kLongKey ? std::string_view(key_, keySize_) : LongKey();
  }

 private:
  friend class JsonTreeBuilder;
  // Names of this many bytes or more keep their length in front of their text.
  static constexpr std::uint16_t kLongKey = 0xFFFF;

  std::string_view LongKey() const;

  Type type_ = Type::kNull;
  bool boolean_ = false;
  std::uint16_t keySize_ = 0;
  std::uint32_t count_ = 0;  // items of a container, bytes of a string
  const char* key_ = nullptr;
  union {
    double number_ = 0;
    const char* text_;
    const JsonValue* items_;
    std::size_t first_;  // while building: where a container's items will be
  };
};

class JsonTree {
 public:
  // Throws DocumentFileError "malformed JSON: ..." for text that is not JSON.
  explicit JsonTree(std::string_view text);

  const JsonValue& root() const { return values_.back(); }

 private:
  friend class JsonTreeBuilder;

  std::vector<JsonValue> values_;               // each container's items together, the root last
  std::vector<std::unique_ptr<char[]>> texts_;  // strings and names, which never move
};

}  // namespace host
