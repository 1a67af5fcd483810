// The document suites as the plug-in sees them: orders, placement, and misuse refused safely.
#include <string>
#include <vector>

#include "tests/host/suites/SuiteFixture.h"

namespace {

class DocumentSuitesTest : public SuiteTest {
 protected:
  // The ids of an art set's members, in set order.
  std::vector<std::string> Ids(AIArtSetHandle set) {
    std::uint64_t count = 0;
    EXPECT_EQ(sets_.CountArtSet(set, &count), kNoErr);
    std::vector<std::string> ids;
    for (std::uint64_t i = 0; i < count; ++i) {
      AIArtHandle member = nullptr;
      EXPECT_EQ(sets_.IndexArtSet(set, i, &member), kNoErr);
      ids.push_back(doc().FindArt(member)->id());
    }
    return ids;
  }
  std::vector<std::string> LayerIds(const char* layer) {
    AIArtSetHandle set = nullptr;
    sets_.NewArtSet(&set);
    EXPECT_EQ(sets_.LayerArtSet(Layer(layer), set), kNoErr);
    auto ids = Ids(set);
    sets_.DisposeArtSet(&set);
    return ids;
  }
};

TEST_F(DocumentSuitesTest, LayersAreWalkedTopToBottomParentBeforeChildren) {
  std::int32_t count = 0;
  ASSERT_EQ(layers_.CountLayers(&count), kNoErr);
  EXPECT_EQ(count, 2);  // sublayers are not counted
  std::vector<std::string> walk;
  AILayerHandle layer = nullptr;
  ASSERT_EQ(layers_.GetFirstLayer(&layer), kNoErr);
  for (; layer != nullptr; layers_.GetNextPreorderLayer(layer, &layer)) {
    walk.push_back(doc().FindLayer(layer)->id());
  }
  EXPECT_EQ(walk, (std::vector<std::string>{"top", "sub", "base"}));
  AILayerHandle parent = nullptr;
  ASSERT_EQ(layers_.GetLayerParent(Layer("sub"), &parent), kNoErr);
  EXPECT_EQ(parent, Layer("top"));
  ASSERT_EQ(layers_.GetLayerParent(Layer("top"), &parent), kNoErr);
  EXPECT_EQ(parent, nullptr);
}

TEST_F(DocumentSuitesTest, ArtSetsRunFrontToBackThroughGroupsAndSublayers) {
  EXPECT_EQ(LayerIds("top"), (std::vector<std::string>{"g", "a", "b", "c"}));
  EXPECT_EQ(LayerIds("base"), (std::vector<std::string>{"a2", "square"}));
  // Selection in paint order, whatever order it was made in.
  ASSERT_EQ(art_.SetArtUserAttr(Art("square"), kArtSelected, kArtSelected), kNoErr);
  ASSERT_EQ(art_.SetArtUserAttr(Art("b"), kArtSelected, kArtSelected), kNoErr);
  AIArtSetHandle set = nullptr;
  sets_.NewArtSet(&set);
  ASSERT_EQ(sets_.SelectedArtSet(set), kNoErr);
  EXPECT_EQ(Ids(set), (std::vector<std::string>{"b", "square"}));
  sets_.DisposeArtSet(&set);
  EXPECT_EQ(set, nullptr);
  EXPECT_EQ(host_.documents().artSets.Count(), 0u);
}

TEST_F(DocumentSuitesTest, PaintOrdersPlaceArtWhereTheySay) {
  AIArtHandle copy = nullptr;
  AIArtHandle group = nullptr;
  ASSERT_EQ(art_.GetFirstArtOfLayer(Layer("base"), &group), kNoErr);
  ASSERT_EQ(art_.DuplicateArt(Art("b"), kPlaceInsideOnBottom, group, &copy), kNoErr);
  const std::string bottom = doc().FindArt(copy)->id();
  ASSERT_EQ(art_.DuplicateArt(Art("b"), kPlaceInsideOnTop, group, &copy), kNoErr);
  const std::string top = doc().FindArt(copy)->id();
  ASSERT_EQ(art_.DuplicateArt(Art("a2"), kPlaceAbove, Art("square"), &copy), kNoErr);
  const std::string above = doc().FindArt(copy)->id();
  ASSERT_EQ(art_.NewArt(kPathArt, kPlaceBelow, Art("a2"), &copy), kNoErr);
  const std::string below = doc().FindArt(copy)->id();
  EXPECT_EQ(LayerIds("base"),
            (std::vector<std::string>{top, "a2", below, above, "square", bottom}));
  // The copy in another layer belongs to that layer.
  AILayerHandle layer = nullptr;
  ASSERT_EQ(art_.GetLayerOfArt(doc().FindArt(bottom)->handle(), &layer), kNoErr);
  EXPECT_EQ(layer, Layer("base"));
  EXPECT_EQ(Violations(), 0) << host_.transcript().Text();
}

TEST_F(DocumentSuitesTest, EqualPathsIgnoreLayerAndStyleButNotGeometry) {
  EXPECT_TRUE(art_.ArtsHaveEqualPaths(Art("a"), Art("a2")));
  EXPECT_FALSE(art_.ArtsHaveEqualPaths(Art("a"), Art("b")));
  AIPathSegment moved{};
  ASSERT_EQ(paths_.GetPathSegments(Art("a2"), 2, 1, &moved), kNoErr);
  moved.p.v += 0.001;
  ASSERT_EQ(paths_.SetPathSegments(Art("a2"), 2, 1, &moved), kNoErr);
  EXPECT_FALSE(art_.ArtsHaveEqualPaths(Art("a"), Art("a2")));
  EXPECT_FALSE(art_.ArtsHaveEqualPaths(Art("a"), Art("g")));  // not a path
}

TEST_F(DocumentSuitesTest, SegmentsAppendAtTheEndAndRefuseOutOfRange) {
  const AIArtHandle b = Art("b");
  AIPathSegment segment{{30, 10}, {30, 10}, {30, 10}, 1};
  ASSERT_EQ(paths_.SetPathSegments(b, 2, 1, &segment), kNoErr);  // index n appends
  std::int16_t count = 0;
  paths_.GetPathSegmentCount(b, &count);
  EXPECT_EQ(count, 3);
  segment.p.h = 5;
  ASSERT_EQ(paths_.InsertPathSegments(b, 1, 1, &segment), kNoErr);
  AIPathSegment read[4];
  ASSERT_EQ(paths_.GetPathSegments(b, 0, 4, read), kNoErr);
  EXPECT_EQ(read[1].p.h, 5);
  EXPECT_EQ(read[3].p.h, 30);
  ASSERT_EQ(paths_.DeletePathSegments(b, 1, 2), kNoErr);
  paths_.GetPathSegmentCount(b, &count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(Violations(), 0);

  EXPECT_NE(paths_.GetPathSegments(b, 1, 2, read), kNoErr);      // runs past the end
  EXPECT_NE(paths_.SetPathSegments(b, 3, 1, &segment), kNoErr);  // beyond one past the last
  EXPECT_NE(paths_.DeletePathSegments(b, 0, -1), kNoErr);
  EXPECT_NE(paths_.GetPathSegmentCount(Art("g"), &count), kNoErr);  // a group
  EXPECT_EQ(Violations(), 4) << host_.transcript().Text();
  paths_.GetPathSegmentCount(b, &count);
  EXPECT_EQ(count, 2);  // nothing changed
}

TEST_F(DocumentSuitesTest, PathsRefuseMoreThan32000Segments) {
  std::vector<AIPathSegment> many(32000, AIPathSegment{{1, 1}, {1, 1}, {1, 1}, 1});
  const AIArtHandle b = Art("b");
  EXPECT_NE(paths_.InsertPathSegments(b, 0, 31999, many.data()), kNoErr);  // 2 + 31999
  ASSERT_EQ(paths_.InsertPathSegments(b, 0, 31998, many.data()), kNoErr);
  std::int16_t count = 0;
  paths_.GetPathSegmentCount(b, &count);
  EXPECT_EQ(count, 32000);
  EXPECT_NE(paths_.SetPathSegments(b, 32000, 1, many.data()), kNoErr);
}

TEST_F(DocumentSuitesTest, StaleAndForeignHandlesAreRefusedAndRecorded) {
  const AIArtHandle b = Art("b");
  ASSERT_EQ(art_.DisposeArt(b), kNoErr);
  AIArtType type = 0;
  EXPECT_EQ(art_.GetArtType(b, &type), kStaleHandleErr);
  EXPECT_EQ(art_.DisposeArt(b), kStaleHandleErr);
  EXPECT_EQ(art_.GetArtType(reinterpret_cast<AIArtHandle>(Layer("top")), &type), kStaleHandleErr);
  EXPECT_EQ(art_.GetArtType(nullptr, &type), kBadParameterErr);
  AIArtSetHandle set = reinterpret_cast<AIArtSetHandle>(0x5555);
  std::uint64_t count = 0;
  EXPECT_EQ(sets_.CountArtSet(set, &count), kStaleHandleErr);
  AIArtHandle group = nullptr;
  art_.GetFirstArtOfLayer(Layer("top"), &group);
  EXPECT_EQ(art_.DisposeArt(group), kBadParameterErr);  // a layer group
  EXPECT_EQ(Violations(), 6) << host_.transcript().Text();

  // A handle of a document that was closed is stale in the next one.
  const AIArtHandle a = Art("a");
  host_.documents().Replace(host::ReadDocument(kDocument));
  EXPECT_EQ(art_.GetArtType(a, &type), kStaleHandleErr);
}

TEST_F(DocumentSuitesTest, AttributesReadOwnBitsAndHidingAGroupHidesItsMembers) {
  ASSERT_EQ(art_.SetArtUserAttr(Art("g"), kArtHidden | kArtLocked, kArtHidden), kNoErr);
  AIArtUserAttr attributes = 0;
  ASSERT_EQ(art_.GetArtUserAttr(Art("g"), kArtHidden | kArtLocked, &attributes), kNoErr);
  EXPECT_EQ(attributes, kArtHidden);
  EXPECT_FALSE(doc().IsArtVisible(*doc().FindArt("a")));
  ASSERT_EQ(layers_.SetLayerEditable(Layer("base"), 0), kNoErr);
  EXPECT_FALSE(doc().IsArtEditable(*doc().FindArt("square")));
  EXPECT_EQ(art_.SetArtUserAttr(Art("a"), 8, 8), kBadParameterErr);  // no such attribute
}

}  // namespace
