#include "host/document/JsonOut.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace host {
namespace {

constexpr std::size_t kLineWidth = 100;

// As nlohmann-json's dump() writes a string: printable ASCII as it stands, anything else
// escaped by the library, which refuses text that is not UTF-8.
void DumpString(std::string_view text, std::string& out) {
  for (const char c : text) {
    if (c < 0x20 || c > 0x7E || c == '"' || c == '\\') {
      out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::strict);
      return;
    }
  }
  out += '"';
  out += text;
  out += '"';
}

}  // namespace

JsonOut::Node JsonOut::Make(Kind kind) {
  Value& made = values_.emplace_back();
  made.kind = kind;
  if (kind == Kind::kArray || kind == Kind::kObject) made.items = Items{kNone, kNone};
  return Node{static_cast<std::uint32_t>(values_.size() - 1)};
}

JsonOut::Node JsonOut::Deferred(std::function<Node(JsonOut&)> make) {
  const Node made = Make(Kind::kDeferred);
  values_[made.index].made = deferred_.size();
  deferred_.push_back(std::move(make));
  return made;
}

template <typename Use>
void JsonOut::Expand(const Value& value, Use use) const {
  if (!expanded_) expanded_ = std::make_unique<JsonOut>();
  JsonOut& tree = *expanded_;
  const Node root = deferred_[value.made](tree);
  use(tree, tree.values_[root.index]);
  tree.Clear();
}

void JsonOut::Clear() {
  values_.clear();
  texts_.clear();
  deferred_.clear();
}

JsonOut::Node JsonOut::Number(double value) {
  const Node made = Make(Kind::kNumber);
  values_[made.index].number = value;
  return made;
}

JsonOut::Node JsonOut::Integer(std::int64_t value) {
  const Node made = Make(Kind::kInteger);
  values_[made.index].integer = value;
  return made;
}

JsonOut::Node JsonOut::Bool(bool value) {
  const Node made = Make(Kind::kBoolean);
  values_[made.index].boolean = value;
  return made;
}

JsonOut::Node JsonOut::String(std::string_view text) {
  const Node made = Make(Kind::kString);
  values_[made.index].text = texts_.size();
  values_[made.index].count = static_cast<std::uint32_t>(text.size());
  texts_ += text;
  return made;
}

void JsonOut::Set(Node container, std::string_view key, Node value) {
  values_[value.index].key = key.data();
  values_[value.index].keySize = static_cast<std::uint16_t>(key.size());
  Value& owner = values_[container.index];
  (owner.items.last == kNone ? owner.items.first : values_[owner.items.last].next) = value.index;
  owner.items.last = value.index;
  ++owner.count;
}

// Whether the value written on one line takes at most budget characters, counted roughly:
// numbers as std::to_chars writes them, names and separators as a fixed width. Stops early.
bool JsonOut::Fits(const Value& value, std::ptrdiff_t& budget) const {
  char buffer[32];
  switch (value.kind) {
    case Kind::kObject:
    case Kind::kArray:
      budget -= 2;
      for (std::uint32_t at = value.items.first; at != kNone; at = values_[at].next) {
        const Value& item = values_[at];
        budget -= value.kind == Kind::kObject ? item.keySize + 6 : 2;
        if (budget < 0 || !Fits(item, budget)) return false;
      }
      break;
    case Kind::kDeferred: {
      bool fits = false;
      Expand(value,
             [&](const JsonOut& tree, const Value& made) { fits = tree.Fits(made, budget); });
      return fits;
    }
    case Kind::kNumber:
      budget -= std::to_chars(buffer, buffer + sizeof buffer, value.number).ptr - buffer;
      break;
    case Kind::kInteger:
      budget -= std::to_chars(buffer, buffer + sizeof buffer, value.integer).ptr - buffer;
      break;
    case Kind::kString:
      budget -= static_cast<std::ptrdiff_t>(value.count) + 2;
      break;
    case Kind::kBoolean:
      budget -= 5;
      break;
  }
  return budget >= 0;
}

void JsonOut::Print(Node root, std::string& out) const {
  Print(values_[root.index], 0, out);
}

void JsonOut::Print(const Value& value, std::size_t indent, std::string& out) const {
  std::ptrdiff_t budget =
      static_cast<std::ptrdiff_t>(kLineWidth) - static_cast<std::ptrdiff_t>(indent);
  if (value.kind == Kind::kDeferred) {
    Expand(value, [&](const JsonOut& tree, const Value& made) { tree.Print(made, indent, out); });
    return;
  }
  const bool object = value.kind == Kind::kObject;
  if ((!object && value.kind != Kind::kArray) || value.count == 0 || Fits(value, budget)) {
    Dump(value, out);
    return;
  }
  out += object ? "{\n" : "[\n";
  for (std::uint32_t at = value.items.first; at != kNone; at = values_[at].next) {
    const Value& item = values_[at];
    if (at != value.items.first) out += ",\n";
    out.append(indent + 2, ' ');
    if (object) {
      DumpString(Key(item), out);
      out += ": ";
    }
    Print(item, indent + 2, out);
  }
  out += '\n';
  out.append(indent, ' ');
  out += object ? '}' : ']';
}

// As nlohmann-json's dump() writes the value on one line, without spaces.
void JsonOut::Dump(const Value& value, std::string& out) const {
  char buffer[64];
  switch (value.kind) {
    case Kind::kObject:
    case Kind::kArray: {
      const bool object = value.kind == Kind::kObject;
      out += object ? '{' : '[';
      for (std::uint32_t at = value.items.first; at != kNone; at = values_[at].next) {
        const Value& item = values_[at];
        if (at != value.items.first) out += ',';
        if (object) {
          DumpString(Key(item), out);
          out += ':';
        }
        Dump(item, out);
      }
      out += object ? '}' : ']';
      break;
    }
    case Kind::kNumber:
      if (!std::isfinite(value.number)) {
        out += "null";
      } else {
        // The library's own shortest form, which keeps ".0" on whole numbers.
        out.append(buffer,
                   nlohmann::detail::to_chars(buffer, buffer + sizeof buffer, value.number));
      }
      break;
    case Kind::kInteger:
      out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value.integer).ptr);
      break;
    case Kind::kString:
      DumpString(Text(value), out);
      break;
    case Kind::kBoolean:
      out += value.boolean ? "true" : "false";
      break;
    case Kind::kDeferred:
      Expand(value, [&](const JsonOut& tree, const Value& made) { tree.Dump(made, out); });
      break;
  }
}

}  // namespace host
