#include "host/document/JsonTree.h"

#include <algorithm>
#include <cstring>
#include <nlohmann/json.hpp>
#include <utility>

#include "host/document/DocumentJson.h"

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

const JsonValue* JsonValue::Find(std::string_view key) const {
  if (type_ != Type::kObject) return nullptr;
  const JsonValue* found = std::lower_bound(
      begin(), end(), key,
      [](const JsonValue& member, std::string_view name) { return member.key_ < name; });
  return found != end() && found->key_ == key ? found : nullptr;
}

// The handler of nlohmann-json's SAX parser. The values of open containers wait in pending_;
// when a container closes, its items move together to the tree's values.
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
  bool number_integer(std::int64_t value) { return Number(static_cast<double>(value)); }
  bool number_unsigned(std::uint64_t value) { return Number(static_cast<double>(value)); }
  bool number_float(double value, const std::string&) { return Number(value); }
  bool string(std::string& value) {
    JsonValue read;
    read.type_ = Type::kString;
    read.text_ = Keep(value);
    return Add(read);
  }
  bool binary(nlohmann::json::binary_t&) { return false; }  // JSON text has none
  bool start_object(std::size_t) { return Open(Type::kObject); }
  bool key(std::string& name) {
    key_ = Keep(name);
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
  bool Number(double value) {
    JsonValue read;
    read.type_ = Type::kNumber;
    read.number_ = value;
    return Add(read);
  }

  bool Add(JsonValue value) {
    value.key_ = std::exchange(key_, {});
    pending_.push_back(value);
    return true;
  }

  bool Open(Type type) {
    JsonValue container;
    container.type_ = type;
    container.key_ = std::exchange(key_, {});
    open_.emplace_back(pending_.size(), container);
    return true;
  }

  bool Close() {
    auto [start, container] = open_.back();
    open_.pop_back();
    const auto from = pending_.begin() + static_cast<std::ptrdiff_t>(start);
    auto to = pending_.end();
    if (container.type_ == Type::kObject) {
      std::stable_sort(from, to,
                       [](const JsonValue& a, const JsonValue& b) { return a.key_ < b.key_; });
      // Of members with one name the last counts.
      auto kept = from;
      for (auto member = from; member != to; ++member) {
        if (member + 1 != to && (member + 1)->key_ == member->key_) continue;
        *kept++ = *member;
      }
      to = kept;
    }
    std::vector<JsonValue>& values = tree_.values_;
    container.first_ = values.size();
    container.count_ = static_cast<std::uint32_t>(to - from);
    values.insert(values.end(), from, to);
    pending_.erase(from, pending_.end());
    pending_.push_back(container);
    return true;
  }

  // A copy of text in the tree's storage, where it stays put.
  std::string_view Keep(const std::string& text) {
    constexpr std::size_t kBlock = 64 * 1024;
    if (text.empty()) return {};
    if (text.size() > kBlock / 4) {
      tree_.texts_.push_back(std::make_unique<char[]>(text.size()));
      std::memcpy(tree_.texts_.back().get(), text.data(), text.size());
      return {tree_.texts_.back().get(), text.size()};
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
    return {kept, text.size()};
  }

  JsonTree& tree_;
  std::vector<JsonValue> pending_;
  std::vector<std::pair<std::size_t, JsonValue>> open_;  // where its items start, the container
  std::string_view key_;  // the name of the next value, inside an object
  char* blockAt_ = nullptr;
  std::size_t blockLeft_ = 0;
};

JsonTree::JsonTree(std::string_view text) {
  JsonTreeBuilder builder(*this);
  if (!nlohmann::json::sax_parse(text, &builder)) throw DocumentFileError("malformed JSON");
  builder.Finish();
}

}  // namespace host
