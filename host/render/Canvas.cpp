#include "host/render/Canvas.h"

#include <algorithm>
#include <cmath>

namespace host::render {
namespace {

constexpr int kSubRows = 16;

struct Edge {
  double x0, y0, x1, y1;  // y0 < y1
  int direction;          // +1 downward in the contour's order, -1 upward
};

struct Crossing {
  double x;
  int direction;
};

std::vector<Edge> EdgesOf(const std::vector<Contour>& contours) {
  std::vector<Edge> edges;
  for (const Contour& contour : contours) {
    for (std::size_t i = 0; i < contour.size(); ++i) {
      const Point& a = contour[i];
      const Point& b = contour[(i + 1) % contour.size()];
      if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) ||
          !std::isfinite(b.y) || a.y == b.y) {
        continue;
      }
      if (a.y < b.y) {
        edges.push_back({a.x, a.y, b.x, b.y, 1});
      } else {
        edges.push_back({b.x, b.y, a.x, a.y, -1});
      }
    }
  }
  return edges;
}

bool Inside(int winding, FillRule rule) {
  return rule == FillRule::kNonZero ? winding != 0 : (winding & 1) != 0;
}

// Adds weight × the covered length of [from, to) to each pixel of one row.
void AddSpan(std::vector<double>& coverage, double from, double to, double weight) {
  const double width = static_cast<double>(coverage.size());
  from = std::clamp(from, 0.0, width);
  to = std::clamp(to, 0.0, width);
  if (to <= from) return;
  const auto first = static_cast<std::size_t>(from);
  const auto last = std::min(static_cast<std::size_t>(to), coverage.size() - 1);
  for (std::size_t x = first; x <= last; ++x) {
    const double left = std::max(from, static_cast<double>(x));
    const double right = std::min(to, static_cast<double>(x) + 1);
    if (right > left) coverage[x] += weight * (right - left);
  }
}

// Adds weight to each pixel whose centre lies in [from, to).
void AddCentres(std::vector<double>& coverage, double from, double to, double weight) {
  const double first = std::max(0.0, std::ceil(from - 0.5));
  const double end = std::min(static_cast<double>(coverage.size()), std::ceil(to - 0.5));
  for (double x = first; x < end; x += 1) coverage[static_cast<std::size_t>(x)] += weight;
}

std::uint8_t Blend(std::uint8_t under, std::uint8_t over, double alpha) {
  const double value = under + (over - under) * alpha;
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bytes_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3, 255) {}

Rgb8 Canvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {255, 255, 255};
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                          static_cast<std::size_t>(x)) *
                         3;
  return {bytes_[at], bytes_[at + 1], bytes_[at + 2]};
}

void Canvas::Fill(const std::vector<Contour>& contours, FillRule rule, Rgb8 colour,
                  bool antialias) {
  if (width_ == 0 || height_ == 0) return;
  const std::vector<Edge> edges = EdgesOf(contours);
  if (edges.empty()) return;
  double top = edges.front().y0, bottom = edges.front().y1;
  for (const Edge& edge : edges) {
    top = std::min(top, edge.y0);
    bottom = std::max(bottom, edge.y1);
  }
  const int firstRow = std::max(0, static_cast<int>(std::floor(top)));
  const int endRow = std::min(height_, static_cast<int>(std::ceil(bottom)));
  const int subRows = antialias ? kSubRows : 1;
  const double weight = 1.0 / subRows;

  std::vector<double> coverage(static_cast<std::size_t>(width_));
  std::vector<Crossing> crossings;
  for (int row = firstRow; row < endRow; ++row) {
    std::fill(coverage.begin(), coverage.end(), 0.0);
    bool touched = false;
    for (int sub = 0; sub < subRows; ++sub) {
      const double y = row + (sub + 0.5) * weight;
      crossings.clear();
      for (const Edge& edge : edges) {
        if (y < edge.y0 || y >= edge.y1) continue;
        const double t = (y - edge.y0) / (edge.y1 - edge.y0);
        crossings.push_back({edge.x0 + t * (edge.x1 - edge.x0), edge.direction});
      }
      if (crossings.empty()) continue;
      std::sort(crossings.begin(), crossings.end(),
                [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
      int winding = 0;
      for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].direction;
        if (!Inside(winding, rule)) continue;
        touched = true;
        if (antialias) {
          AddSpan(coverage, crossings[i].x, crossings[i + 1].x, weight);
        } else {
          AddCentres(coverage, crossings[i].x, crossings[i + 1].x, weight);
        }
      }
    }
    if (!touched) continue;
    std::uint8_t* pixel =
        bytes_.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) * 3;
    for (std::size_t x = 0; x < coverage.size(); ++x, pixel += 3) {
      const double alpha = std::min(coverage[x], 1.0);
      if (alpha <= 0) continue;
      pixel[0] = Blend(pixel[0], colour.red, alpha);
      pixel[1] = Blend(pixel[1], colour.green, alpha);
      pixel[2] = Blend(pixel[2], colour.blue, alpha);
    }
  }
}

}  // namespace host::render
