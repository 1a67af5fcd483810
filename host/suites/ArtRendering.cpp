#include "host/suites/ArtRendering.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

#include "host/document/Colors.h"
#include "host/render/Outline.h"

namespace host {
namespace {

constexpr double kFlatness = 0.1;  // pixels

render::Point ToPixel(AIRealPoint p, const PixelMapping& mapping) {
  return {(p.h - mapping.left) * mapping.scale, (mapping.top - p.v) * mapping.scale};
}

// The path's outline in pixels, curves flattened.
render::Polyline Flatten(const PathGeometry& path, const PixelMapping& mapping) {
  render::Polyline line;
  line.closed = path.closed;
  const auto& segments = path.segments;
  if (segments.empty()) return line;
  line.points.push_back(ToPixel(segments.front().p, mapping));
  auto addCurve = [&](const Segment& from, const Segment& to) {
    render::AppendCubic(line.points, ToPixel(from.p, mapping), ToPixel(from.out, mapping),
                        ToPixel(to.in, mapping), ToPixel(to.p, mapping), kFlatness);
  };
  for (std::size_t i = 1; i < segments.size(); ++i) addCurve(segments[i - 1], segments[i]);
  if (path.closed && segments.size() > 1) {
    addCurve(segments.back(), segments.front());
    line.points.pop_back();  // back at the first point
  }
  return line;
}

void CollectOutlines(const Art& art, const PixelMapping& mapping,
                     std::vector<render::Polyline>& lines) {
  if (art.type() == kPathArt) {
    lines.push_back(Flatten(art.path(), mapping));
  } else if (art.type() == kCompoundPathArt) {
    for (const Art* member = art.firstChild(); member != nullptr; member = member->behind()) {
      CollectOutlines(*member, mapping, lines);
    }
  }
}

render::StrokeStyle StrokeOf(const AIStrokeStyle& stroke, double scale) {
  render::StrokeStyle style;
  style.width = stroke.width * scale;
  style.cap = stroke.cap == kAIRoundCap        ? render::Cap::kRound
              : stroke.cap == kAIProjectingCap ? render::Cap::kSquare
                                               : render::Cap::kButt;
  style.join = stroke.join == kAIRoundJoin   ? render::Join::kRound
               : stroke.join == kAIBevelJoin ? render::Join::kBevel
                                             : render::Join::kMiter;
  style.miterLimit = stroke.miterLimit;
  const int count = std::clamp<int>(stroke.dash.length, 0, kMaxDashComponents);
  for (int i = 0; i < count; ++i) style.dashes.push_back(stroke.dash.array[i] * scale);
  style.dashOffset = stroke.dash.offset * scale;
  return style;
}

std::optional<render::Rgb8> ColourOf(const AIColor& color, const SwatchLibrary& swatches) {
  const std::optional<Rgb> rgb = ToRgb(color, swatches);
  if (!rgb) return std::nullopt;
  auto byte = [](double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
  };
  return render::Rgb8{byte(rgb->red), byte(rgb->green), byte(rgb->blue)};
}

void DrawShape(render::Canvas& canvas, const Art& art, const SwatchLibrary& swatches,
               const PixelMapping& mapping, bool antialias) {
  std::vector<render::Polyline> lines;
  CollectOutlines(art, mapping, lines);
  const Appearance& appearance = art.appearance();
  for (auto field = appearance.paint.rbegin(); field != appearance.paint.rend(); ++field) {
    if (const auto* fill = std::get_if<AIFillStyle>(&*field)) {
      const auto colour = ColourOf(fill->color, swatches);
      if (!colour) continue;
      std::vector<render::Contour> contours;
      for (const auto& line : lines) contours.push_back(line.points);
      canvas.Fill(contours,
                  appearance.evenOdd ? render::FillRule::kEvenOdd : render::FillRule::kNonZero,
                  *colour, antialias);
    } else if (const auto* stroke = std::get_if<AIStrokeStyle>(&*field)) {
      const auto colour = ColourOf(stroke->color, swatches);
      if (!colour) continue;
      const render::StrokeStyle style = StrokeOf(*stroke, mapping.scale);
      std::vector<render::Contour> contours;
      for (const auto& line : lines) {
        for (auto& contour : render::StrokeOutline(line, style))
          contours.push_back(std::move(contour));
      }
      canvas.Fill(contours, render::FillRule::kNonZero, *colour, antialias);
    }
  }
}

}  // namespace

void DrawArt(render::Canvas& canvas, const Art& art, const SwatchLibrary& swatches,
             const PixelMapping& mapping, bool antialias) {
  switch (art.type()) {
    case kPathArt:
    case kCompoundPathArt:
      DrawShape(canvas, art, swatches, mapping, antialias);
      return;
    case kGroupArt:
      for (const Art* member = art.lastChild(); member != nullptr; member = member->inFront()) {
        DrawArt(canvas, *member, swatches, mapping, antialias);
      }
      return;
    default:
      return;
  }
}

}  // namespace host
