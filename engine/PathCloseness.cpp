#include "engine/PathCloseness.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr int kMostPiecesPerCurve = 4096;

AIRealPoint Lerp(const AIRealPoint& a, const AIRealPoint& b, AIReal t) {
  return {a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t};
}

AIReal Distance(const AIRealPoint& a, const AIRealPoint& b) {
  return std::hypot(b.h - a.h, b.v - a.v);
}

AIRealPoint Bezier(const AIRealPoint (&c)[4], AIReal t) {
  const AIRealPoint a = Lerp(c[0], c[1], t), b = Lerp(c[1], c[2], t), d = Lerp(c[2], c[3], t);
  return Lerp(Lerp(a, b, t), Lerp(b, d, t), t);
}

// The squared distance from p to the segment from a to b.
AIReal SquaredDistanceToSegment(const AIRealPoint& p, const AIRealPoint& a, const AIRealPoint& b) {
  const AIReal dx = b.h - a.h, dy = b.v - a.v;
  const AIReal length = dx * dx + dy * dy;
  AIReal t = length > 0 ? ((p.h - a.h) * dx + (p.v - a.v) * dy) / length : 0;
  t = std::clamp<AIReal>(t, 0, 1);
  const AIReal x = a.h + dx * t - p.h, y = a.v + dy * t - p.v;
  return x * x + y * y;
}

bool NearPolyline(const AIRealPoint& p, const std::vector<AIRealPoint>& line, AIReal reach,
                  std::size_t& hint) {
  const AIReal limit = reach * reach;
  if (line.size() == 1) return SquaredDistanceToSegment(p, line[0], line[0]) <= limit;
  const std::size_t pieces = line.size() - 1;
  const auto near = [&](std::size_t piece) {
    const std::size_t i = piece % pieces;
    if (SquaredDistanceToSegment(p, line[i], line[i + 1]) > limit) return false;
    hint = i;
    return true;
  };
  // Consecutive points usually lie near one piece: search outward from the last piece found,
  // forward and back, each piece once.
  for (std::size_t offset = 0; 2 * offset <= pieces; ++offset) {
    if (near(hint + offset)) return true;
    if (offset != 0 && 2 * offset != pieces && near(hint + pieces - offset)) return true;
  }
  return false;
}

bool AllNear(const std::vector<AIRealPoint>& points, const std::vector<AIRealPoint>& line,
             AIReal reach) {
  std::size_t hint = 0;
  return std::all_of(points.begin(), points.end(),
                     [&](const AIRealPoint& p) { return NearPolyline(p, line, reach, hint); });
}

}  // namespace

std::vector<AIRealPoint> PointsAlong(const PathShape& shape, AIReal step) {
  const auto& segments = shape.segments;
  std::vector<AIRealPoint> points;
  if (segments.empty()) return points;
  points.push_back(segments[0].p);
  const std::size_t curves = segments.size() - 1 + (shape.closed && segments.size() > 1 ? 1 : 0);
  for (std::size_t s = 0; s < curves; ++s) {
    const AIPathSegment& from = segments[s];
    const AIPathSegment& to = segments[(s + 1) % segments.size()];
    const AIRealPoint c[4] = {from.p, from.out, to.in, to.p};
    const AIReal polygon = Distance(c[0], c[1]) + Distance(c[1], c[2]) + Distance(c[2], c[3]);
    const AIReal wanted = std::ceil(polygon / step);
    const int pieces =
        std::isfinite(wanted)
            ? std::clamp(static_cast<int>(std::min<AIReal>(wanted, kMostPiecesPerCurve)), 1,
                         kMostPiecesPerCurve)
            : kMostPiecesPerCurve;
    for (int i = 1; i < pieces; ++i) points.push_back(Bezier(c, AIReal(i) / pieces));
    points.push_back(to.p);
  }
  return points;
}

bool WithinReachOfEachOther(const PathShape& a, const PathShape& b, AIReal reach) {
  if (a.segments.empty() || b.segments.empty() || !(reach > 0)) return false;
  const AIReal step = reach / 8;
  const std::vector<AIRealPoint> alongA = PointsAlong(a, step);
  const std::vector<AIRealPoint> alongB = PointsAlong(b, step);
  return AllNear(alongA, alongB, reach) && AllNear(alongB, alongA, reach);
}
