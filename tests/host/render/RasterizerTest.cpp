// The host's rasteriser, checked on real pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "host/render/Canvas.h"
#include "host/render/Outline.h"

using namespace host::render;

namespace {

constexpr Rgb8 kWhite{255, 255, 255};
constexpr Rgb8 kBlack{0, 0, 0};
constexpr Rgb8 kRed{255, 0, 0};

Contour Rect(double left, double top, double right, double bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

// One character per pixel of a row: '#' the colour, '.' white, '+' anything between.
std::string Row(const Canvas& canvas, int y) {
  std::string row;
  for (int x = 0; x < canvas.Width(); ++x) {
    const Rgb8 p = canvas.Pixel(x, y);
    row += p == kWhite ? '.' : (p == kBlack || p == kRed) ? '#' : '+';
  }
  return row;
}

void Stroke(Canvas& canvas, const Polyline& line, const StrokeStyle& style) {
  canvas.Fill(StrokeOutline(line, style), FillRule::kNonZero, kBlack, true);
}

}  // namespace

TEST(Canvas, FillsWholePixelsExactlyAndLeavesTheRestWhite) {
  for (bool antialias : {false, true}) {
    Canvas canvas(6, 4);
    canvas.Fill({Rect(1, 1, 4, 3)}, FillRule::kNonZero, kRed, antialias);
    EXPECT_EQ(Row(canvas, 0), "......");
    EXPECT_EQ(Row(canvas, 1), ".###..");
    EXPECT_EQ(Row(canvas, 2), ".###..");
    EXPECT_EQ(Row(canvas, 3), "......");
    EXPECT_EQ(canvas.Bytes().size(), 6u * 4 * 3);
  }
}

TEST(Canvas, AntialiasingGivesEdgePixelsTheirCoveredShare) {
  Canvas smooth(4, 1);
  smooth.Fill({Rect(0, 0, 2.5, 1)}, FillRule::kNonZero, kBlack, true);
  EXPECT_EQ(smooth.Pixel(2, 0), (Rgb8{128, 128, 128}));  // half covered: 255 / 2 rounded
  EXPECT_EQ(smooth.Pixel(3, 0), kWhite);
  // A quarter of a pixel: a triangle over half of it, cut at the middle row.
  Canvas corner(1, 1);
  corner.Fill({{{0, 0}, {1, 0}, {0, 1}}}, FillRule::kNonZero, kBlack, true);
  EXPECT_NEAR(corner.Pixel(0, 0).red, 128, 2);
  // Without anti-aliasing a pixel is either painted or not, by its centre.
  Canvas hard(4, 1);
  hard.Fill({Rect(0, 0, 2.4, 1)}, FillRule::kNonZero, kBlack, false);
  EXPECT_EQ(Row(hard, 0), "##..");
}

TEST(Canvas, FillRulesDecideNestedContours) {
  const std::vector<Contour> nested = {Rect(0, 0, 5, 5), Rect(1, 1, 4, 4)};  // same direction
  Canvas nonZero(5, 5), evenOdd(5, 5);
  nonZero.Fill(nested, FillRule::kNonZero, kBlack, true);
  evenOdd.Fill(nested, FillRule::kEvenOdd, kBlack, true);
  EXPECT_EQ(Row(nonZero, 2), "#####");
  EXPECT_EQ(Row(evenOdd, 2), "#...#");
  EXPECT_EQ(Row(evenOdd, 0), "#####");
}

TEST(Canvas, IgnoresWhatLiesOutsideAndPointsThatAreNotNumbers) {
  Canvas canvas(3, 3);
  canvas.Fill({Rect(-10, -10, 1, 20), {{NAN, 0}, {2, 2}, {0, 2}}}, FillRule::kNonZero, kBlack,
              true);
  EXPECT_EQ(Row(canvas, 1), "#..");
  EXPECT_EQ(canvas.Pixel(-1, 0), kWhite);
}

TEST(Stroke, WidthAndCapsOfAHorizontalLine) {
  const Polyline line{{{3, 4}, {9, 4}}, false};
  StrokeStyle style;
  style.width = 4;
  Canvas butt(12, 8);
  Stroke(butt, line, style);
  EXPECT_EQ(Row(butt, 1), "............");
  for (int y = 2; y < 6; ++y) EXPECT_EQ(Row(butt, y), "...######...") << y;
  EXPECT_EQ(Row(butt, 6), "............");

  style.cap = Cap::kSquare;
  Canvas square(12, 8);
  Stroke(square, line, style);
  EXPECT_EQ(Row(square, 2), ".##########.");

  style.cap = Cap::kRound;
  Canvas round(12, 8);
  Stroke(round, line, style);
  EXPECT_EQ(Row(round, 4), ".+########+.");  // the caps' tips cover part of the end pixels
  EXPECT_EQ(Row(round, 2), ".++######++.");  // the corners of a square cap are cut away
}

TEST(Stroke, JoinsAtARightAngle) {
  // Down from (2, 12) to (2, 4), then right to (10, 4): the outer corner is up and to the left.
  const Polyline corner{{{2, 12}, {2, 4}, {10, 4}}, false};
  StrokeStyle style;
  style.width = 4;
  auto joined = [&](Join join) {
    style.join = join;
    Canvas canvas(14, 14);
    Stroke(canvas, corner, style);
    EXPECT_EQ(canvas.Pixel(3, 3), kBlack);  // inside both segments' bands
    return canvas;
  };
  // The outer corner pixel: filled by a miter, partly by a round join, not by a bevel, whose
  // diagonal halves the pixel beside it.
  EXPECT_EQ(joined(Join::kMiter).Pixel(0, 2), kBlack);
  const Rgb8 round = joined(Join::kRound).Pixel(0, 2);
  EXPECT_TRUE(round.red > 0 && round.red < 255) << int{round.red};
  const Canvas bevel = joined(Join::kBevel);
  EXPECT_EQ(bevel.Pixel(0, 2), kWhite);
  EXPECT_NEAR(bevel.Pixel(0, 3).red, 128, 2);
  // A sharp turn whose miter would pass the limit is bevelled.
  style.join = Join::kMiter;
  style.miterLimit = 1.2;
  Canvas limited(14, 14);
  Stroke(limited, corner, style);
  EXPECT_NE(limited.Pixel(0, 2), kBlack);
}

TEST(Stroke, DashesAlternateFromTheOffset) {
  const Polyline line{{{0, 2}, {16, 2}}, false};
  StrokeStyle style;
  style.width = 2;
  style.dashes = {3, 1};
  Canvas canvas(16, 4);
  Stroke(canvas, line, style);
  EXPECT_EQ(Row(canvas, 1), "###.###.###.###.");
  style.dashOffset = 2;
  Canvas shifted(16, 4);
  Stroke(shifted, line, style);
  EXPECT_EQ(Row(shifted, 1), "#.###.###.###.##");
  // An odd count is used twice over: 2 on, 1 off, 2 on, ... ; a negative length is solid.
  style.dashOffset = 0;
  style.dashes = {2, 1, 1};
  Canvas odd(16, 4);
  Stroke(odd, line, style);
  EXPECT_EQ(Row(odd, 1), "##.#..#.##.#..#.");
  style.dashes = {2, -1};
  Canvas solid(16, 4);
  Stroke(solid, line, style);
  EXPECT_EQ(Row(solid, 1), "################");
}

TEST(Stroke, ZeroLengthDashesWithRoundCapsAreDots) {
  StrokeStyle style;
  style.width = 2;
  style.cap = Cap::kRound;
  style.dashes = {0, 6};
  Canvas canvas(16, 4);
  Stroke(canvas, {{{2, 2}, {15, 2}}, false}, style);
  EXPECT_NE(canvas.Pixel(2, 1), kWhite);
  EXPECT_EQ(canvas.Pixel(5, 1), kWhite);
  EXPECT_NE(canvas.Pixel(8, 1), kWhite);
  style.cap = Cap::kButt;
  Canvas none(16, 4);
  Stroke(none, {{{2, 2}, {15, 2}}, false}, style);
  EXPECT_EQ(Row(none, 1), "................");
}

TEST(Stroke, ClosedOutlinesHaveNoCapsAndZeroWidthPaintsNothing) {
  StrokeStyle style;
  style.width = 2;
  style.cap = Cap::kSquare;
  Canvas canvas(10, 10);
  Stroke(canvas, {{{2, 2}, {8, 2}, {8, 8}, {2, 8}}, true}, style);
  EXPECT_EQ(Row(canvas, 5), ".##....##.");
  EXPECT_EQ(canvas.Pixel(0, 2), kWhite);  // no square cap sticking out at the start
  style.width = 0;
  EXPECT_TRUE(StrokeOutline({{{0, 0}, {5, 5}}, false}, style).empty());
}

TEST(Flattening, StaysWithinTheToleranceOfTheCurve) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coordinate(-200, 200);
  for (int trial = 0; trial < 50; ++trial) {
    Point p[4];
    for (Point& point : p) point = {coordinate(random), coordinate(random)};
    std::vector<Point> points{p[0]};
    AppendCubic(points, p[0], p[1], p[2], p[3], 0.1);
    ASSERT_EQ(points.back().x, p[3].x);
    // Every point of the curve lies within the tolerance of the polyline.
    for (int i = 0; i <= 200; ++i) {
      const double t = i / 200.0, u = 1 - t;
      const Point c{
          u * u * u * p[0].x + 3 * u * u * t * p[1].x + 3 * u * t * t * p[2].x + t * t * t * p[3].x,
          u * u * u * p[0].y + 3 * u * u * t * p[1].y + 3 * u * t * t * p[2].y +
              t * t * t * p[3].y};
      double nearest = 1e9;
      for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        const Point a = points[k], b = points[k + 1];
        const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        const double s =
            len2 > 0 ? std::clamp(((c.x - a.x) * dx + (c.y - a.y) * dy) / len2, 0.0, 1.0) : 0;
        nearest = std::min(nearest, std::hypot(a.x + s * dx - c.x, a.y + s * dy - c.y));
      }
      ASSERT_LE(nearest, 0.1 + 1e-9) << "trial " << trial << " t " << t;
    }
  }
  std::vector<Point> straight{{0, 0}};
  AppendCubic(straight, {0, 0}, {0, 0}, {10, 0}, {10, 0}, 0.1);
  EXPECT_EQ(straight.size(), 2u);  // handles on the anchors: one line
}
