#include "host/core/DocumentPrinter.h"

#include <cmath>
#include <cstdio>
#include <variant>

namespace host {
namespace {

std::string Point(AIRealPoint p) {
  return "(" + FormatNumber(p.h) + " " + FormatNumber(p.v) + ")";
}

std::string SwatchName(const Document& document, const AIColor& color) {
  const SwatchLibrary& swatches = document.swatches();
  switch (color.kind) {
    case kPattern:
      if (const Pattern* p = swatches.patterns.Find(color.c.p.pattern)) return p->id;
      break;
    case kCustomColor:
      if (const CustomColor* c = swatches.customColors.Find(color.c.c.color)) return c->id;
      break;
    case kGradient:
      if (const Gradient* g = swatches.gradients.Find(color.c.b.gradient)) return g->id;
      break;
    default:
      break;
  }
  return "(missing)";
}

std::string Color(const Document& document, const AIColor& color) {
  switch (color.kind) {
    case kGrayColor:
      return "gray " + FormatNumber(color.c.g.gray);
    case kFourColor:
      return "cmyk " + FormatNumber(color.c.f.cyan) + " " + FormatNumber(color.c.f.magenta) + " " +
             FormatNumber(color.c.f.yellow) + " " + FormatNumber(color.c.f.black);
    case kThreeColor:
      return "rgb " + FormatNumber(color.c.rgb.red) + " " + FormatNumber(color.c.rgb.green) + " " +
             FormatNumber(color.c.rgb.blue);
    case kCustomColor:
      return "custom " + SwatchName(document, color) + " tint " + FormatNumber(color.c.c.tint);
    case kPattern:
      return "pattern " + SwatchName(document, color);
    case kGradient:
      return "gradient " + SwatchName(document, color);
    default:
      return "none";
  }
}

std::string Paint(const Document& document, const PaintField& field) {
  if (const auto* fill = std::get_if<AIFillStyle>(&field)) {
    return "fill " + Color(document, fill->color) + (fill->overprint ? " overprint" : "");
  }
  const auto& stroke = std::get<AIStrokeStyle>(field);
  std::string text =
      "stroke " + FormatNumber(stroke.width) + " pt " + Color(document, stroke.color);
  static const char* const kCaps[] = {"butt", "round", "projecting"};
  static const char* const kJoins[] = {"miter", "round", "bevel"};
  if (stroke.cap != kAIButtCap && stroke.cap >= 0 && stroke.cap <= 2)
    text += std::string(" cap ") + kCaps[stroke.cap];
  if (stroke.join != kAIMiterJoin && stroke.join >= 0 && stroke.join <= 2) {
    text += std::string(" join ") + kJoins[stroke.join];
  }
  if (stroke.dash.length > 0) {
    text += " dash";
    for (int i = 0; i < stroke.dash.length && i < kMaxDashComponents; ++i)
      text += " " + FormatNumber(stroke.dash.array[i]);
    if (stroke.dash.offset != 0) text += " offset " + FormatNumber(stroke.dash.offset);
  }
  if (stroke.overprint) text += " overprint";
  return text;
}

const char* TypeName(const Art& art) {
  switch (art.type()) {
    case kGroupArt:
      return "group";
    case kPathArt:
      return "path";
    case kCompoundPathArt:
      return "compound";
    case kPlacedArt:
      return "placed";
    case kRasterArt:
      return "raster";
    case kTextFrameArt:
      return "text";
    default:
      return "art";
  }
}

std::string Attributes(AIArtUserAttr attributes) {
  std::string text;
  if (attributes & kArtSelected) text += " selected";
  if (attributes & kArtLocked) text += " locked";
  if (attributes & kArtHidden) text += " hidden";
  return text;
}

void DescribeArt(const Document& document, const Art& art, int depth,
                 std::vector<std::string>& lines) {
  const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
  std::string line = indent + TypeName(art) + " " + art.id() + Attributes(art.ownAttributes());
  if (art.type() == kPathArt) {
    const PathGeometry& path = art.path();
    line += path.closed ? ", closed," : ", open,";
    line += " " + std::to_string(path.segments.size()) + " anchors";
    std::string selected;
    for (std::size_t i = 0; i < path.segments.size(); ++i) {
      if (path.segments[i].selected) selected += " " + std::to_string(i);
    }
    if (!selected.empty()) line += ", anchors selected:" + selected;
  } else if (art.type() == kTextFrameArt) {
    line += " \"" + art.text().text + "\"";
  }
  lines.push_back(line);
  if (art.type() == kPathArt) {
    std::string geometry = indent + "  ";
    for (const Segment& segment : art.path().segments) {
      geometry += Point(segment.p);
      const bool straight = segment.in.h == segment.p.h && segment.in.v == segment.p.v &&
                            segment.out.h == segment.p.h && segment.out.v == segment.p.v;
      if (!straight) geometry += "[in " + Point(segment.in) + " out " + Point(segment.out) + "]";
      geometry += " ";
    }
    geometry.pop_back();
    lines.push_back(geometry);
  }
  for (const PaintField& field : art.appearance().paint)
    lines.push_back(indent + "  " + Paint(document, field));
  if (!art.IsContainer()) return;
  for (const Art* child = art.firstChild(); child != nullptr; child = child->behind()) {
    if (child->IsLayerGroup()) {
      continue;  // sublayers are described under their layer
    }
    DescribeArt(document, *child, depth + 1, lines);
  }
}

void DescribeLayer(const Document& document, const Layer& layer, int depth,
                   std::vector<std::string>& lines) {
  const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
  std::string line = indent + "layer " + layer.id() + " \"" + layer.title + "\"";
  if (!layer.visible) line += " hidden";
  if (!layer.editable) line += " locked";
  if (document.currentLayer() == &layer) line += " current";
  lines.push_back(line);
  // Members front to back; a sublayer's layer group stands for the sublayer at its place.
  for (const Art* child = layer.group().firstChild(); child != nullptr; child = child->behind()) {
    if (child->IsLayerGroup()) {
      DescribeLayer(document, *child->ownerLayer(), depth + 1, lines);
    } else {
      DescribeArt(document, *child, depth + 1, lines);
    }
  }
}

}  // namespace

std::string FormatNumber(double value) {
  if (std::isnan(value)) return "nan";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  std::string text = buffer;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

std::vector<std::string> DescribeDocument(const Document& document) {
  std::vector<std::string> lines;
  for (std::int32_t i = 0; i < document.CountLayers(); ++i)
    DescribeLayer(document, *document.NthLayer(i), 0, lines);
  std::string selection = "selection:";
  for (const Art* art : document.SelectedArt()) selection += " " + art->id();
  lines.push_back(selection);
  return lines;
}

std::vector<std::string> DescribeObject(const Document& document, const std::string& id) {
  std::vector<std::string> lines;
  if (const Art* art = document.FindArt(id)) {
    DescribeArt(document, *art, 0, lines);
  } else if (const Layer* layer = document.FindLayer(id)) {
    DescribeLayer(document, *layer, 0, lines);
  }
  return lines;
}

}  // namespace host
