#include "host/render/Outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace host::render {
namespace {

// More dash pieces than this along one path are drawn as a solid line.
constexpr std::size_t kMaxDashPieces = 200000;
constexpr double kCircleTolerance = 0.02;  // pixels
constexpr double kTiny = 1e-9;

Point operator+(Point a, Point b) {
  return {a.x + b.x, a.y + b.y};
}
Point operator-(Point a, Point b) {
  return {a.x - b.x, a.y - b.y};
}
Point operator*(Point a, double k) {
  return {a.x * k, a.y * k};
}
double Dot(Point a, Point b) {
  return a.x * b.x + a.y * b.y;
}
double Cross(Point a, Point b) {
  return a.x * b.y - a.y * b.x;
}
double Length(Point a) {
  return std::hypot(a.x, a.y);
}
Point LeftNormal(Point unit) {
  return {-unit.y, unit.x};
}

double SignedArea(const Contour& contour) {
  double twice = 0;
  for (std::size_t i = 0; i < contour.size(); ++i) {
    twice += Cross(contour[i], contour[(i + 1) % contour.size()]);
  }
  return twice / 2;
}

// Keeps polygons with an area, all turned the same way.
void Emit(std::vector<Contour>& out, Contour contour) {
  const double area = SignedArea(contour);
  if (!(std::abs(area) > kTiny)) return;
  if (area < 0) std::reverse(contour.begin(), contour.end());
  out.push_back(std::move(contour));
}

// One open or closed run of points (no two neighbours equal) with what its ends need.
struct Piece {
  std::vector<Point> points;
  bool closed = false;
  Point tangent{1, 0};  // direction of a piece of one point (a dash of length 0)
};

class Stroker {
 public:
  Stroker(const StrokeStyle& style, std::vector<Contour>& out)
      : style_(style), half_(style.width / 2), out_(out) {}

  void Stroke(const Piece& piece) {
    const auto& p = piece.points;
    if (p.size() == 1) {
      Cap(p[0], piece.tangent * -1.0);
      Cap(p[0], piece.tangent);
      return;
    }
    const std::size_t segments = piece.closed ? p.size() : p.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) Segment(p[i], p[(i + 1) % p.size()]);
    const std::size_t firstJoin = piece.closed ? 0 : 1;
    const std::size_t endJoin = piece.closed ? p.size() : p.size() - 1;
    for (std::size_t i = firstJoin; i < endJoin; ++i) {
      Join(p[(i + p.size() - 1) % p.size()], p[i], p[(i + 1) % p.size()]);
    }
    if (!piece.closed) {
      Cap(p.front(), Unit(p.front() - p[1]));
      Cap(p.back(), Unit(p.back() - p[p.size() - 2]));
    }
  }

 private:
  static Point Unit(Point d) { return d * (1 / Length(d)); }

  void Segment(Point a, Point b) {
    const Point n = LeftNormal(Unit(b - a)) * half_;
    Emit(out_, {a + n, b + n, b - n, a - n});
  }

  // The cap at end, whose outward direction is outward.
  void Cap(Point end, Point outward) {
    if (style_.cap == Cap::kRound) {
      Emit(out_, CirclePolygon(end, half_));
    } else if (style_.cap == Cap::kSquare) {
      const Point n = LeftNormal(outward) * half_;
      const Point far = end + outward * half_;
      Emit(out_, {end + n, end - n, far - n, far + n});
    }
  }

  void Join(Point before, Point at, Point after) {
    if (style_.join == Join::kRound) {
      Emit(out_, CirclePolygon(at, half_));
      return;
    }
    const Point d1 = Unit(at - before), d2 = Unit(after - at);
    const double cross = Cross(d1, d2), dot = Dot(d1, d2);
    if (std::abs(cross) < kTiny && dot > 0) return;  // straight on: the segments meet flush
    const double side = cross > 0 ? -1.0 : 1.0;      // the outer side of the turn
    const Point n1 = LeftNormal(d1) * (side * half_);
    const Point n2 = LeftNormal(d2) * (side * half_);
    const double cosHalfTurn = std::sqrt(std::max(0.0, (1 + dot) / 2));
    if (style_.join == Join::kMiter && cosHalfTurn > kTiny &&
        1 / cosHalfTurn <= style_.miterLimit) {
      const Point bisector = n1 + n2;
      const Point tip = at + bisector * (half_ / (Length(bisector) * cosHalfTurn));
      Emit(out_, {at, at + n1, tip, at + n2});
    } else {
      Emit(out_, {at, at + n1, at + n2});
    }
  }

  const StrokeStyle& style_;
  double half_;
  std::vector<Contour>& out_;
};

std::vector<Point> WithoutRepeats(const Polyline& line) {
  std::vector<Point> points;
  for (const Point& p : line.points) {
    if (points.empty() || Length(p - points.back()) > kTiny) points.push_back(p);
  }
  if (line.closed && points.size() > 1 && Length(points.front() - points.back()) <= kTiny) {
    points.pop_back();
  }
  return points;
}

