// The host's small rasteriser: 8-bit RGB pixels on white, filled with polygons under the
// non-zero or even-odd rule, with or without anti-aliasing. Deterministic: the same calls give
// the same bytes on every machine.
#pragma once

#include <cstdint>
#include <vector>

namespace host::render {

// Pixel space: x to the right, y downward; pixel (x, y) covers [x, x + 1) × [y, y + 1).
struct Point {
  double x;
  double y;
};

// A closed polygon: the last point joins the first.
using Contour = std::vector<Point>;

enum class FillRule { kNonZero, kEvenOdd };

struct Rgb8 {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  bool operator==(const Rgb8&) const = default;
};

class Canvas {
 public:
  // A white canvas; negative sizes give an empty one.
  Canvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel at (x, y); white outside the canvas.
  Rgb8 Pixel(int x, int y) const;
  // Rows top to bottom, 3 bytes per pixel, red first.
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

  // Paints colour over the area the contours enclose under rule. With antialias, an edge pixel
  // gets colour in the share of its area that is covered (measured on 16 sub-rows per pixel, each
  // exactly across); without, a pixel is painted when its centre is inside.
  void Fill(const std::vector<Contour>& contours, FillRule rule, Rgb8 colour, bool antialias);

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace host::render
