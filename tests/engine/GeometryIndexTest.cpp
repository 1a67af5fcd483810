// The geometry index: keys that follow what the host compares, one walk for many paths, and
// answers that are CollectOverlaps's when the walk fails, when a path cannot be read and when the
// document changes under it.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/EngineTexts.h"
#include "engine/GeometryIndex.h"
#include "engine/HostObjects.h"
#include "engine/OverlapDetection.h"
#include "frame/SuiteTables.h"
#include "tests/engine/EngineFixture.h"
#include "tests/engine/TestMaps.h"

namespace {

const std::string kQuestion = std::string("alert question \"") + kUnlockOverlapQuestion + "\"";

// One road as the host compares it and as it does not: "same*" are equal to "road", "other*"
// are not.
constexpr char kVariants[] = R"({
  "format": "laneworks-document", "version": 1,
  "layers": [{"id": "l", "title": "L", "art": [
    {"type": "path", "id": "road", "segments": [
      {"p": [0, 0]}, {"p": [50, 0], "in": [40, 0], "out": [60, 0]}, {"p": [100, 20]}]},
    {"type": "path", "id": "sameButCorners", "segments": [
      {"p": [0, 0], "corner": false}, {"p": [50, 0], "in": [40, 0], "out": [60, 0], "corner": false},
      {"p": [100, 20]}],
     "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 9}]}},
    {"type": "path", "id": "sameWithNegativeZero", "segments": [
      {"p": [-0.0, -0.0]}, {"p": [50, -0.0], "in": [40, 0], "out": [60, 0]}, {"p": [100, 20]}]},
    {"type": "path", "id": "otherHandle", "segments": [
      {"p": [0, 0]}, {"p": [50, 0], "in": [40, 0], "out": [60, 5]}, {"p": [100, 20]}]},
    {"type": "path", "id": "otherInHandle", "segments": [
      {"p": [0, 0]}, {"p": [50, 0], "in": [40, 1], "out": [60, 0]}, {"p": [100, 20]}]},
    {"type": "path", "id": "otherClosed", "closed": true, "segments": [
      {"p": [0, 0]}, {"p": [50, 0], "in": [40, 0], "out": [60, 0]}, {"p": [100, 20]}]},
    {"type": "path", "id": "otherAnchor", "segments": [
      {"p": [0, 0]}, {"p": [50, 0], "in": [40, 0], "out": [60, 0]}, {"p": [100, 21]}]},
    {"type": "path", "id": "otherReversed", "segments": [
      {"p": [100, 20]}, {"p": [50, 0], "in": [60, 0], "out": [40, 0]}, {"p": [0, 0]}]}]}]})";

class GeometryIndexTest : public EngineTest {
 protected:
  void SetUp() override { Open(kStackedRoads); }
  std::uint64_t KeyOf(const char* id) {
    std::uint64_t key = 0;
    std::vector<AIPathSegment> scratch;
    EXPECT_TRUE(ReadGeometryKey(Art(id), key, scratch)) << id;
    return key;
  }
  ArtList Walked(const char* id) {
    ArtList overlaps;
    EXPECT_EQ(CollectOverlapsQuietly(Art(id), overlaps), kNoErr);
    return overlaps;
  }
  long Recorded(const char* function) {
    const auto& calls = env_.host.faults().Recorded();
    return static_cast<long>(std::count(calls.begin(), calls.end(), function));
  }
};

TEST_F(GeometryIndexTest, KeysFollowWhatTheHostCompares) {
  Open(kVariants);
  for (const char* same : {"sameButCorners", "sameWithNegativeZero"}) {
    EXPECT_TRUE(sAIArt->ArtsHaveEqualPaths(Art("road"), Art(same))) << same;
    EXPECT_EQ(KeyOf(same), KeyOf("road")) << same;
  }
  // Unequal paths may share a key, but these must not, or the index is a walk again.
  for (const char* other :
       {"otherHandle", "otherInHandle", "otherClosed", "otherAnchor", "otherReversed"}) {
    EXPECT_FALSE(sAIArt->ArtsHaveEqualPaths(Art("road"), Art(other))) << other;
    EXPECT_NE(KeyOf(other), KeyOf("road")) << other;
  }
  GeometryIndex index;
  ArtList stack;
  ASSERT_EQ(index.Collect(Art("otherHandle"), stack, false), kNoErr);
  EXPECT_EQ(stack, Ids({"otherHandle"}));
  ASSERT_EQ(index.Collect(Art("sameWithNegativeZero"), stack, false), kNoErr);
  EXPECT_EQ(stack, Walked("road"));
  EXPECT_EQ(stack.size(), 3u);
}

TEST_F(GeometryIndexTest, OneWalkAnswersForEveryPathAsEachPathsOwnWalkWould) {
  for (StackSearch search : {StackSearch::kIndexed, StackSearch::kIndexedCoarse}) {
    env_.host.faults().Record(true);
    GeometryIndex index(search);
    for (const char* id : {"c1", "c2front", "c2back", "c3", "lone", "inB"}) {
      ArtList stack{Art("t1")};  // emptied first
      ASSERT_EQ(index.Collect(Art(id), stack, false), kNoErr);
      EXPECT_EQ(stack, Walked(id)) << id;
    }
    EXPECT_EQ(Walked("c1"), Ids({"c3", "c2back", "c2front", "c1"}));
    // Six layers: the index's walk and the seven walks of CollectOverlaps above.
    EXPECT_EQ(Recorded("LayerArtSet"), 6 * 8);
    env_.host.faults().Record(false);
  }
}

