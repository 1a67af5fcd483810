#include "host/suites/HitGeometry.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "host/suites/ArtBounds.h"
#include "hostapi/AIHitTest.h"

namespace host {
namespace {

AIRealPoint At(const AIRealPoint (&c)[4], AIReal t) {
  const AIReal u = 1 - t;
  const AIReal a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
  return {a * c[0].h + b * c[1].h + d * c[2].h + e * c[3].h,
          a * c[0].v + b * c[1].v + d * c[2].v + e * c[3].v};
}

AIReal Distance(AIRealPoint a, AIRealPoint b) {
  const AIReal dh = a.h - b.h, dv = a.v - b.v;
  return std::sqrt(dh * dh + dv * dv);
}

// The distance from point to the line segment from a to b.
AIReal SegmentDistance(AIRealPoint a, AIRealPoint b, AIRealPoint point) {
  const AIReal dh = b.h - a.h, dv = b.v - a.v;
  const AIReal length = dh * dh + dv * dv;
  AIReal t = length > 0 ? ((point.h - a.h) * dh + (point.v - a.v) * dv) / length : 0;
  t = std::clamp(t, 0.0, 1.0);
  return Distance({a.h + t * dh, a.v + t * dv}, point);
}

// The handles lie on the chord between the anchors, so the curve is that line segment: the
// usual case of a corner point, whose handles sit on the anchor.
bool Straight(const AIRealPoint (&c)[4]) {
  const AIReal dh = c[3].h - c[0].h, dv = c[3].v - c[0].v;
  const AIReal length = dh * dh + dv * dv;
  for (int i = 1; i <= 2; ++i) {
    const AIReal ph = c[i].h - c[0].h, pv = c[i].v - c[0].v;
    if (ph == 0 && pv == 0) continue;
    const AIReal along = ph * dh + pv * dv;
    if (ph * dv - pv * dh != 0 || along < 0 || along > length) return false;
  }
  return true;
}

// The control points' box grown by margin does not hold point: the curve is farther than margin.
bool FarFrom(const AIRealPoint (&c)[4], AIRealPoint point, AIReal margin) {
  AIReal left = c[0].h, right = c[0].h, bottom = c[0].v, top = c[0].v;
  for (const AIRealPoint& p : c) {
    left = std::min(left, p.h);
    right = std::max(right, p.h);
    bottom = std::min(bottom, p.v);
    top = std::max(top, p.v);
  }
  return point.h < left - margin || point.h > right + margin || point.v < bottom - margin ||
         point.v > top + margin;
}

void Curve(const Segment& from, const Segment& to, AIRealPoint (&c)[4]) {
  c[0] = from.p;
  c[1] = from.out;
  c[2] = to.in;
  c[3] = to.p;
}

bool HitPath(const Art& art, AIRealPoint point, AIReal tolerance, ArtHit* hit) {
  const PathGeometry& path = art.path();
  const auto& segments = path.segments;
  // The nearest anchor within the tolerance; the first of equally near ones.
  AIReal nearest = tolerance;
  bool onAnchor = false;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const AIReal distance = Distance(segments[i].p, point);
    if (distance <= nearest && !(onAnchor && distance == nearest)) {
      nearest = distance;
      onAnchor = true;
      *hit = ArtHit{kAnchorHitType, static_cast<std::int16_t>(i), 0};
    }
  }
  if (onAnchor) return true;

  // The nearest curve within the tolerance and half the stroke; curve s ends at anchor s.
  const AIReal reach = tolerance + HalfWidestStroke(art);
  AIReal best = reach;
  bool onCurve = false;
  const std::size_t count = segments.size();
  const std::size_t curves = path.closed && count > 1 ? count : (count > 0 ? count - 1 : 0);
  for (std::size_t k = 0; k < curves; ++k) {
    // Curves 1 to n - 1, then the closing curve 0.
    const std::size_t s = k + 1 < count ? k + 1 : 0;
    AIRealPoint control[4];
    Curve(segments[s == 0 ? count - 1 : s - 1], segments[s], control);
    if (FarFrom(control, point, best)) continue;
    if (Straight(control) && SegmentDistance(control[0], control[3], point) > best) continue;
    const NearestPoint near = NearestOnCubic(control, point);
    if (near.distance <= best && !(onCurve && near.distance == best)) {
      best = near.distance;
      onCurve = true;
      *hit = ArtHit{kCurveHitType, static_cast<std::int16_t>(s), near.t};
    }
  }
  if (onCurve) return true;

