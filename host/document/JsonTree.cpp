#include "host/document/JsonTree.h"

#include <algorithm>
#include <cstring>
#include <nlohmann/json.hpp>
#include <utility>

#include "host/document/DocumentJson.h"
#include "host/document/JsonScan.h"

namespace host {

const char* JsonValue::TypeName() const {
  switch (type_) {
    case Type::kNull:
      return "null";
    case Type::kBoolean:
      return "boolean";
    case Type::kNumber:
      return "number";
    case Type::kString:
      return "string";
    case Type::kArray:
      return "array";
    case Type::kObject:
      return "object";
  }
  return "unknown";
}

std::string_view JsonValue::LongKey() const {
  std::size_t size;
  std::memcpy(&size, key_ - sizeof size, sizeof size);
  return {key_, size};
}

const JsonValue* JsonValue::Find(std::string_view key) const {
  if (type_ != Type::kObject) return nullptr;
  const JsonValue* found = std::lower_bound(
      begin(), end(), key,
      [](const JsonValue& member, std::string_view name) { return member.key() < name; });
  return found != end() && found->key() == key ? found : nullptr;
}

// The handler of nlohmann-json's SAX parser. The values of open containers wait in pending_;
// when a container closes, its items move together to the tree's values, an object's sorted by
// name in place.
class JsonTreeBuilder {
 public:
  using Type = JsonValue::Type;

  explicit JsonTreeBuilder(JsonTree& tree) : tree_(tree) {}

  bool null() { return Add(JsonValue{}); }
  bool boolean(bool value) {
    JsonValue read;
    read.type_ = Type::kBoolean;
    read.boolean_ = value;
    return Add(read);
  }
  bool number_integer(std::int64_t value) { return number(static_cast<double>(value)); }
  bool number_unsigned(std::uint64_t value) { return number(static_cast<double>(value)); }
  bool number_float(double value, const std::string&) { return number(value); }
  bool number(double value) {
    JsonValue read;
    read.type_ = Type::kNumber;
    read.number_ = value;
    return Add(read);
  }
  bool string(std::string_view value) {
    JsonValue read;
    read.type_ = Type::kString;
    read.text_ = Keep(value);
    read.count_ = static_cast<std::uint32_t>(value.size());
    return Add(read);
  }
  bool binary(nlohmann::json::binary_t&) { return false; }  // JSON text has none
  bool start_object(std::size_t) { return Open(Type::kObject); }
  bool key(std::string_view name) {
    if (name.size() < JsonValue::kLongKey) {
      key_ = Keep(name);
      keySize_ = static_cast<std::uint16_t>(name.size());
      return true;
    }
    const std::size_t size = name.size();
    tree_.texts_.push_back(std::make_unique<char[]>(sizeof size + size));
    char* kept = tree_.texts_.back().get();
    std::memcpy(kept, &size, sizeof size);
    std::memcpy(kept + sizeof size, name.data(), size);
    key_ = kept + sizeof size;
    keySize_ = JsonValue::kLongKey;
    return true;
  }
  bool end_object() { return Close(); }
  bool start_array(std::size_t) { return Open(Type::kArray); }
  bool end_array() { return Close(); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::json::exception& error) {
    // Drop the library's "[json.exception.parse_error.101] " prefix.
    const std::string what = error.what();
    const std::size_t prefix = what.find("] ");
    throw DocumentFileError("malformed JSON: " +
                            (prefix == std::string::npos ? what : what.substr(prefix + 2)));
  }

  // Moves the root to the end of the values and points every container at its items.
  void Finish() {
    std::vector<JsonValue>& values = tree_.values_;
    values.push_back(pending_.at(0));
    for (JsonValue& value : values) {
      if (value.type_ == Type::kArray || value.type_ == Type::kObject) {
        value.items_ = values.data() + value.first_;
      }
    }
  }

 private:
  bool Add(JsonValue value) {
    TakeKey(value);
    pending_.push_back(value);
    return true;
  }