// The dash pattern as used, or none for a solid line.
std::optional<std::vector<double>> Pattern(const StrokeStyle& style) {
  std::vector<double> pattern = style.dashes;
  double total = 0;
  for (double value : pattern) {
    if (!(value >= 0) || !std::isfinite(value)) return std::nullopt;
    total += value;
  }
  if (pattern.empty() || !(total > 0)) return std::nullopt;
  if (pattern.size() % 2 == 1)
    pattern.insert(pattern.end(), style.dashes.begin(), style.dashes.end());
  return pattern;
}

// Cuts the points (a closed run walks back to its start) into the dashes of pattern; none when
// there would be too many.
std::optional<std::vector<Piece>> Dashes(std::vector<Point> points, bool closed,
                                         const std::vector<double>& pattern, double offset) {
  if (closed) points.push_back(points.front());
  double period = 0;
  for (double value : pattern) period += value;
  double into = std::fmod(offset, period);
  if (into < 0) into += period;
  std::size_t index = 0;
  while (into > 0 && into >= pattern[index]) {
    into -= pattern[index];
    index = (index + 1) % pattern.size();
  }
  double left = pattern[index] - into;  // of the current dash or gap
  std::vector<Piece> pieces;
  Piece current;
  auto on = [&index] { return index % 2 == 0; };
  auto advance = [&](Point at, Point direction) {
    if (on()) {
      current.tangent = direction;
      if (current.points.empty() || Length(at - current.points.back()) > kTiny)
        current.points.push_back(at);
      pieces.push_back(std::move(current));
      current = Piece{};
    }
    index = (index + 1) % pattern.size();
    left = pattern[index];
    if (on()) {
      current.points.push_back(at);
      current.tangent = direction;
    }
  };
  if (on()) current.points.push_back(points.front());
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const Point a = points[i], b = points[i + 1];
    const double length = Length(b - a);
    const Point direction = (b - a) * (1 / length);
    double done = 0;
    while (length - done >= left) {
      done += left;
      advance(a + direction * done, direction);
      if (pieces.size() > kMaxDashPieces) return std::nullopt;
    }
    left -= length - done;
    if (on() && Length(b - current.points.back()) > kTiny) current.points.push_back(b);
    current.tangent = direction;
  }
  if (on() && !current.points.empty()) pieces.push_back(std::move(current));
  return pieces;
}

// True when p lies on the segment from a to b: a curve with both handles so lies on its chord.
bool OnChord(Point a, Point p, Point b) {
  const Point chord = b - a, offset = p - a;
  const double length2 = Dot(chord, chord);
  if (length2 == 0) return Length(offset) <= kTiny;
  const double along = Dot(offset, chord) / length2;
  return along >= 0 && along <= 1 && std::abs(Cross(chord, offset)) <= kTiny * std::sqrt(length2);
}

}  // namespace

void AppendCubic(std::vector<Point>& points, Point p0, Point p1, Point p2, Point p3,
                 double tolerance) {
  if (OnChord(p0, p1, p3) && OnChord(p0, p2, p3)) {
    points.push_back(p3);
    return;
  }
  // How far the curve can stray from its chords bounds the number of lines needed.
  const double dd = std::max(Length(p0 - p1 * 2 + p2), Length(p1 - p2 * 2 + p3));
  const double steps = std::ceil(std::sqrt(3 * dd / (4 * std::max(tolerance, kTiny))));
  const int count = static_cast<int>(std::clamp(std::isfinite(steps) ? steps : 1.0, 1.0, 1000.0));
  for (int i = 1; i < count; ++i) {
    const double t = static_cast<double>(i) / count, u = 1 - t;
    points.push_back(p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) +
                     p3 * (t * t * t));
  }
  points.push_back(p3);
}

Contour CirclePolygon(Point centre, double radius) {
  if (!(radius > 0)) return {};
  const double step = 2 * std::acos(std::max(0.0, 1 - kCircleTolerance / radius));
  const int count = std::clamp(static_cast<int>(std::ceil(2 * std::numbers::pi / step)), 8, 512);
  Contour circle;
  for (int i = 0; i < count; ++i) {
    const double angle = 2 * std::numbers::pi * i / count;
    circle.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
  }
  return circle;
}

std::vector<Contour> StrokeOutline(const Polyline& line, const StrokeStyle& style) {
  std::vector<Contour> out;
  if (!(style.width > 0) || !std::isfinite(style.width)) return out;
  std::vector<Point> points = WithoutRepeats(line);
  if (points.empty()) return out;
  const bool closed = line.closed && points.size() > 2;
  Stroker stroker(style, out);
  if (const auto pattern = Pattern(style); pattern && points.size() > 1) {
    if (auto pieces = Dashes(points, closed, *pattern, style.dashOffset)) {
      for (const Piece& piece : *pieces) stroker.Stroke(piece);
      return out;
    }
  }
  stroker.Stroke(Piece{std::move(points), closed, {1, 0}});
  return out;
}

}  // namespace host::render
