#include "host/core/RoadStyle.h"

#include <algorithm>
#include <cmath>

#include "host/document/Appearance.h"
#include "host/document/Colors.h"
#include "host/document/DocumentJsonLimits.h"
#include "host/document/JsonFields.h"

namespace host {
namespace {

using json_fields::Fail;
using json_fields::Json;
using json_fields::ObjectReader;
using json_fields::ReadArray;
using json_fields::ReadNumber;
using json_fields::ReadString;
using json_fields::Where;

AIColor ReadHexColor(const std::string& text, const Where& where) {
  if (text.size() != 7 || text[0] != '#' ||
      text.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos) {
    Fail(where, "expected a colour #rrggbb, found \"" + text + "\"");
  }
  const auto channel = [&text](std::size_t at) {
    return std::stoi(text.substr(at, 2), nullptr, 16) / 255.0;
  };
  return RgbColor(channel(1), channel(3), channel(5));
}

template <typename Value>
Value ReadChoice(ObjectReader& object, std::string_view key,
                 std::initializer_list<std::pair<const char*, Value>> choices) {
  const std::string word = object.String(key, choices.begin()->first);
  for (const auto& [name, value] : choices) {
    if (word == name) return value;
  }
  std::string names;
  for (const auto& choice : choices)
    names += (names.empty() ? "\"" : ", \"") + std::string(choice.first) + "\"";
  Fail(object.PathOf(key), "expected one of " + names + ", found \"" + word + "\"");
}

StackLayer ReadStackLayer(const Json& value, const Where& where) {
  ObjectReader object(value, where);
  StackLayer read{object.String("layer"), DefaultStroke()};
  if (read.layer.empty()) Fail(object.PathOf("layer"), "a layer title is not empty");
  AIStrokeStyle& stroke = read.stroke;
  stroke.color = ReadHexColor(object.String("color"), object.PathOf("color"));
  stroke.width = object.Number("width", 0, json_limits::kMaxStrokeWidth);
  stroke.cap = ReadChoice<AILineCap>(
      object, "cap",
      {{"butt", kAIButtCap}, {"round", kAIRoundCap}, {"projecting", kAIProjectingCap}});
  stroke.join = ReadChoice<AILineJoin>(
      object, "join", {{"miter", kAIMiterJoin}, {"round", kAIRoundJoin}, {"bevel", kAIBevelJoin}});
  if (const Json* dash = object.Find("dash")) {
    const Where place = object.PathOf("dash");
    ReadArray(*dash, place);
    if (dash->size() > static_cast<std::size_t>(kMaxDashComponents)) {
      Fail(place, "at most " + std::to_string(kMaxDashComponents) + " values");
    }
    stroke.dash.length = static_cast<std::int16_t>(dash->size());
    for (std::size_t i = 0; i < dash->size(); ++i) {
      stroke.dash.array[i] =
          ReadNumber((*dash)[i], place.Element(i), 0, json_limits::kMaxDashValue);
    }
  }
  object.RejectUnknown();
  return read;
}

RoadStack ReadStack(const Json& value, const Where& where) {
  const Json& layers = ReadArray(value, where);
  if (layers.empty()) Fail(where, "a stack has one layer or more");
  RoadStack stack;
  for (std::size_t i = 0; i < layers.size(); ++i) {
    StackLayer layer = ReadStackLayer(layers[i], where.Element(i));
    const bool twice = std::any_of(stack.begin(), stack.end(), [&layer](const StackLayer& other) {
      return other.layer == layer.layer;
    });
    if (twice)
      Fail(where.Element(i).Member("layer"), "\"" + layer.layer + "\" is already in the stack");
    stack.push_back(std::move(layer));
  }
  return stack;
}

void AddToOrder(std::vector<std::string>& order, const std::string& layer) {
  if (std::find(order.begin(), order.end(), layer) == order.end()) order.push_back(layer);
}

void ReadClasses(ObjectReader& root, RoadStyle& style) {
  const Where place = root.PathOf("classes");
  const Json& classes = ReadArray(root.Get("classes"), place);
  for (std::size_t i = 0; i < classes.size(); ++i) {
    ObjectReader entry(classes[i], place.Element(i));
    const Where valuesPlace = entry.PathOf("values");
    const Json& values = ReadArray(entry.Get("values"), valuesPlace);
    if (values.empty()) Fail(valuesPlace, "at least one class value");
    style.stacks.push_back(ReadStack(entry.Get("stack"), entry.PathOf("stack")));
    for (std::size_t k = 0; k < values.size(); ++k) {
      const std::string value = ReadString(values[k], valuesPlace.Element(k));
      if (!style.stackOfClass.emplace(value, style.stacks.size() - 1).second) {
        Fail(valuesPlace.Element(k), "the class \"" + value + "\" has a stack already");
      }
    }
    entry.RejectUnknown();
  }
}

}  // namespace

const RoadStack* RoadStyle::StackFor(const std::optional<std::string>& classValue) const {
  if (classValue) {
    const auto found = stackOfClass.find(*classValue);
    if (found != stackOfClass.end()) return &stacks[found->second];
  }
  return defaultStack ? &stacks[*defaultStack] : nullptr;
}

RoadStyle ReadRoadStyle(std::string_view json) {
  const JsonTree tree(json);
  ObjectReader root(tree.root(), Where());
  RoadStyle style;
  style.classProperty = root.String("property");
  style.scale = root.Number("scale", 1, 1e9, kDefaultMapScale);
  if (root.Find("centre")) {
    const Where place = root.PathOf("centre");
    const AIRealPoint centre = root.Point("centre", 180);
    if (std::abs(centre.v) > kMaxMercatorLatitude) {
      Fail(place.Element(1), "a latitude within ±" + std::to_string(kMaxMercatorLatitude));
    }
    style.centre = GeoPoint{centre.h, centre.v};
  }
  if (const Json* layers = root.Find("layers")) {
    const Where place = root.PathOf("layers");
    ReadArray(*layers, place);
    for (std::size_t i = 0; i < layers->size(); ++i) {
      AddToOrder(style.layerOrder, ReadString((*layers)[i], place.Element(i)));
    }
  }
  ReadClasses(root, style);
  if (const Json* fallback = root.Find("default")) {
    style.stacks.push_back(ReadStack(*fallback, root.PathOf("default")));
    style.defaultStack = style.stacks.size() - 1;
  }
  root.RejectUnknown();
  if (style.stacks.empty())
    Fail(root.PathOf("classes"), "no class has a stack and there is no default");
  for (const RoadStack& stack : style.stacks) {
    for (const StackLayer& layer : stack) AddToOrder(style.layerOrder, layer.layer);
  }
  return style;
}

}  // namespace host
