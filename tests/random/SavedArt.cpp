#include "tests/random/SavedArt.h"

#include <charconv>
#include <string_view>

#include "host/document/JsonTree.h"

namespace random_sessions {
namespace {

// A JSON value written compactly, for comparing.
void Append(const host::JsonValue& value, std::string& text) {
  switch (value.type()) {
    case host::JsonValue::Type::kNull:
      text += "null";
      break;
    case host::JsonValue::Type::kBoolean:
      text += value.Boolean() ? "true" : "false";
      break;
    case host::JsonValue::Type::kNumber: {
      char digits[32];
      text.append(digits, std::to_chars(digits, digits + sizeof digits, value.Number()).ptr);
      break;
    }
    case host::JsonValue::Type::kString:
      text.append("\"").append(value.Text()).append("\"");
      break;
    case host::JsonValue::Type::kArray:
    case host::JsonValue::Type::kObject:
      text += value.IsArray() ? "[" : "{";
      for (const host::JsonValue& item : value) {
        if (value.IsObject()) text.append(item.key()).append(":");
        Append(item, text);
        text += ",";
      }
      text += value.IsArray() ? "]" : "}";
      break;
  }
}

void ReadItems(const host::JsonValue& items, const std::string& container, SavedDocument& saved) {
  for (const host::JsonValue& item : items) {
    const host::JsonValue* type = item.Find("type");
    const host::JsonValue* id = item.Find("id");
    const bool layer = type == nullptr || type->Text() == "layer";
    const std::string key = (layer ? "layer " : "") + std::string(id != nullptr ? id->Text() : "?");
    std::string own, states;
    for (const host::JsonValue& member : item) {
      const std::string_view name = member.key();
      if (name == "art") continue;
      const bool state =
          name == "locked" || name == "hidden" || name == "visible" || name == "editable";
      std::string& text = state ? states : own;
      text.append(name).append("=");
      Append(member, text);
      text += " ";
    }
    saved.art[key] = {container, own, states};
    saved.members[container].push_back(key);
    if (const host::JsonValue* art = item.Find("art")) ReadItems(*art, key, saved);
  }
}

}  // namespace

SavedDocument ReadSaved(const std::string& json) {
  SavedDocument saved;
  const host::JsonTree tree(json);
  ReadItems(*tree.root().Find("layers"), "", saved);
  return saved;
}

}  // namespace random_sessions
