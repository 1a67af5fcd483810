// Turning path geometry into the polygons the canvas fills: curves flattened to lines, strokes
// outlined with their width, caps, joins and dashes. Every outline polygon is oriented the same
// way, so that filling them together under the non-zero rule paints their union.
#pragma once

#include <vector>

#include "host/render/Canvas.h"

namespace host::render {

// Appends the points of the cubic curve from p0 (not appended) to p3 (appended last), close
// enough that no point of the curve is farther than tolerance from the lines between them.
void AppendCubic(std::vector<Point>& points, Point p0, Point p1, Point p2, Point p3,
                 double tolerance);

struct Polyline {
  std::vector<Point> points;
  bool closed = false;
};

enum class Cap { kButt, kRound, kSquare };
enum class Join { kMiter, kRound, kBevel };

struct StrokeStyle {
  double width = 1;
  Cap cap = Cap::kButt;
  Join join = Join::kMiter;
  double miterLimit = 4;  // beyond this ratio of miter length to width a miter is bevelled
  // Alternating dash and gap lengths; empty (or summing to 0, or with a negative length) is a
  // solid line. An odd count repeats the list, as if it were written twice.
  std::vector<double> dashes;
  double dashOffset = 0;  // distance into the pattern at which the line starts
};

// The polygons that cover the stroke of line. A zero width gives none.
std::vector<Contour> StrokeOutline(const Polyline& line, const StrokeStyle& style);

// A circle as a polygon close to it within a small fraction of a pixel.
Contour CirclePolygon(Point centre, double radius);

}  // namespace host::render