  if (HasFill(art) && InsidePath(path, art.appearance().evenOdd, point)) {
    *hit = ArtHit{kFillHitType, 0, 0};
    return true;
  }
  return false;
}

}  // namespace

AIReal HalfWidestStroke(const Art& art) {
  AIReal widest = 0;
  for (const PaintField& field : art.appearance().paint) {
    if (const auto* stroke = std::get_if<AIStrokeStyle>(&field)) {
      if (stroke->color.kind != kNoneColor) widest = std::max(widest, stroke->width);
    }
  }
  return widest / 2;
}

bool HasFill(const Art& art) {
  for (const PaintField& field : art.appearance().paint) {
    if (const auto* fill = std::get_if<AIFillStyle>(&field)) {
      if (fill->color.kind != kNoneColor) return true;
    }
  }
  return false;
}

NearestPoint NearestOnCubic(const AIRealPoint (&control)[4], AIRealPoint point) {
  // Coarse samples; every stretch around a sample nearer than its neighbours is refined by a
  // narrowing search, since a looping curve may come near the point more than once.
  constexpr int kSamples = 32;
  AIReal sampled[kSamples + 1];
  for (int i = 0; i <= kSamples; ++i)
    sampled[i] = Distance(At(control, AIReal(i) / kSamples), point);
  NearestPoint best{0, sampled[0]};
  for (int i = 0; i <= kSamples; ++i) {
    if ((i > 0 && sampled[i - 1] < sampled[i]) || (i < kSamples && sampled[i + 1] < sampled[i])) {
      continue;
    }
    if (sampled[i] < best.distance) best = {AIReal(i) / kSamples, sampled[i]};
    AIReal low = std::max(0.0, AIReal(i - 1) / kSamples);
    AIReal high = std::min(1.0, AIReal(i + 1) / kSamples);
    for (int step = 0; step < 60; ++step) {
      const AIReal a = low + (high - low) / 3;
      const AIReal b = high - (high - low) / 3;
      if (Distance(At(control, a), point) <= Distance(At(control, b), point)) {
        high = b;
      } else {
        low = a;
      }
    }
    const AIReal t = (low + high) / 2;
    const AIReal distance = Distance(At(control, t), point);
    if (distance < best.distance) best = {t, distance};
  }
  return best;
}

bool InsidePath(const PathGeometry& path, bool evenOdd, AIRealPoint point) {
  const auto& segments = path.segments;
  if (segments.size() < 2) return false;
  // Curves flattened to lines; the last anchor joins the first by the closing curve or a line.
  constexpr int kSteps = 16;
  int winding = 0;
  auto line = [&](AIRealPoint a, AIRealPoint b) {
    if ((a.v <= point.v) == (b.v <= point.v)) return;
    const AIReal h = a.h + (point.v - a.v) * (b.h - a.h) / (b.v - a.v);
    if (h > point.h) winding += b.v > a.v ? 1 : -1;
  };
  auto curve = [&](const Segment& from, const Segment& to) {
    AIRealPoint control[4];
    Curve(from, to, control);
    AIRealPoint previous = control[0];
    for (int i = 1; i <= kSteps; ++i) {
      const AIRealPoint next = At(control, AIReal(i) / kSteps);
      line(previous, next);
      previous = next;
    }
  };
  for (std::size_t i = 1; i < segments.size(); ++i) curve(segments[i - 1], segments[i]);
  if (path.closed) {
    curve(segments.back(), segments.front());
  } else {
    line(segments.back().p, segments.front().p);
  }
  return evenOdd ? (winding % 2) != 0 : winding != 0;
}

bool HitArt(const Art& art, AIRealPoint point, AIReal tolerance, ArtHit* hit) {
  if (art.type() == kPathArt) return HitPath(art, point, tolerance, hit);
  const AIRealRect bounds = GeometricBounds(art);
  if (point.h < bounds.left || point.h > bounds.right || point.v < bounds.bottom ||
      point.v > bounds.top) {
    return false;
  }
  *hit = ArtHit{kFillHitType, 0, 0};
  return true;
}

}  // namespace host
