// Art sets, layer paths and the lock and visibility of art, against the host's suites.
#include "engine/ArtAccess.h"
#include "engine/ArtSet.h"
#include "engine/EngineTexts.h"
#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "frame/SuiteTables.h"
#include "tests/engine/EngineFixture.h"
#include "tests/engine/TestMaps.h"

class ArtUtilities : public EngineTest {
 protected:
  void SetUp() override { Open(kStackedRoads); }
};

// The member at index, or null (also out of range), and whether the host gave it.
AIArtHandle Member(const ArtSet& set, std::int64_t index, AIErr expected = kNoErr) {
  AIArtHandle art = nullptr;
  EXPECT_EQ(set.Get(index, &art), expected);
  return art;
}

TEST_F(ArtUtilities, ArtSetFromLayerAndSelectionGivesNoneOutOfRange) {
  ArtSet set;
  EXPECT_EQ(Member(set, 0), nullptr);
  ASSERT_EQ(set.FillFromLayer(Layer("l2")), kNoErr);
  ASSERT_EQ(set.Count(), 3u);
  EXPECT_EQ(Member(set, 0), Art("c2front"));
  EXPECT_EQ(Member(set, 2), Art("lone"));
  EXPECT_EQ(Member(set, -1), nullptr);
  EXPECT_EQ(Member(set, 3), nullptr);

  // Refilling gives the former host set back: one set is held at a time.
  Run("select c3 lone");
  ASSERT_EQ(set.FillFromSelection(), kNoErr);
  EXPECT_EQ(env_.host.documents().artSets.Count(), 1u);
  ASSERT_EQ(set.Count(), 2u);
  EXPECT_EQ(Member(set, 0), Art("lone"));  // paint order, front to back
  EXPECT_EQ(Member(set, 1), Art("c3"));

  ASSERT_EQ(set.FillFromLayer(nullptr), kNoErr);
  EXPECT_EQ(set.Count(), 0u);
  EXPECT_EQ(env_.host.documents().artSets.Count(), 0u);
}

// A set the host could not fill or read says so: an operation must not take it for an empty
// selection and report success.
TEST_F(ArtUtilities, ArtSetWhoseFillOrReadFailsAnswersTheErrorAndHoldsNothing) {
  ArtSet set;
  for (const char* function : {"NewArtSet", "LayerArtSet", "CountArtSet"}) {
    Run(std::string("fail ") + function);
    EXPECT_EQ(set.FillFromLayer(Layer("l1")), FourCharCode("FAIL")) << function;
    EXPECT_EQ(set.Count(), 0u);
    EXPECT_EQ(env_.host.documents().artSets.Count(), 0u);
  }
  ASSERT_EQ(set.FillFromLayer(Layer("l2")), kNoErr);
  Run("fail IndexArtSet");
  EXPECT_EQ(Member(set, 1, FourCharCode("FAIL")), nullptr);
}

TEST_F(ArtUtilities, LayerPathMapKeysSublayersAndLetsTheLaterDuplicateWin) {
  ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  EXPECT_EQ(LayerPathMapSize(), 6u);  // L1, L2, L3, A, B^A, 同名
  EXPECT_EQ(LookUpLayerPath(ai::UnicodeString("A")), Layer("a"));
  EXPECT_EQ(LookUpLayerPath(ai::UnicodeString("B^A")), Layer("b"));
  EXPECT_EQ(LookUpLayerPath(ai::UnicodeString("B")), nullptr);
  EXPECT_EQ(LookUpLayerPath(ai::UnicodeString("同名")), Layer("dup2"));
  ai::UnicodeString path;
  ASSERT_EQ(LayerPathOf(Layer("b"), path), kNoErr);
  EXPECT_EQ(path.as_UTF8(), "B^A");

  // A rebuild empties the map first: a renamed layer leaves its old key behind.
  Doc().FindLayer("l1")->title = "L1^x";
  ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  EXPECT_EQ(LookUpLayerPath(ai::UnicodeString("L1")), nullptr);
  EXPECT_EQ(LookUpLayerPath(ai::UnicodeString("L1^x")), Layer("l1"));  // titles are not escaped
}

TEST_F(ArtUtilities, LayerPathMapReturnsTheFirstErrorAndGivesItsStringsBackWhenCleared) {
  const std::size_t before = env_.host.strings().LiveCount();
  Run("fail GetLayerTitle 3 'TEST'");
  EXPECT_EQ(RebuildLayerPathMap(), FourCharCode("TEST"));
  EXPECT_EQ(LayerPathMapSize(), 2u);  // L1 and L2 were entered before the failure
  EXPECT_GT(env_.host.strings().LiveCount(), before);
  ClearLayerPathMap();
  EXPECT_EQ(LayerPathMapSize(), 0u);
  EXPECT_EQ(env_.host.strings().LiveCount(), before);
}

