// JSON being written: the values in one flat array, each container's items chained, so that
// writing a large map takes no allocation per value. Printed as document files are laid out:
// a container that fits in the line width on one line, written compactly as nlohmann-json's
// dump() writes it; any other with one item a line. A deferred value is made only when it is
// printed, in a tree of its own that is then emptied for the next, so that a large map is never
// held as JSON all at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class JsonOut {
 public:
  struct Node {
    std::uint32_t index;
  };

  Node Object() { return Make(Kind::kObject); }
  Node Array() { return Make(Kind::kArray); }
  Node Number(double value);
  Node Integer(std::int64_t value);
  Node Bool(bool value);
  Node String(std::string_view text);
  // make builds the value in the tree it is given and returns it.
  Node Deferred(std::function<Node(JsonOut&)> make);

  // Adds a member to an object; key must outlive the tree (the format's names are literals).
  void Set(Node object, std::string_view key, Node value);
  void Push(Node array, Node value) { Set(array, {}, value); }
  bool Empty(Node container) const { return values_[container.index].count == 0; }

  void Print(Node root, std::string& out) const;

 private:
  enum class Kind : std::uint8_t {
    kNumber,
    kInteger,
    kBoolean,
    kString,
    kArray,
    kObject,
    kDeferred
  };
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  struct Items {
    std::uint32_t first, last;
  };

  struct Value {
    Kind kind;
    bool boolean = false;
    std::uint16_t keySize = 0;   // an object's member: its name
    std::uint32_t next = kNone;  // the next item of the enclosing container
    std::uint32_t count = 0;     // items of a container, bytes of a string
    const char* key = nullptr;
    union {
      double number = 0;
      std::int64_t integer;
      std::size_t text;  // where a string's text starts in texts_
      Items items;       // of a container, or kNone
      std::size_t made;  // of a deferred value, in deferred_
    };
  };

  Node Make(Kind kind);
  // Calls use with the deferred value made in a tree of its own.
  template <typename Use>
  void Expand(const Value& value, Use use) const;
  void Clear();
  bool Fits(const Value& value, std::ptrdiff_t& budget) const;
  void Print(const Value& value, std::size_t indent, std::string& out) const;
  void Dump(const Value& value, std::string& out) const;
  std::string_view Text(const Value& value) const {
    return {texts_.data() + value.text, value.count};
  }
  static std::string_view Key(const Value& value) { return {value.key, value.keySize}; }

  std::vector<Value> values_;
  std::string texts_;
  std::vector<std::function<Node(JsonOut&)>> deferred_;
  mutable std::unique_ptr<JsonOut> expanded_;  // reused for every deferred value
};

}  // namespace host
