// Opening and splitting paths through the host's suites.
#include <array>
#include <cmath>
#include <random>

#include "tests/tools/ScissorsFixture.h"
#include "tools/PathSplitting.h"

namespace scissors_test {
namespace {

constexpr char kSquare[] = "0,0 10,0 10,10 0,10 z";
constexpr char kFive[] = "0,0 10,0 20,0 30,0 40,0";

using PathSplitting = ScissorsTest;

TEST_F(PathSplitting, OpensAClosedSquareAtAnAnchorStartingAndEndingThere) {
  PathSegmentBuffer buffer;
  const AIArtHandle atTwo = AddPath("at-two", kSquare);
  const AIArtHandle atZero = AddPath("at-zero", kSquare);
  EXPECT_EQ(OpenClosedPathAtAnchor(buffer, atTwo, 2), kNoErr);
  EXPECT_EQ(OpenClosedPathAtAnchor(buffer, atZero, 0), kNoErr);
  EXPECT_EQ(PathOf(atTwo), "10,10 0,10 0,0 10,0 10,10");
  EXPECT_EQ(PathOf(atZero), "0,0 10,0 10,10 0,10 0,0");
  EXPECT_EQ(Doc().ArtCount(), 2u);
}

TEST_F(PathSplitting, OpensAClosedSquareOnItsClosingCurveWithTheNewAnchorFirstAndLast) {
  PathSegmentBuffer buffer;
  const AIArtHandle square = AddPath("square", kSquare);
  EXPECT_EQ(OpenClosedPathOnCurve(buffer, square, 0, 0.5), kNoErr);
  EXPECT_EQ(PathOf(square), "~0,5[0,7.5|0,2.5] 0,0 10,0 10,10 0,10 ~0,5[0,7.5|0,2.5]");
}

TEST_F(PathSplitting, OpensAClosedPathOnAnInnerCurve) {
  PathSegmentBuffer buffer;
  const AIArtHandle square = AddPath("square", kSquare);
  EXPECT_EQ(OpenClosedPathOnCurve(buffer, square, 2, 0.25), kNoErr);
  // Handles on their anchors: t = 0.25 lies at 0.15625 of the way along the side.
  EXPECT_EQ(PathOf(square),
            "~10,1.5625[10,0.625|10,4.375] 10,10 0,10 0,0 10,0 ~10,1.5625[10,0.625|10,4.375]");
}

TEST_F(PathSplitting, SplitsAnOpenPathAtAnInnerAnchorWithThePieceDirectlyAbove) {
  const AIArtHandle path = AddPath("road", kFive);
  AddPath("above", "0,50 40,50");  // the piece goes between the path and this
  AIArtHandle piece = nullptr;
  EXPECT_EQ(SplitOpenPathAtAnchor(path, 2, &piece), kNoErr);
  ASSERT_NE(piece, nullptr);
  EXPECT_EQ(PathOf(path), "0,0 10,0 20,0");
  EXPECT_EQ(PathOf(piece), "20,0 30,0 40,0");
  EXPECT_EQ(ArtOf(piece).behind(), &ArtOf(path));
  EXPECT_EQ(ArtOf(piece).inFront()->id(), "above");
}

TEST_F(PathSplitting, RefusesEndAnchorsOfOpenPathsAndChangesNothing) {
  const AIArtHandle path = AddPath("road", kFive);
  for (std::int16_t end : {std::int16_t{0}, std::int16_t{4}}) {
    AIArtHandle piece = nullptr;
    EXPECT_EQ(SplitOpenPathAtAnchor(path, end, &piece), kCutAtEndpointErr) << end;
    EXPECT_EQ(piece, nullptr);
  }
  EXPECT_EQ(PathOf(path), kFive);
  EXPECT_EQ(Doc().ArtCount(), 1u);
}

TEST_F(PathSplitting, RefusesParametersOffTheCurveBeforeAskingTheHost) {
  PathSegmentBuffer buffer;
  const AIArtHandle square = AddPath("square", kSquare);
  const AIArtHandle road = AddPath("road", kFive);
  for (AIReal t : {-0.5, 1.5, std::nan(""), HUGE_VAL, -HUGE_VAL}) {
    SCOPED_TRACE(t);
    AIArtHandle piece = nullptr;
    EXPECT_EQ(OpenClosedPathOnCurve(buffer, square, 1, t), kBadParameterErr);
    EXPECT_EQ(SplitOpenPathOnCurve(road, 2, t, &piece), kBadParameterErr);
    EXPECT_EQ(piece, nullptr);
  }
  EXPECT_EQ(PathOf(square), kSquare);
  EXPECT_EQ(PathOf(road), kFive);
  // The ends of the curve are on it. TearDown checks that the host saw no misuse.
  EXPECT_EQ(OpenClosedPathOnCurve(buffer, square, 1, 1.0), kNoErr);
}

TEST_F(PathSplitting, CutsAStraightSegmentWithASmoothAnchorOnTheLine) {
  const AIArtHandle path = AddPath("road", "0,0 10,0 10,20");
  AIArtHandle piece = nullptr;
  EXPECT_EQ(SplitOpenPathOnCurve(path, 2, 0.25, &piece), kNoErr);
  ASSERT_NE(piece, nullptr);
  // The new anchor is smooth and on the line, with its handles along it.
  EXPECT_EQ(PathOf(path), "0,0 10,0 ~10,3.125[10,1.25|10,8.75]");
  EXPECT_EQ(PathOf(piece), "~10,3.125[10,1.25|10,8.75] 10,20");
}

TEST_F(PathSplitting, LeavesPathsOfNoAnchorOrOneAnchorAsTheyAre) {
  PathSegmentBuffer buffer;
  for (const char* text : {"", "5,5", "5,5 z"}) {
    const AIArtHandle path = AddPath(std::string("p") + std::to_string(Doc().ArtCount()), text);
    AIArtHandle piece = nullptr;
    EXPECT_EQ(OpenClosedPathAtAnchor(buffer, path, 0), kNoErr);
    EXPECT_EQ(OpenClosedPathOnCurve(buffer, path, 0, 0.5), kNoErr);
    EXPECT_EQ(SplitOpenPathAtAnchor(path, 0, &piece), kNoErr);
    EXPECT_EQ(SplitOpenPathOnCurve(path, 1, 0.5, &piece), kNoErr);
    EXPECT_EQ(piece, nullptr);
    EXPECT_EQ(PathOf(path), text);
  }
  EXPECT_EQ(Doc().ArtCount(), 3u);
}

std::string Polyline(int anchors, bool closed) {
  std::string text;
  for (int i = 0; i < anchors; ++i) text += std::to_string(i) + "," + std::to_string(i % 2) + " ";
  return closed ? text + "z" : text;
}

TEST_F(PathSplitting, RefusesCutsThatWouldPassTheLongestPathBeforeChangingIt) {
  PathSegmentBuffer buffer;
  const std::string full = Polyline(kMaxPathSegments, true);
  const AIArtHandle closedFull = AddPath("closed-full", full);
  const AIArtHandle closedOneShort =
      AddPath("closed-one-short", Polyline(kMaxPathSegments - 1, true));
  const AIArtHandle openFull = AddPath("open-full", Polyline(kMaxPathSegments, false));
  AIArtHandle piece = nullptr;

  EXPECT_EQ(OpenClosedPathAtAnchor(buffer, closedFull, 7), kPathTooLongErr);
  EXPECT_EQ(OpenClosedPathOnCurve(buffer, closedFull, 7, 0.5), kPathTooLongErr);
  EXPECT_EQ(DescribePath(ArtOf(closedFull).path()), DescribePath(ParsePath(full)));
  // One anchor short: opening at an anchor fills the path exactly; a new anchor would not fit.
  EXPECT_EQ(OpenClosedPathOnCurve(buffer, closedOneShort, 3, 0.5), kPathTooLongErr);
  EXPECT_EQ(ArtOf(closedOneShort).path().segments.size(), std::size_t{kMaxPathSegments - 1});
  EXPECT_EQ(OpenClosedPathAtAnchor(buffer, closedOneShort, 3), kNoErr);
  EXPECT_EQ(ArtOf(closedOneShort).path().segments.size(), std::size_t{kMaxPathSegments});
  EXPECT_FALSE(ArtOf(closedOneShort).path().closed);
  // A full open path splits at an anchor (no anchor is added) but not on a curve.
  EXPECT_EQ(SplitOpenPathOnCurve(openFull, 5, 0.5, &piece), kPathTooLongErr);
  EXPECT_EQ(piece, nullptr);
  EXPECT_EQ(SplitOpenPathAtAnchor(openFull, 5, &piece), kNoErr);
  ASSERT_NE(piece, nullptr);
  EXPECT_EQ(ArtOf(piece).path().segments.size(), std::size_t{kMaxPathSegments - 5});
}

// The curves of a path in travel order, from anchor 0.
std::vector<std::array<AIRealPoint, 4>> Curves(const host::PathGeometry& path) {
  std::vector<std::array<AIRealPoint, 4>> curves;
  const auto& s = path.segments;
  for (std::size_t i = 1; i <= s.size() && s.size() > 1; ++i) {
    if (i == s.size() && !path.closed) break;
    const host::Segment& from = s[i - 1];
    const host::Segment& to = s[i % s.size()];
    curves.push_back({from.p, from.out, to.in, to.p});
  }
  return curves;
}

AIRealPoint Evaluate(const std::array<AIRealPoint, 4>& c, AIReal t) {
  const AIReal u = 1 - t;
  return {
      u * u * u * c[0].h + 3 * u * u * t * c[1].h + 3 * u * t * t * c[2].h + t * t * t * c[3].h,
      u * u * u * c[0].v + 3 * u * u * t * c[1].v + 3 * u * t * t * c[2].v + t * t * t * c[3].v};
}

// Where a curve of the cut geometry lies on the old path: old curve (in travel order) and the
// stretch of its parameter that it covers.
struct Stretch {
  std::size_t curve;
  AIReal from;
  AIReal to;
};

// The stretches of the cut geometry, in its travel order, for a cut at travel curve at (t) or,
// when onCurve is false, at the anchor that starts travel curve at.
std::vector<Stretch> ExpectedStretches(std::size_t curves, bool closed, bool onCurve,
                                       std::size_t at, AIReal t) {
  std::vector<Stretch> stretches;
  if (!closed) {
    for (std::size_t i = 0; i < curves; ++i) {
      if (onCurve && i == at) {
        stretches.push_back({i, 0, t});
        stretches.push_back({i, t, 1});
      } else {
        stretches.push_back({i, 0, 1});
      }
    }
    return stretches;
  }
  if (onCurve) stretches.push_back({at, t, 1});
  for (std::size_t k = onCurve ? 1 : 0; k < curves; ++k)
    stretches.push_back({(at + k) % curves, 0, 1});
  if (onCurve) stretches.push_back({at, 0, t});
  return stretches;
}

TEST_F(PathSplitting, PiecesTogetherTraceTheOldPathForRandomCubicPaths) {
  std::mt19937 random(20240607);
  std::uniform_real_distribution<AIReal> coordinate(-100, 100);
  std::uniform_real_distribution<AIReal> parameter(0.05, 0.95);
  PathSegmentBuffer buffer;
  for (int round = 0; round < 60; ++round) {
    const bool closed = round % 2 == 0;
    const int anchors = 2 + static_cast<int>(random() % 7);
    host::PathGeometry old;
    old.closed = closed;
    for (int i = 0; i < anchors; ++i) {
      host::Segment segment;
      segment.p = {coordinate(random), coordinate(random)};
      segment.in = {coordinate(random), coordinate(random)};
      segment.out = {coordinate(random), coordinate(random)};
      segment.corner = random() % 2 == 0;
      old.segments.push_back(segment);
    }
    const std::string id = "r" + std::to_string(round);
    host::Art& art = Doc().NewArt(kPathArt, kPlaceInsideOnTop, layer_->group(), id);
    art.path() = old;
    const bool onCurve = random() % 3 != 0;
    const int curves = closed ? anchors : anchors - 1;
    const auto place =
        static_cast<std::int16_t>(onCurve ? (closed ? random() % curves : 1 + random() % curves)
                                          : 1 + random() % (anchors - 2 > 0 ? anchors - 2 : 1));
    const AIReal t = parameter(random);
    SCOPED_TRACE("round " + std::to_string(round) + ": " + DescribePath(old) +
                 (onCurve ? " curve " : " anchor ") + std::to_string(place) + " t " +
                 std::to_string(t));

    AIArtHandle piece = nullptr;
    ASErr error = kNoErr;
    if (closed) {
      error = onCurve ? OpenClosedPathOnCurve(buffer, art.handle(), place, t)
                      : OpenClosedPathAtAnchor(buffer, art.handle(), place);
    } else {
      error = onCurve ? SplitOpenPathOnCurve(art.handle(), place, t, &piece)
                      : SplitOpenPathAtAnchor(art.handle(), place, &piece);
    }
    if (!closed && !onCurve && (place == 0 || place == anchors - 1)) {
      EXPECT_EQ(error, kCutAtEndpointErr);
      continue;
    }
    ASSERT_EQ(error, kNoErr);
    const host::PathGeometry& cut = ArtOf(art.handle()).path();
    EXPECT_FALSE(cut.closed);
    auto now = Curves(cut);
    if (closed) {
      EXPECT_EQ(DescribePath({{cut.segments.front()}, false}),
                DescribePath({{cut.segments.back()}, false}));
      EXPECT_EQ(cut.segments.size(), std::size_t(anchors + (onCurve ? 2 : 1)));
    } else {
      ASSERT_NE(piece, nullptr);
      const host::PathGeometry& rest = ArtOf(piece).path();
      EXPECT_EQ(DescribePath({{cut.segments.back()}, false}),
                DescribePath({{rest.segments.front()}, false}));
      EXPECT_EQ(cut.segments.size() + rest.segments.size(),
                std::size_t(anchors + (onCurve ? 2 : 1)));
      for (const auto& curve : Curves(rest)) now.push_back(curve);
    }
    // Split, then evaluate, equals evaluate the old path.
    const auto before = Curves(old);
    const std::size_t travel = onCurve ? (place == 0 ? before.size() - 1 : place - 1) : place;
    const auto stretches = ExpectedStretches(before.size(), closed, onCurve, travel, t);
    ASSERT_EQ(now.size(), stretches.size());
    for (std::size_t j = 0; j < now.size(); ++j) {
      const Stretch& stretch = stretches[j];
      for (int i = 0; i <= 16; ++i) {
        const AIReal v = i / 16.0;
        const AIRealPoint got = Evaluate(now[j], v);
        const AIRealPoint want =
            Evaluate(before[stretch.curve], stretch.from + (stretch.to - stretch.from) * v);
        EXPECT_NEAR(got.h, want.h, 1e-9) << "curve " << j << " at " << v;
        EXPECT_NEAR(got.v, want.v, 1e-9) << "curve " << j << " at " << v;
      }
    }
  }
}

}  // namespace
}  // namespace scissors_test