TEST_F(ArtUtilities, PathInALockedLayerIsUnlockedWithItsLayer) {
  Run("layer l2 editable off\nlayer l2 visible off\nset c2back locked on\nset c2back hidden on");
  EXPECT_FALSE(IsArtVisibleAndEditable(Art("c2back")));
  EXPECT_FALSE(IsArtVisibleAndEditable(Art("c2front")));
  ASSERT_TRUE(UnlockAndShowArt(Art("c2back")));
  EXPECT_TRUE(Doc().FindLayer("l2")->editable);
  EXPECT_TRUE(Doc().FindLayer("l2")->visible);
  EXPECT_EQ(Doc().FindArt("c2back")->ownAttributes() & (kArtLocked | kArtHidden), 0);
  EXPECT_TRUE(IsArtVisibleAndEditable(Art("c2back")));
  EXPECT_TRUE(IsArtVisibleAndEditable(Art("c2front")));
}

TEST_F(ArtUtilities, PathInAHiddenGroupIsShownWithTheGroup) {
  Run("set g hidden on\nset c3 locked on");
  EXPECT_TRUE(IsArtVisibleAndEditable(Art("c1")));
  EXPECT_FALSE(IsArtVisibleAndEditable(Art("c3")));
  ASSERT_TRUE(UnlockAndShowArt(Art("c3")));
  EXPECT_EQ(Doc().FindArt("g")->ownAttributes() & kArtHidden, 0);
  EXPECT_EQ(Doc().FindArt("c3")->ownAttributes() & kArtLocked, 0);
  EXPECT_TRUE(IsArtVisibleAndEditable(Art("c3")));
}

// The host's art parents end at a layer group, but a locked or hidden enclosing layer locks or
// hides the art all the same.
TEST_F(ArtUtilities, ArtInASublayerTakesTheStateOfItsEnclosingLayers) {
  Run("layer a editable off");
  EXPECT_FALSE(IsArtVisibleAndEditable(Art("inB")));
  Run("layer a editable on\nlayer a visible off");
  EXPECT_FALSE(IsArtVisibleAndEditable(Art("inB")));
  Run("layer a editable off\nlayer b visible off");
  ASSERT_TRUE(UnlockAndShowArt(Art("inB")));
  EXPECT_TRUE(Doc().FindLayer("a")->editable);
  EXPECT_TRUE(Doc().FindLayer("a")->visible);
  EXPECT_TRUE(Doc().FindLayer("b")->visible);
  EXPECT_TRUE(IsArtVisibleAndEditable(Art("inB")));
  Run("fail GetLayerParent");
  EXPECT_FALSE(IsArtVisibleAndEditable(Art("inB")));
}

TEST_F(ArtUtilities, DeleteAsksBeforeRemovingACopyInASublayerOfALockedLayer) {
  Open(R"({
  "format": "laneworks-document", "version": 1, "currentLayer": "base",
  "layers": [
    {"id": "outer", "title": "Outer", "art": [
      {"type": "layer", "id": "inner", "title": "Inner", "art": [
        {"type": "path", "id": "copy", "segments": [{"p": [0, 0]}, {"p": [50, 0]}]}]}]},
    {"id": "base", "title": "Base", "art": [
      {"type": "path", "id": "back", "segments": [{"p": [0, 0]}, {"p": [50, 0]}]}]}]})");
  ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  Run("layer outer editable off\nselect back\nanswer no no");  // collecting, then deleting
  {
    OverlapSettingStore store(120, 24);
    ASSERT_EQ(DeleteOverlaps(store, false), kNoErr);
  }
  EXPECT_EQ(Count("alert question \"" + std::string(kUnlockOverlapQuestion) + "\" -> no"), 2)
      << Text();
  EXPECT_NE(Doc().FindArt("copy"), nullptr);
  EXPECT_NE(Doc().FindArt("back"), nullptr);
}

TEST_F(ArtUtilities, HostFailuresNeverReadAsVisibleAndEditable) {
  // Not finding the layer counts as locked.
  Run("fail GetLayerOfArt");
  EXPECT_FALSE(IsArtVisibleAndEditable(Art("c1")));
  Run("fail GetArtUserAttr 2");
  EXPECT_FALSE(IsArtVisibleAndEditable(Art("c3")));  // the group's attributes cannot be read
  Run("fail SetLayerEditable");
  EXPECT_FALSE(UnlockAndShowArt(Art("c1")));
  // A lock that could not be cleared still reads as locked.
  Run("set c1 locked on\nfail SetArtUserAttr");
  EXPECT_FALSE(UnlockAndShowArt(Art("c1")));
  EXPECT_FALSE(IsArtVisibleAndEditable(Art("c1")));
}