  void TakeKey(JsonValue& value) {
    value.key_ = std::exchange(key_, nullptr);
    value.keySize_ = std::exchange(keySize_, 0);
  }

  bool Open(Type type) {
    JsonValue container;
    container.type_ = type;
    TakeKey(container);
    open_.emplace_back(pending_.size(), container);
    return true;
  }

  bool Close() {
    auto [start, container] = open_.back();
    open_.pop_back();
    JsonValue* from = pending_.data() + start;
    JsonValue* to = pending_.data() + pending_.size();
    if (container.type_ == Type::kObject) to = SortMembers(from, to);
    std::vector<JsonValue>& values = tree_.values_;
    container.first_ = values.size();
    container.count_ = static_cast<std::uint32_t>(to - from);
    values.insert(values.end(), from, to);
    pending_.resize(start);
    pending_.push_back(container);
    return true;
  }

  // Sorts an object's members by name, stably, and keeps the last of each name; returns the new
  // end. Objects are small and often sorted already: insertion sort, without a buffer.
  static JsonValue* SortMembers(JsonValue* from, JsonValue* to) {
    const auto before = [](const JsonValue& a, const JsonValue& b) { return a.key() < b.key(); };
    const auto notBefore = [](const JsonValue& a, const JsonValue& b) {
      return a.key() >= b.key();
    };
    if (std::adjacent_find(from, to, notBefore) == to) {
      return to;  // no two members share a name
    }
    if (to - from > 32) {
      std::stable_sort(from, to, before);
    } else {
      for (JsonValue* member = from + 1; member != to; ++member) {
        const JsonValue moving = *member;
        JsonValue* at = member;
        for (; at != from && before(moving, at[-1]); --at) *at = at[-1];
        *at = moving;
      }
    }
    JsonValue* kept = from;
    for (JsonValue* member = from; member != to; ++member) {
      if (member + 1 != to && (member + 1)->key() == member->key()) continue;
      *kept++ = *member;
    }
    return kept;
  }

  // A copy of text in the tree's storage, where it stays put.
  const char* Keep(std::string_view text) {
    constexpr std::size_t kBlock = 64 * 1024;
    if (text.empty()) return nullptr;
    if (text.size() > kBlock / 4) {
      tree_.texts_.push_back(std::make_unique<char[]>(text.size()));
      std::memcpy(tree_.texts_.back().get(), text.data(), text.size());
      return tree_.texts_.back().get();
    }
    if (blockLeft_ < text.size()) {
      tree_.texts_.push_back(std::make_unique<char[]>(kBlock));
      blockAt_ = tree_.texts_.back().get();
      blockLeft_ = kBlock;
    }
    char* kept = blockAt_;
    std::memcpy(kept, text.data(), text.size());
    blockAt_ += text.size();
    blockLeft_ -= text.size();
    return kept;
  }

  JsonTree& tree_;
  std::vector<JsonValue> pending_;
  std::vector<std::pair<std::size_t, JsonValue>> open_;  // where its items start, the container
  const char* key_ = nullptr;  // the name of the next value, inside an object
  std::uint16_t keySize_ = 0;
  char* blockAt_ = nullptr;
  std::size_t blockLeft_ = 0;
};

JsonTree::JsonTree(std::string_view text) {
  // A map's file takes about eight bytes a value; growing the values from nothing would copy
  // them several times over.
  values_.reserve(text.size() / 8 + 1);
  {
    JsonTreeBuilder builder(*this);
    JsonScanner<JsonTreeBuilder> scanner(text, builder);
    if (scanner.Scan()) {
      builder.Finish();
      return;
    }
  }
  // Malformed, or unusual enough: nlohmann-json reads it again and says what is wrong.
  values_.clear();
  texts_.clear();
  JsonTreeBuilder builder(*this);
  if (!nlohmann::json::sax_parse(text, &builder)) throw DocumentFileError("malformed JSON");
  builder.Finish();
}

}  // namespace host