TEST_F(GeometryIndexTest, AsksAboutLockedCopiesInTheWalksOrderAndCountsLikeIt) {
  Run("layer l2 editable off\nset c3 hidden on\nanswer no yes");
  GeometryIndex index;
  ArtList stack;
  ASSERT_EQ(index.Collect(Art("c1"), stack, true), kNoErr);
  EXPECT_EQ(stack, Ids({"c3", "c2back", "c2front", "c1"}));
  EXPECT_EQ(Count(kQuestion + " -> no"), 1) << Text();   // c3, left hidden
  EXPECT_EQ(Count(kQuestion + " -> yes"), 1) << Text();  // c2back: unlocks the layer
  EXPECT_TRUE(Doc().FindLayer("l2")->editable);          // so c2front needs no question

  Run("answer no");  // c3 is still hidden
  std::size_t count = 0;
  ASSERT_EQ(index.Count(Art("c2back"), true, count), kNoErr);
  EXPECT_EQ(count, 4u);
  EXPECT_EQ(Count(kQuestion + " -> no"), 2) << Text();
}

TEST_F(GeometryIndexTest, AFailedWalkIsThePathsWalkAndTheNextPathWalksAgain) {
  // As CollectOverlaps: members met from the bottom are inB, c3, its group, lone, c2back, ...
  // and the fifth type fails, leaving c3 found.
  Run("fail GetArtType 5 'TEST'");
  GeometryIndex index;
  ArtList stack;
  EXPECT_EQ(index.Collect(Art("c1"), stack, false), FourCharCode("TEST"));
  EXPECT_EQ(stack, Ids({"c3"}));
  ASSERT_EQ(index.Collect(Art("c1"), stack, false), kNoErr);
  EXPECT_EQ(stack, Walked("c1"));
}

TEST_F(GeometryIndexTest, APathWhoseGeometryCannotBeReadIsStillFoundInItsPlace) {
  // The second path met, c3, cannot be read while the document is walked.
  Run("fail GetPathSegments 2");
  GeometryIndex index;
  ArtList stack;
  ASSERT_EQ(index.Collect(Art("c1"), stack, false), kNoErr);
  EXPECT_EQ(stack, Ids({"c3", "c2back", "c2front", "c1"}));
  ASSERT_EQ(index.Collect(Art("lone"), stack, false), kNoErr);
  EXPECT_EQ(stack, Ids({"lone"}));

  // The asked path cannot be read: its own walk.
  env_.host.faults().Record(true);
  Run("fail GetPathClosed");
  ASSERT_EQ(index.Collect(Art("c2front"), stack, false), kNoErr);
  EXPECT_EQ(stack, Ids({"c3", "c2back", "c2front", "c1"}));
  EXPECT_EQ(Recorded("LayerArtSet"), 6);
  env_.host.faults().Record(false);
}

TEST_F(GeometryIndexTest, ArtTheEngineCouldNotTakeBackIsSeenByTheNextAnswer) {
  GeometryIndex index;
  ArtList stack;
  ASSERT_EQ(index.Collect(Art("c1"), stack, false), kNoErr);
  ASSERT_EQ(stack.size(), 4u);
  {
    TemporaryArt line;
    AIArtHandle copy = nullptr;
    ASSERT_EQ(sAIArt->DuplicateArt(Art("c1"), kPlaceAbove, Art("c1"), &copy), kNoErr);
    line.Add(copy);
    Run("fail DisposeArt");
  }
  ASSERT_EQ(index.Collect(Art("c1"), stack, false), kNoErr);
  EXPECT_EQ(stack, Walked("c1"));
  EXPECT_EQ(stack.size(), 5u);
}

TEST_F(GeometryIndexTest, CopiesMadeSinceTheWalkAreCountedAndALockedOneIsAskedAboutInPlace) {
  GeometryIndex index;
  std::size_t count = 0;
  ASSERT_EQ(index.Count(Art("c1"), true, count), kNoErr);
  ASSERT_EQ(count, 4u);

  // c2front replaced by two copies at the back of L1, as creation replaces a path.
  const AIArtHandle replaced = Art("c2front");
  AIArtHandle group = nullptr, copy = nullptr, second = nullptr;
  ASSERT_EQ(sAIArt->GetFirstArtOfLayer(Layer("l1"), &group), kNoErr);
  ASSERT_EQ(sAIArt->DuplicateArt(replaced, kPlaceInsideOnBottom, group, &copy), kNoErr);
  ASSERT_EQ(sAIArt->DuplicateArt(replaced, kPlaceAbove, copy, &second), kNoErr);
  ASSERT_EQ(sAIArt->DisposeArt(replaced), kNoErr);
  index.Replaced(replaced, {copy, second});

  env_.host.faults().Record(true);
  ASSERT_EQ(index.Count(Art("c1"), true, count), kNoErr);
  EXPECT_EQ(count, 5u);
  EXPECT_EQ(Recorded("LayerArtSet"), 0);  // no walk: no copy to ask about

  // A locked copy is asked about where the walk meets it: this path's stack is walked.
  ASSERT_EQ(sAIArt->SetArtUserAttr(second, kArtLocked, kArtLocked), kNoErr);
  Run("answer yes");
  ASSERT_EQ(index.Count(Art("c1"), true, count), kNoErr);
  EXPECT_EQ(count, 5u);
  EXPECT_EQ(Count(kQuestion + " -> yes"), 1) << Text();
  EXPECT_EQ(Recorded("LayerArtSet"), 6);

  // A list is in the walk's order, which the copies have no place in: walked too.
  ArtList stack;
  ASSERT_EQ(index.Collect(Art("c1"), stack, false), kNoErr);
  EXPECT_EQ(stack, Walked("c1"));
  env_.host.faults().Record(false);
}

}  // namespace
