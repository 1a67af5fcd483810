// Writing documents as JSON. Values equal to what reading assumes when a member is absent are
// left out, and small arrays and objects stay on one line, so files stay readable and compact.
#include <charconv>
#include <fstream>
#include <nlohmann/json.hpp>

#include "host/document/Colors.h"
#include "host/document/DocumentJson.h"
#include "host/document/DocumentJsonLimits.h"
#include "host/document/DocumentJsonNames.h"

namespace host {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kLineWidth = 100;

Json Point(AIRealPoint p) {
  return Json::array({p.h, p.v});
}

bool IsIdentity(const AIRealMatrix& m) {
  return m.a == 1 && m.b == 0 && m.c == 0 && m.d == 1 && m.tx == 0 && m.ty == 0;
}

Json Matrix(const AIRealMatrix& m) {
  return Json::array({m.a, m.b, m.c, m.d, m.tx, m.ty});
}

template <typename Table, typename Handle>
std::string SwatchId(const Table& table, Handle handle) {
  const auto* swatch = table.Find(handle);
  if (!swatch) throw DocumentFileError("a colour names a swatch that is not in the document");
  return swatch->id;
}

// Sets key to value unless it equals the value that reading assumes.
template <typename Value>
void Put(Json& object, const char* key, const Value& value, const Value& assumed) {
  if (!(value == assumed)) object[key] = value;
}

Json WriteColor(const AIColor& color, const SwatchLibrary& swatches) {
  Json json;
  json["kind"] = json_names::NameOf(json_names::kColorKinds, color.kind);
  switch (color.kind) {
    case kGrayColor:
      json["gray"] = color.c.g.gray;
      break;
    case kFourColor:
      json["c"] = color.c.f.cyan;
      json["m"] = color.c.f.magenta;
      json["y"] = color.c.f.yellow;
      json["k"] = color.c.f.black;
      break;
    case kThreeColor:
      json["r"] = color.c.rgb.red;
      json["g"] = color.c.rgb.green;
      json["b"] = color.c.rgb.blue;
      break;
    case kCustomColor:
      json["swatch"] = SwatchId(swatches.customColors, color.c.c.color);
      Put(json, "tint", color.c.c.tint, 0.0);
      break;
    case kPattern: {
      const AIPatternStyle& p = color.c.p;
      json["swatch"] = SwatchId(swatches.patterns, p.pattern);
      Put(json, "shiftDistance", p.shiftDist, 0.0);
      Put(json, "shiftAngle", p.shiftAngle, 0.0);
      if (p.scale.h != 1 || p.scale.v != 1) json["scale"] = Point(p.scale);
      Put(json, "rotate", p.rotate, 0.0);
      Put(json, "reflect", p.reflect != 0, false);
      Put(json, "reflectAngle", p.reflectAngle, 0.0);
      Put(json, "shearAngle", p.shearAngle, 0.0);
      Put(json, "shearAxis", p.shearAxis, 0.0);
      if (!IsIdentity(p.transform)) json["transform"] = Matrix(p.transform);
      break;
    }
    case kGradient: {
      const AIGradientStyle& b = color.c.b;
      json["swatch"] = SwatchId(swatches.gradients, b.gradient);
      json["origin"] = Point(b.gradientOrigin);
      json["angle"] = b.gradientAngle;
      json["length"] = b.gradientLength;
      if (!IsIdentity(b.matrix)) json["matrix"] = Matrix(b.matrix);
      Put(json, "hiliteAngle", b.hiliteAngle, 0.0);
      Put(json, "hiliteLength", b.hiliteLength, 0.0);
      break;
    }
    default:
      break;
  }
  return json;
}

Json WritePaint(const PaintField& field, const SwatchLibrary& swatches) {
  Json json;
  if (const auto* fill = std::get_if<AIFillStyle>(&field)) {
    json["kind"] = "fill";
    json["color"] = WriteColor(fill->color, swatches);
    Put(json, "overprint", fill->overprint != 0, false);
    return json;
  }
  const auto& stroke = std::get<AIStrokeStyle>(field);
  const AIStrokeStyle assumed = DefaultStroke();
  json["kind"] = "stroke";
  json["color"] = WriteColor(stroke.color, swatches);
  Put(json, "overprint", stroke.overprint != 0, false);
  json["width"] = stroke.width;
  Put(json, "cap", json_names::NameOf(json_names::kCaps, stroke.cap),
      json_names::NameOf(json_names::kCaps, assumed.cap));
  Put(json, "join", json_names::NameOf(json_names::kJoins, stroke.join),
      json_names::NameOf(json_names::kJoins, assumed.join));
  Put(json, "miterLimit", stroke.miterLimit, assumed.miterLimit);
  if (stroke.dash.length > 0) {
    Json dash = Json::array();
    for (int i = 0; i < stroke.dash.length && i < kMaxDashComponents; ++i) {
      dash.push_back(stroke.dash.array[i]);
    }
    json["dash"] = std::move(dash);
  }
  Put(json, "dashOffset", stroke.dash.offset, 0.0);
  return json;
}

Json WriteAppearance(const Appearance& appearance, const SwatchLibrary& swatches) {
  Json json = Json::object();
  Put(json, "evenOdd", appearance.evenOdd, false);
  Put(json, "clip", appearance.clip, false);
  Put(json, "lockClip", appearance.lockClip, false);
  Put(json, "resolution", appearance.resolution, kDefaultResolution);
  if (!appearance.paint.empty()) {
    Json paint = Json::array();
    for (const PaintField& field : appearance.paint) paint.push_back(WritePaint(field, swatches));
    json["paint"] = std::move(paint);
  }
  return json;
}

Json WriteSegment(const Segment& segment) {
  const auto same = [](AIRealPoint a, AIRealPoint b) { return a.h == b.h && a.v == b.v; };
  Json json;
  json["p"] = Point(segment.p);
  if (!same(segment.in, segment.p)) json["in"] = Point(segment.in);
  if (!same(segment.out, segment.p)) json["out"] = Point(segment.out);
  Put(json, "corner", segment.corner, true);
  Put(json, "selected", segment.selected, false);
  return json;
}

Json WriteLayer(const Document& document, const Layer& layer, bool nested);

Json WriteMembers(const Document& document, const Art& container) {
  Json list = Json::array();
  for (const Art* member = container.firstChild(); member; member = member->behind()) {
    if (member->IsLayerGroup()) {
      list.push_back(WriteLayer(document, *member->ownerLayer(), true));
      continue;
    }
    const Art& art = *member;
    Json json;
    json["type"] = json_names::NameOf(json_names::kArtTypes, art.type());
    json["id"] = art.id();
    const AIArtUserAttr attributes = art.ownAttributes();
    Put(json, "selected", (attributes & kArtSelected) != 0, false);
    Put(json, "locked", (attributes & kArtLocked) != 0, false);
    Put(json, "hidden", (attributes & kArtHidden) != 0, false);
    switch (art.type()) {
      case kPathArt: {
        Put(json, "closed", art.path().closed, false);
        Json segments = Json::array();
        for (const Segment& segment : art.path().segments)
          segments.push_back(WriteSegment(segment));
        json["segments"] = std::move(segments);
        break;
      }
      case kTextFrameArt:
        json["text"] = art.text().text;
        json["anchor"] = Point(art.text().anchor);
        Put(json, "fontSize", art.text().fontSize, 12.0);
        break;
      case kPlacedArt:
      case kRasterArt: {
        const AIRealRect& b = art.image().bounds;
        json["bounds"] = Json::array({b.left, b.top, b.right, b.bottom});
        Put(json, "source", art.image().source, std::string());
        break;
      }
      default:
        if (art.firstChild()) json["art"] = WriteMembers(document, art);
        break;
    }
    if (art.type() == kPathArt || art.type() == kCompoundPathArt || art.type() == kTextFrameArt) {
      Json appearance = WriteAppearance(art.appearance(), document.swatches());
      if (!appearance.empty()) json["appearance"] = std::move(appearance);
    }
    list.push_back(std::move(json));
  }
  return list;
}

Json WriteLayer(const Document& document, const Layer& layer, bool nested) {
  Json json;
  if (nested) json["type"] = json_names::kSublayerType;
  json["id"] = layer.id();
  json["title"] = layer.title;
  Put(json, "visible", layer.visible, true);
  Put(json, "editable", layer.editable, true);
  json["art"] = WriteMembers(document, layer.group());
  return json;
}

Json WriteSwatches(const SwatchLibrary& swatches) {
  Json json = Json::object();
  Json customs = Json::array();
  for (AICustomColorHandle handle : swatches.customColors.Handles()) {
    const CustomColor& custom = *swatches.customColors.Find(handle);
    Json entry{{"id", custom.id}, {"name", custom.name}};
    Put(entry, "spot", custom.spot, true);
    entry["color"] = WriteColor(custom.base, swatches);
    customs.push_back(std::move(entry));
  }
  if (!customs.empty()) json["customColors"] = std::move(customs);
  Json patterns = Json::array();
  for (AIPatternHandle handle : swatches.patterns.Handles()) {
    const Pattern& pattern = *swatches.patterns.Find(handle);
    patterns.push_back(Json{{"id", pattern.id},
                            {"name", pattern.name},
                            {"color", WriteColor(pattern.color, swatches)}});
  }
  if (!patterns.empty()) json["patterns"] = std::move(patterns);
  Json gradients = Json::array();
  for (AIGradientHandle handle : swatches.gradients.Handles()) {
    const Gradient& gradient = *swatches.gradients.Find(handle);
    Json stops = Json::array();
    for (const GradientStop& stop : gradient.stops) {
      Json entry{{"rampPoint", stop.rampPoint}};
      Put(entry, "midPoint", stop.midPoint, 50.0);
      entry["color"] = WriteColor(stop.color, swatches);
      stops.push_back(std::move(entry));
    }
    gradients.push_back(
        Json{{"id", gradient.id},
             {"name", gradient.name},
             {"type", json_names::NameOf(json_names::kGradientTypes, gradient.type)},
             {"stops", std::move(stops)}});
  }
  if (!gradients.empty()) json["gradients"] = std::move(gradients);
  return json;
}

// About as many characters as the scalar takes written; close enough to decide on line breaks
// without making a string for every number.
std::size_t ScalarWidth(const Json& value) {
  char buffer[32];
  switch (value.type()) {
    case Json::value_t::number_float:
      return static_cast<std::size_t>(
          std::to_chars(buffer, buffer + sizeof buffer, value.get<double>()).ptr - buffer);
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
      return static_cast<std::size_t>(
          std::to_chars(buffer, buffer + sizeof buffer, value.get<std::int64_t>()).ptr - buffer);
    case Json::value_t::string:
      return value.get_ref<const std::string&>().size() + 2;
    default:
      return 5;
  }
}

// Whether value written on one line takes at most budget characters; stops counting early.
bool FitsOnLine(const Json& value, std::ptrdiff_t& budget) {
  if (value.is_object()) {
    budget -= 2;
    for (const auto& [key, member] : value.items()) {
      budget -= static_cast<std::ptrdiff_t>(key.size()) + 6;
      if (budget < 0 || !FitsOnLine(member, budget)) return false;
    }
  } else if (value.is_array()) {
    budget -= 2;
    for (const Json& member : value) {
      budget -= 2;
      if (budget < 0 || !FitsOnLine(member, budget)) return false;
    }
  } else {
    budget -= static_cast<std::ptrdiff_t>(ScalarWidth(value));
  }
  return budget >= 0;
}

void Print(const Json& value, std::size_t indent, std::string& out) {
  std::ptrdiff_t budget =
      static_cast<std::ptrdiff_t>(kLineWidth) - static_cast<std::ptrdiff_t>(indent);
  if (!value.is_structured() || value.empty() || FitsOnLine(value, budget)) {
    out += value.dump(-1, ' ', false, Json::error_handler_t::strict);
    return;
  }
  const std::string inner(indent + 2, ' ');
  const bool object = value.is_object();
  out += object ? "{\n" : "[\n";
  bool first = true;
  for (const auto& [key, member] : value.items()) {
    if (!first) out += ",\n";
    first = false;
    out += inner;
    if (object) out += Json(key).dump() + ": ";
    Print(member, indent + 2, out);
  }
  out += "\n" + std::string(indent, ' ') + (object ? "}" : "]");
}

}  // namespace

std::string WriteDocument(const Document& document) {
  Json root;
  root["format"] = json_limits::kFormatName;
  root["version"] = json_limits::kFormatVersion;
  root["view"] = Json{{"zoom", document.view().zoom}, {"snapping", document.view().snapping}};
  if (const Layer* current = document.currentLayer()) root["currentLayer"] = current->id();
  Json swatches = WriteSwatches(document.swatches());
  if (!swatches.empty()) root["swatches"] = std::move(swatches);
  Json layers = Json::array();
  for (const Layer* layer = document.FirstLayer(); layer; layer = document.NextLayer(*layer)) {
    layers.push_back(WriteLayer(document, *layer, false));
  }
  root["layers"] = std::move(layers);
  std::string out;
  Print(root, 0, out);
  out += '\n';
  return out;
}

void WriteDocumentFile(const Document& document, const std::filesystem::path& file) {
  const std::string text = WriteDocument(document);
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  if (!stream || !stream.write(text.data(), static_cast<std::streamsize>(text.size()))) {
    throw DocumentFileError("cannot write " + file.string());
  }
}

}  // namespace host
