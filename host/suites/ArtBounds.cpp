#include "host/suites/ArtBounds.h"

#include <algorithm>
#include <cmath>
#include <variant>

namespace host {
namespace {

struct Extent {
  bool empty = true;
  AIReal left = 0, top = 0, right = 0, bottom = 0;

  void Add(AIRealPoint p) {
    if (empty) {
      left = right = p.h;
      top = bottom = p.v;
      empty = false;
      return;
    }
    left = std::min(left, p.h);
    right = std::max(right, p.h);
    bottom = std::min(bottom, p.v);
    top = std::max(top, p.v);
  }
  void Add(const AIRealRect& r) {
    Add(AIRealPoint{r.left, r.top});
    Add(AIRealPoint{r.right, r.bottom});
  }
  AIRealRect Rect() const { return AIRealRect{left, top, right, bottom}; }
};

AIReal Cubic(AIReal a, AIReal b, AIReal c, AIReal d, AIReal t) {
  const AIReal u = 1 - t;
  return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
}

// Adds the parameters in (0, 1) where one coordinate of the cubic has an extreme.
void Extremes(AIReal a, AIReal b, AIReal c, AIReal d, AIReal* ts, int* count) {
  // Derivative / 3: (b - a)(1-t)^2 + 2 (c - b)(1-t)t + (d - c)t^2 = A t^2 + B t + C
  const AIReal A = (d - c) - 2 * (c - b) + (b - a);
  const AIReal B = 2 * ((c - b) - (b - a));
  const AIReal C = b - a;
  auto add = [&](AIReal t) {
    if (t > 0 && t < 1) ts[(*count)++] = t;
  };
  if (std::abs(A) < 1e-12) {
    if (std::abs(B) > 1e-12) add(-C / B);
    return;
  }
  const AIReal disc = B * B - 4 * A * C;
  if (disc < 0) return;
  const AIReal root = std::sqrt(disc);
  add((-B + root) / (2 * A));
  add((-B - root) / (2 * A));
}

void AddCurve(Extent& extent, const Segment& from, const Segment& to) {
  const AIRealPoint p0 = from.p, p1 = from.out, p2 = to.in, p3 = to.p;
  extent.Add(p3);
  AIReal ts[4];
  int count = 0;
  Extremes(p0.h, p1.h, p2.h, p3.h, ts, &count);
  Extremes(p0.v, p1.v, p2.v, p3.v, ts, &count);
  for (int i = 0; i < count; ++i) {
    extent.Add(
        AIRealPoint{Cubic(p0.h, p1.h, p2.h, p3.h, ts[i]), Cubic(p0.v, p1.v, p2.v, p3.v, ts[i])});
  }
}

void AddArt(Extent& extent, const Art& art) {
  if (art.IsContainer()) {
    for (const Art* child = art.firstChild(); child != nullptr; child = child->behind()) {
      AddArt(extent, *child);
    }
    return;
  }
  switch (art.type()) {
    case kPathArt: {
      const auto& segments = art.path().segments;
      if (segments.empty()) return;
      extent.Add(segments.front().p);
      for (std::size_t i = 1; i < segments.size(); ++i)
        AddCurve(extent, segments[i - 1], segments[i]);
      if (art.path().closed && segments.size() > 1)
        AddCurve(extent, segments.back(), segments.front());
      return;
    }
    case kPlacedArt:
    case kRasterArt:
      extent.Add(art.image().bounds);
      return;
    case kTextFrameArt: {
      const TextContent& text = art.text();
      extent.Add(text.anchor);
      // An estimate: half an em per character on one line.
      extent.Add(AIRealPoint{
          text.anchor.h + 0.5 * text.fontSize * static_cast<AIReal>(text.text.size()) / 2,
          text.anchor.v + text.fontSize});
      return;
    }
    default:
      return;
  }
}

AIReal WidestStroke(const Art& art) {
  AIReal widest = 0;
  for (const PaintField& field : art.appearance().paint) {
    if (const auto* stroke = std::get_if<AIStrokeStyle>(&field)) {
      if (stroke->color.kind != kNoneColor) widest = std::max(widest, stroke->width);
    }
  }
  if (art.IsContainer()) {
    for (const Art* child = art.firstChild(); child != nullptr; child = child->behind()) {
      widest = std::max(widest, WidestStroke(*child));
    }
  }
  return widest;
}

}  // namespace

AIRealRect GeometricBounds(const Art& art) {
  Extent extent;
  AddArt(extent, art);
  return extent.Rect();
}

AIRealRect VisualBounds(const Art& art) {
  AIRealRect bounds = GeometricBounds(art);
  const AIReal half = WidestStroke(art) / 2;
  return AIRealRect{bounds.left - half, bounds.top + half, bounds.right + half,
                    bounds.bottom - half};
}

}  // namespace host
