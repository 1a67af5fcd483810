// Path geometry: equality of paths and the segment edits of the path suite.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

#include "TestDocuments.h"
#include "host/document/DocumentError.h"

namespace host {
namespace {

using testing::AddPath;

AIPathSegment Record(AIReal h, AIReal v) {
  return AIPathSegment{{h, v}, {h, v}, {h, v}, 1};
}

std::vector<AIReal> Anchors(const PathGeometry& path) {
  std::vector<AIReal> hs;
  for (const Segment& s : path.segments) hs.push_back(s.p.h);
  return hs;
}

AIErr RefusalOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const DocumentError& error) {
    return error.code();
  }
  return kNoErr;
}

TEST(EqualPaths, SameGeometryInTwoLayersIsEqualAndAnyGeometricChangeIsNot) {
  Document document;
  Layer& casing = document.NewLayer(nullptr, kPlaceBelow, "道路_縁");
  Layer& fill = document.NewLayer(nullptr, kPlaceAbove, "道路_中");
  Art& lower = AddPath(document, casing.group(), "lower", {{0, 0}, {10, 5}, {20, 0}});
  Art& upper = AddPath(document, fill.group(), "upper", {{0, 0}, {10, 5}, {20, 0}});
  // Corner flags, selection and style do not count.
  upper.path().segments[1].corner = false;
  document.SetSegmentSelected(upper, 0, true);
  upper.appearance().paint.push_back(testing::Stroke(GrayColor(1), 4));
  EXPECT_TRUE(PathsEqual(lower.path(), upper.path()));

  PathGeometry reversed = lower.path();
  std::reverse(reversed.segments.begin(), reversed.segments.end());
  EXPECT_FALSE(PathsEqual(lower.path(), reversed));

  PathGeometry moved = lower.path();
  moved.segments[1].p.v += 1e-9;
  EXPECT_FALSE(PathsEqual(lower.path(), moved));

  PathGeometry handle = lower.path();
  handle.segments[2].in.h = 15;
  EXPECT_FALSE(PathsEqual(lower.path(), handle));

  PathGeometry closed = lower.path();
  closed.closed = true;
  EXPECT_FALSE(PathsEqual(lower.path(), closed));

  PathGeometry shorter = lower.path();
  shorter.segments.pop_back();
  EXPECT_FALSE(PathsEqual(lower.path(), shorter));
}

TEST(Segments, GetSetInsertAndDeleteFollowThePathSuitesRules) {
  PathGeometry path;
  const AIPathSegment square[] = {Record(0, 0), Record(1, 0), Record(2, 0), Record(3, 0)};
  SetSegments(path, 0, square);
  path.segments[1].selected = true;

  // Writing at the count appends; rewriting keeps the selection of rewritten segments.
  const AIPathSegment appended[] = {Record(4, 0)};
  SetSegments(path, 4, appended);
  const AIPathSegment rewritten[] = {Record(10, 0), Record(11, 0)};
  SetSegments(path, 0, rewritten);
  EXPECT_EQ(Anchors(path), (std::vector<AIReal>{10, 11, 2, 3, 4}));
  EXPECT_TRUE(path.segments[1].selected);
  EXPECT_FALSE(path.segments[4].selected);

  // Writing past the end grows the path by what is written beyond it.
  const AIPathSegment overlapping[] = {Record(5, 0), Record(6, 0)};
  SetSegments(path, 4, overlapping);
  EXPECT_EQ(Anchors(path), (std::vector<AIReal>{10, 11, 2, 3, 5, 6}));

  const AIPathSegment inserted[] = {Record(7, 0)};
  InsertSegments(path, 1, inserted);
  EXPECT_EQ(Anchors(path), (std::vector<AIReal>{10, 7, 11, 2, 3, 5, 6}));
  EXPECT_TRUE(path.segments[2].selected);  // the selection moved with its segment
  InsertSegments(path, 7, inserted);
  EXPECT_EQ(path.segments.back().p.h, 7);

  DeleteSegments(path, 1, 2);
  EXPECT_EQ(Anchors(path), (std::vector<AIReal>{10, 2, 3, 5, 6, 7}));

  AIPathSegment read[2];
  GetSegments(path, 4, 2, read);
  EXPECT_EQ(read[0].p.h, 6);
  EXPECT_EQ(read[1].p.h, 7);

  const std::vector<AIReal> before = Anchors(path);
  EXPECT_EQ(RefusalOf([&] { GetSegments(path, 5, 2, read); }), kBadParameterErr);
  EXPECT_EQ(RefusalOf([&] { SetSegments(path, 7, appended); }), kBadParameterErr);
  EXPECT_EQ(RefusalOf([&] { SetSegments(path, -1, appended); }), kBadParameterErr);
  EXPECT_EQ(RefusalOf([&] { InsertSegments(path, 7, inserted); }), kBadParameterErr);
  EXPECT_EQ(RefusalOf([&] { DeleteSegments(path, 3, 4); }), kBadParameterErr);
  const AIPathSegment infinite[] = {Record(std::numeric_limits<double>::infinity(), 0)};
  EXPECT_EQ(RefusalOf([&] { SetSegments(path, 0, infinite); }), kBadParameterErr);
  EXPECT_EQ(Anchors(path), before);
}

TEST(Segments, APathHoldsAtMost32000Segments) {
  PathGeometry path;
  std::vector<AIPathSegment> records(kMaxPathSegments - 1, Record(1, 1));
  SetSegments(path, 0, records);
  const AIPathSegment one[] = {Record(2, 2)};
  InsertSegments(path, 0, one);
  EXPECT_EQ(path.segments.size(), 32000u);
  EXPECT_EQ(RefusalOf([&] { SetSegments(path, kMaxPathSegments, one); }), kBadParameterErr);
  EXPECT_EQ(RefusalOf([&] { InsertSegments(path, 5, one); }), kBadParameterErr);
  SetSegments(path, kMaxPathSegments - 1, one);  // rewriting the last one is no growth
  EXPECT_EQ(path.segments.size(), 32000u);
}

TEST(Segments, SelectingAnAnchorSelectsThePathAndSelectingThePathSelectsEveryAnchor) {
  Document document;
  Layer& layer = document.NewLayer(nullptr, kPlaceAbove, "L");
  Art& path = AddPath(document, layer.group(), "p", {{0, 0}, {1, 0}, {2, 0}});
  document.SetSegmentSelected(path, 2, true);
  EXPECT_EQ(document.UserAttributes(path) & kArtSelected, kArtSelected);
  EXPECT_FALSE(path.path().segments[0].selected);
  document.SetSegmentSelected(path, 2, false);
  EXPECT_EQ(document.SelectedArt().size(), 1u);

  document.SetUserAttributes(path, kArtSelected, 0);
  document.SetUserAttributes(path, kArtSelected, kArtSelected);
  for (const Segment& s : path.path().segments) EXPECT_TRUE(s.selected);
  EXPECT_EQ(RefusalOf([&] { document.SetSegmentSelected(path, 3, true); }), kBadParameterErr);
}

}  // namespace
}  // namespace host
