// The hit test, view, snapping and Bezier suites over the host's document.
#include <random>

#include "host/document/Colors.h"
#include "host/suites/HitGeometry.h"
#include "host/suites/ToolSuites.h"
#include "tests/host/suites/SuiteFixture.h"

namespace {

class HitTestSuiteTest : public SuiteTest {
 protected:
  struct Result {
    std::string id;  // empty: no hit
    std::int32_t type = -1;
    std::int16_t segment = 0;
    AIReal t = 0;
  };
  Result Hit(AIReal h, AIReal v, AIArtHandle within = nullptr) {
    AIHitRef ref = nullptr;
    const AIRealPoint point{h, v};
    EXPECT_EQ(hits_.HitTest(within, &point, kAllHitRequest, &ref), kNoErr);
    Result result;
    if (hits_.IsHit(ref)) {
      result.id = doc().FindArt(hits_.GetHitArt(ref))->id();
      result.type = hits_.GetHitType(ref);
      result.segment = hits_.GetHitSegment(ref);
      result.t = hits_.GetHitParameter(ref);
    }
    EXPECT_EQ(hits_.Release(ref), kNoErr);
    return result;
  }

  const AIHitTestSuite& hits_ = *host::suites::HitTestSuite();
};

TEST_F(HitTestSuiteTest, FindsAnchorsBeforeCurvesOnTheFrontMostVisibleUnlockedArt) {
  // "a" (stroke 4) lies in front of its copy "a2" in the layer below; "square" is unfilled.
  Result anchor = Hit(10.5, 0.5);
  EXPECT_EQ(anchor.id, "a");
  EXPECT_EQ(anchor.type, kAnchorHitType);
  EXPECT_EQ(anchor.segment, 1);
  Result curve = Hit(5, 1);
  EXPECT_EQ(curve.id, "a");
  EXPECT_EQ(curve.type, kCurveHitType);
  EXPECT_EQ(curve.segment, 1);
  EXPECT_NEAR(curve.t, 0.5, 1e-6);  // handles on anchors: x = 5 at t = 0.5 by symmetry

  // Hidden and locked art is passed over; the square's closing curve is curve 0.
  doc().SetUserAttributes(*doc().FindArt("a"), kArtHidden, kArtHidden);
  EXPECT_EQ(Hit(5, 1).id, "a2");
  doc().SetUserAttributes(*doc().FindArt("a2"), kArtLocked, kArtLocked);
  Result closing = Hit(0.5, 5);
  EXPECT_EQ(closing.id, "square");
  EXPECT_EQ(closing.type, kCurveHitType);
  EXPECT_EQ(closing.segment, 0);
  EXPECT_EQ(Hit(5, 5).id, "");  // inside, but the square has no fill
  EXPECT_EQ(Violations(), 0);
}

TEST_F(HitTestSuiteTest, ToleranceIsThreePointsAtTheViewsZoom) {
  EXPECT_EQ(Hit(5, 15).id, "");  // halfway between "b" and "c", unstroked, 5 away
  EXPECT_EQ(Hit(5, 12.9).id, "b");
  doc().view().zoom = 4;
  EXPECT_EQ(Hit(5, 12.9).id, "");
  EXPECT_EQ(Hit(5, 10.7).id, "b");
}

TEST_F(HitTestSuiteTest, ReleasingTwiceOrUsingAReleasedReferenceIsAViolation) {
  AIHitRef ref = nullptr;
  const AIRealPoint point{10, 0};
  ASSERT_EQ(hits_.HitTest(nullptr, &point, kAllHitRequest, &ref), kNoErr);
  EXPECT_EQ(host_.documents().hits.Count(), 1u);
  EXPECT_EQ(hits_.Release(ref), kNoErr);
  EXPECT_EQ(hits_.Release(ref), kStaleHandleErr);
  EXPECT_EQ(hits_.GetHitArt(ref), nullptr);
  EXPECT_EQ(Violations(), 2);
  EXPECT_EQ(hits_.HitTest(nullptr, &point, 3, &ref), kBadParameterErr);
}

// What a plain scan of the document answers: the first art in paint order that the point hits.
std::string ScanHit(host::Document& document, AIRealPoint point, AIReal tolerance) {
  std::string found;
  document.ForEachArt([&](host::Art& art) {
    if (!found.empty() || art.IsContainer() || !document.IsArtVisible(art) ||
        !document.IsArtEditable(art)) {
      return;
    }
    host::ArtHit where;
    if (host::HitArt(art, point, tolerance, &where)) found = art.id();
  });
  return found;
}

TEST_F(HitTestSuiteTest, TheIndexAnswersLikeAPlainScanThroughEditsOfEveryKind) {
  // Paths of up to 30 curved anchors: walks, whose curves are short, and paths crossing the
  // area, whose curves the index cuts into pieces; some with wide strokes, some filled, some a
  // lone anchor.
  std::mt19937 random(77);
  std::uniform_real_distribution<AIReal> coordinate(0, 1000);
  std::uniform_real_distribution<AIReal> step(-40, 40);
  AIRealPoint walk{500, 500};
  bool crossing = false;
  auto anchor = [&] {
    walk = crossing ? AIRealPoint{coordinate(random), coordinate(random)}
                    : AIRealPoint{std::clamp(walk.h + 3 * step(random), 0.0, 1000.0),
                                  std::clamp(walk.v + 3 * step(random), 0.0, 1000.0)};
    AIPathSegment segment{walk, {}, {}, false};
    segment.in = {segment.p.h + step(random), segment.p.v + step(random)};
    segment.out = {2 * segment.p.h - segment.in.h, 2 * segment.p.v - segment.in.v};
    return segment;
  };
  std::vector<AIArtHandle> made;
  AIRealPoint held{500, 500};
  for (int edits = 0; edits < 800; ++edits) {
    const int edit = static_cast<int>(random() % 7);
    if (edit == 0 || made.empty()) {
      AIArtHandle art = nullptr;
      ASSERT_EQ(art_.NewArt(kPathArt, kPlaceAbove, nullptr, &art), kNoErr);
      crossing = random() % 3 == 0;
      std::vector<AIPathSegment> segments(random() % 8 == 0 ? 1 : 2 + random() % 29);
      walk = {coordinate(random), coordinate(random)};
      for (AIPathSegment& segment : segments) segment = anchor();
      ASSERT_EQ(paths_.SetPathSegments(art, 0, static_cast<std::int16_t>(segments.size()),
                                       segments.data()),
                kNoErr);
      ASSERT_EQ(paths_.SetPathClosed(art, random() % 3 == 0), kNoErr);
      made.push_back(art);
    } else {
      const std::size_t pick = random() % made.size();
      const AIArtHandle art = made[pick];
      if (edit == 1) {
        const AIPathSegment moved = anchor();
        ASSERT_EQ(paths_.SetPathSegments(art, 0, 1, &moved), kNoErr);
      } else if (edit == 2) {
        ASSERT_EQ(art_.DisposeArt(art), kNoErr);
        made.erase(made.begin() + static_cast<long>(pick));
      } else if (edit == 3) {
        AIArtHandle copy = nullptr;
        ASSERT_EQ(art_.DuplicateArt(art, kPlaceAbove, art, &copy), kNoErr);
        made.push_back(copy);
        // Half the time split as the scissors do, the copy keeping the curves after anchor k:
        // the index passes those curves' entries from the path to the copy.
        std::int16_t n = 0;
        ASSERT_EQ(paths_.GetPathSegmentCount(art, &n), kNoErr);
        if (n > 2 && random() % 2 == 0) {
          const auto k = static_cast<std::int16_t>(1 + random() % (n - 2));
          ASSERT_EQ(paths_.DeletePathSegments(copy, 0, k), kNoErr);
          ASSERT_EQ(paths_.DeletePathSegments(art, static_cast<std::int16_t>(k + 1),
                                              static_cast<std::int16_t>(n - k - 1)),
                    kNoErr);
        }
      } else if (edit == 4) {
        ASSERT_EQ(art_.SetArtUserAttr(art, kArtHidden, random() % 2 ? kArtHidden : 0), kNoErr);
      } else if (edit == 5) {
        // The art hit at the last point, or another, moved in paint order: the index's last
        // answer there must not keep the old order.
        host::Art* moved = doc().FindArt(ScanHit(doc(), held, 3));
        if (moved == nullptr) moved = doc().FindArt(art);
        host::Art& other = *doc().FindArt(made[random() % made.size()]);
        if (&other != moved) doc().MoveArt(*moved, random() % 2 ? kPlaceAbove : kPlaceBelow, other);
      } else {
        AIPathStyle style{};
        style.fillPaint = random() % 4 == 0;
        style.fill.color = host::GrayColor(0.5);
        style.strokePaint = true;
        style.stroke = host::DefaultStroke();
        style.stroke.color = host::GrayColor(0);
        style.stroke.width = static_cast<AIReal>(random() % 30);
        ASSERT_EQ(host::suites::PathStyleSuite()->SetPathStyle(art, &style), kNoErr);
      }
    }
    // Half the time the last point again, as the scissors ask while they cut and hide: the index
    // answers such a query from its last answer and the edits since.
    if (random() % 2 == 0) {
      ASSERT_EQ(Hit(held.h, held.v).id, ScanHit(doc(), held, 3)) << "edit " << edits;
      continue;
    }
    const AIRealPoint point{coordinate(random), coordinate(random)};
    held = point;
    ASSERT_EQ(Hit(point.h, point.v).id, ScanHit(doc(), point, 3)) << "edit " << edits;
    // A point on or near a curve of some path (the closing curve too), where only that path's
    // own pieces can make it a candidate; near the reach of its stroke now and then.
    if (made.empty()) continue;
    const auto& segments = doc().FindArt(made[random() % made.size()])->path().segments;
    const std::size_t from = random() % segments.size(), to = (from + 1) % segments.size();
    const AIReal t = std::uniform_real_distribution<AIReal>(0, 1)(random), u = 1 - t;
    auto at = [&](AIReal a, AIReal b, AIReal c, AIReal d) {
      return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
    };
    const auto &first = segments[from], &second = segments[to];
    const AIReal off = std::uniform_real_distribution<AIReal>(-12, 12)(random);
    const AIRealPoint near{at(first.p.h, first.out.h, second.in.h, second.p.h) + off,
                           at(first.p.v, first.out.v, second.in.v, second.p.v) - off};
    held = near;
    ASSERT_EQ(Hit(near.h, near.v).id, ScanHit(doc(), near, 3)) << "edit " << edits;
  }
  EXPECT_EQ(Violations(), 0);
}

TEST_F(HitTestSuiteTest, ALongPathIsFoundAlongItsWholeCourseAndOnlyThere) {
  // 19 anchors along y = 0, closed by a curve that bulges down to y = -450 at x = 450.
  std::vector<AIPathSegment> segments;
  for (int i = 0; i <= 18; ++i) {
    const AIRealPoint p{50.0 * i, 0};
    segments.push_back(AIPathSegment{p, p, p, true});
  }
  segments.front().in = {0, -600};
  segments.back().out = {900, -600};
  AIArtHandle art = nullptr;
  ASSERT_EQ(art_.NewArt(kPathArt, kPlaceAbove, nullptr, &art), kNoErr);
  ASSERT_EQ(paths_.SetPathSegments(art, 0, 19, segments.data()), kNoErr);
  ASSERT_EQ(paths_.SetPathClosed(art, true), kNoErr);
  const std::string id = doc().FindArt(art)->id();

  EXPECT_EQ(Hit(875, 1).id, id);  // the last run of curves
  const Result closing = Hit(450, -449);
  EXPECT_EQ(closing.id, id);
  EXPECT_EQ(closing.segment, 0);
  EXPECT_EQ(Hit(450, -200).id, "");  // inside its bounds, far from its course, not filled
  EXPECT_EQ(Violations(), 0);
}

TEST_F(HitTestSuiteTest, AClosedShapeOfTwoAnchorsIsHitOnItsClosingCurve) {
  // A "D": a straight side from (2000, 2000) up to (2000, 2100), closed by a curve bulging out
  // to x = 2045.
  const AIPathSegment d[2] = {{{2000, 2000}, {2060, 2000}, {2000, 2000}, true},
                              {{2000, 2100}, {2000, 2100}, {2060, 2100}, true}};
  AIArtHandle art = nullptr;
  ASSERT_EQ(art_.NewArt(kPathArt, kPlaceAbove, nullptr, &art), kNoErr);
  ASSERT_EQ(paths_.SetPathSegments(art, 0, 2, d), kNoErr);
  ASSERT_EQ(paths_.SetPathClosed(art, true), kNoErr);
  const Result closing = Hit(2045, 2050);
  EXPECT_EQ(closing.id, doc().FindArt(art)->id());
  EXPECT_EQ(closing.type, kCurveHitType);
  EXPECT_EQ(closing.segment, 0);
  EXPECT_EQ(Hit(2000, 2050).segment, 1);
  EXPECT_EQ(Violations(), 0);
}

// Asked again at the same point, the index takes back art changed since by its box grown by the
// tolerance: on every side, a path reshaped to pass just outside its box is still found.
TEST_F(HitTestSuiteTest, ArtReshapedNearARepeatedPointIsFoundOnEverySide) {
  AIArtHandle art = nullptr;
  ASSERT_EQ(art_.NewArt(kPathArt, kPlaceAbove, nullptr, &art), kNoErr);
  const AIRealPoint point{3000, 3000};
  // A horizontal path 2 below or above the point, a vertical one 2 left or right of it.
  const AIRealPoint ends[4][2] = {{{2900, 2998}, {3100, 2998}},
                                  {{2900, 3002}, {3100, 3002}},
                                  {{2998, 2900}, {2998, 3100}},
                                  {{3002, 2900}, {3002, 3100}}};
  for (const auto& [from, to] : ends) {
    const AIPathSegment away[2] = {{{0, 9000}, {0, 9000}, {0, 9000}, true},
                                   {{10, 9000}, {10, 9000}, {10, 9000}, true}};
    ASSERT_EQ(paths_.SetPathSegments(art, 0, 2, away), kNoErr);
    EXPECT_EQ(Hit(point.h, point.v).id, "");
    const AIPathSegment near[2] = {{from, from, from, true}, {to, to, to, true}};
    ASSERT_EQ(paths_.SetPathSegments(art, 0, 2, near), kNoErr);
    EXPECT_EQ(Hit(point.h, point.v).id, ScanHit(doc(), point, 3));
    EXPECT_EQ(Hit(point.h, point.v).id, doc().FindArt(art)->id());
  }
  EXPECT_EQ(Violations(), 0);
}

// A path reshaped back and forth leaves stale entries in the index with the very boxes of its
// stacked copy's live ones; clearing them away must take its own entries only.
TEST_F(HitTestSuiteTest, ClearingStaleEntriesLeavesAStackedCopysEntries) {
  const AIPathSegment road[2] = {{{4000, 4000}, {4000, 4000}, {4000, 4000}, true},
                                 {{4100, 4000}, {4100, 4000}, {4100, 4000}, true}};
  const AIPathSegment bent[2] = {{{4000, 4000}, {4000, 4000}, {4000, 4000}, true},
                                 {{4100, 4050}, {4100, 4050}, {4100, 4050}, true}};
  AIArtHandle back = nullptr, front = nullptr;
  ASSERT_EQ(art_.NewArt(kPathArt, kPlaceAbove, nullptr, &back), kNoErr);
  ASSERT_EQ(paths_.SetPathSegments(back, 0, 2, road), kNoErr);
  ASSERT_EQ(art_.DuplicateArt(back, kPlaceAbove, back, &front), kNoErr);
  for (int i = 0; i < 400; ++i) {
    ASSERT_EQ(paths_.SetPathSegments(back, 0, 2, bent), kNoErr);
    Hit(0, 9000);  // the index takes in the change
    ASSERT_EQ(paths_.SetPathSegments(back, 0, 2, road), kNoErr);
    Hit(0, 9000 + i + 1);
  }
  // The first question there clears the stale entries away; the next still finds the front copy.
  for (const AIReal h : {4050.0, 4051.0, 4052.0}) {
    EXPECT_EQ(Hit(h, 4000).id, ScanHit(doc(), {h, 4000}, 3));
    EXPECT_EQ(Hit(h, 4000).id, doc().FindArt(front)->id());
  }
  EXPECT_EQ(Violations(), 0);
}

// The front-most art wins across containers: art beside a group lies in front of or behind all
// of the group's members, as paint order has it.
TEST_F(HitTestSuiteTest, TheFrontMostArtIsFoundAcrossGroups) {
  const AIPathSegment road[2] = {{{5000, 5000}, {5000, 5000}, {5000, 5000}, true},
                                 {{5100, 5000}, {5100, 5000}, {5100, 5000}, true}};
  AIArtHandle group = nullptr, inside = nullptr, beneath = nullptr, beside = nullptr;
  ASSERT_EQ(art_.NewArt(kGroupArt, kPlaceAbove, nullptr, &group), kNoErr);
  ASSERT_EQ(art_.NewArt(kPathArt, kPlaceInsideOnTop, group, &inside), kNoErr);
  ASSERT_EQ(art_.NewArt(kPathArt, kPlaceInsideOnBottom, group, &beneath), kNoErr);
  ASSERT_EQ(art_.NewArt(kPathArt, kPlaceBelow, group, &beside), kNoErr);
  for (AIArtHandle path : {inside, beneath, beside})
    ASSERT_EQ(paths_.SetPathSegments(path, 0, 2, road), kNoErr);
  const std::string expected[] = {doc().FindArt(inside)->id(), doc().FindArt(beneath)->id(),
                                  doc().FindArt(beside)->id(), ""};
  for (const std::string& id : expected) {
    const AIRealPoint point{5050, 5001};
    EXPECT_EQ(Hit(point.h, point.v).id, ScanHit(doc(), point, 3));
    EXPECT_EQ(Hit(point.h, point.v).id, id);
    if (!id.empty()) doc().SetUserAttributes(*doc().FindArt(id), kArtHidden, kArtHidden);
  }
  // Moved in front of the group, the path beside it is found first again.
  doc().SetUserAttributes(*doc().FindArt(beside), kArtHidden, 0);
  doc().MoveArt(*doc().FindArt(beside), kPlaceAbove, *doc().FindArt(group));
  doc().SetUserAttributes(*doc().FindArt(inside), kArtHidden, 0);
  EXPECT_EQ(Hit(5050, 5001).id, doc().FindArt(beside)->id());
  EXPECT_EQ(Violations(), 0);
}

// The index's own answer, which the hit test only narrows: a path crossing the map diagonally
// must not be a candidate wherever its box is, or every click on a large map would test it.
TEST_F(HitTestSuiteTest, ACrossingPathIsACandidateOnlyNearItsCourse) {
  AIArtHandle art = nullptr;
  ASSERT_EQ(art_.NewArt(kPathArt, kPlaceAbove, nullptr, &art), kNoErr);
  const AIPathSegment ends[2] = {{{0, 0}, {0, 0}, {0, 0}, true},
                                 {{10000, 10000}, {10000, 10000}, {10000, 10000}, true}};
  ASSERT_EQ(paths_.SetPathSegments(art, 0, 2, ends), kNoErr);
  auto candidate = [&](AIReal h, AIReal v) {
    const std::vector<host::Art*>& found = host_.documents().artIndex().Query(doc(), {h, v}, 3);
    return std::find(found.begin(), found.end(), doc().FindArt(art)) != found.end();
  };
  EXPECT_TRUE(candidate(5000, 5002));
  EXPECT_TRUE(candidate(9999, 9997));
  EXPECT_FALSE(candidate(9000, 1000));
  EXPECT_FALSE(candidate(5000, 5300));
  EXPECT_FALSE(candidate(5010, 5240));  // within the box of a piece, far from its chord
}

TEST_F(HitTestSuiteTest, DividesCurvesByDeCasteljauAndRefusesParametersOutside) {
  const AIRealBezierSuite& bezier = *host::suites::RealBezierSuite();
  AIRealBezier curve{{0, 0}, {0, 10}, {10, 10}, {10, 0}};
  AIRealBezier left{}, right{};
  ASSERT_EQ(bezier.Divide(&curve, 0.5, &left, &right), kNoErr);
  EXPECT_EQ(left.p3.h, 5);
  EXPECT_EQ(left.p3.v, 7.5);
  EXPECT_EQ(left.p1.v, 5);
  EXPECT_EQ(right.p2.h, 10);
  EXPECT_EQ(right.p2.v, 5);
  // In place: the right half written over the curve itself.
  ASSERT_EQ(bezier.Divide(&curve, 0.25, &left, &curve), kNoErr);
  EXPECT_EQ(curve.p0.h, left.p3.h);
  EXPECT_EQ(bezier.Divide(&curve, 1.5, &left, &right), kBadParameterErr);
  EXPECT_EQ(Violations(), 1);
}

TEST_F(HitTestSuiteTest, SnapsToTheNearestAnchorWithinTheToleranceOfTheView) {
  const AIDocumentViewSuite& views = *host::suites::DocumentViewSuite();
  const AICursorSnapSuite& snap = *host::suites::CursorSnapSuite();
  AIDocumentViewHandle view = nullptr;
  ASSERT_EQ(views.GetNthDocumentView(0, &view), kNoErr);
  EXPECT_FALSE(snap.UseAutoSnap(view));
  doc().view().snapping = true;
  EXPECT_TRUE(snap.UseAutoSnap(view));
  const AIEvent event{};
  AIRealPoint snapped{};
  ASSERT_EQ(snap.Track(view, {11, 1}, &event, "ATFGP v i o", &snapped), kNoErr);
  EXPECT_EQ(snapped.h, 10);
  EXPECT_EQ(snapped.v, 0);
  ASSERT_EQ(snap.Track(view, {15, 3}, &event, "ATFGP v i o", &snapped), kNoErr);
  EXPECT_EQ(snapped.h, 15);  // no anchor within 3 points
  EXPECT_EQ(snap.Track(view, {15, 3}, &event, "A#", &snapped), kBadParameterErr);
  // A view of a document that was closed is stale.
  host_.documents().Replace(host::ReadDocument(kDocument));
  EXPECT_FALSE(snap.UseAutoSnap(view));
  EXPECT_EQ(Violations(), 2);
}

}  // namespace
