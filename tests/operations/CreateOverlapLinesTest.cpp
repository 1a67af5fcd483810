// Creating overlap lines: the checks in their order, and where every copy goes.
#include <optional>
#include <vector>

#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "host/document/Colors.h"
#include "tests/engine/EngineFixture.h"
#include "tests/operations/OperationMaps.h"

namespace {

class CreateTest : public EngineTest {
 protected:
  void SetUp() override {
    Open(kRoads);
    ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  }
  // Makes the setting of these paths (back to front) current.
  void Use(std::vector<const char*> ids) {
    ArtList paths;
    for (const char* id : ids) paths.push_back(Art(id));
    auto setting = store_->NewSetting();
    ASSERT_EQ(setting->FillFromArtList(paths), kNoErr);
    store_->MakeCurrent(std::move(setting));
  }
  // The stroke widths of a layer's art, front to back.
  std::vector<AIReal> Widths(const char* layer) {
    std::vector<AIReal> widths;
    for (const host::Art* art = Doc().FindLayer(layer)->group().firstChild(); art;
         art = art->behind()) {
      widths.push_back(art->type() == kPathArt ? Doc().PathStyle(*art).stroke.width : -1);
    }
    return widths;
  }
  // Destroyed before the host checks that no string is held.
  void TearDown() override {
    store_.reset();
    EngineTest::TearDown();
  }
  std::optional<OverlapSettingStore> store_{std::in_place, 120, 24};
};

TEST_F(CreateTest, EachEntryGoesToTheBackOfItsLayer) {
  Use({"r1-casing", "r1-fill"});
  Run("select q");
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Doc().FindArt("q"), nullptr);  // the source path is gone
  EXPECT_EQ(Widths("casing"), (std::vector<AIReal>{6, 6, 9, 6}));
  EXPECT_EQ(Widths("fill"), (std::vector<AIReal>{4, 4, 2, 4}));
  EXPECT_EQ(Widths("other"),
            (std::vector<AIReal>{1, -1}));  // q2 (default stroke) and the text stay
  EXPECT_TRUE(Doc().SelectedArt().empty());
}

TEST_F(CreateTest, RunsInOneLayerStackUpwardsAndANewRunGoesBehind) {
  // Entries in layers casing, casing: the second copy directly above the first.
  Use({"r1-casing", "r3-casing"});
  Run("select q");
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Widths("casing"), (std::vector<AIReal>{6, 6, 9, 9, 6}));

  // Entries in layers casing, fill, casing: the third copy behind the first.
  Use({"r2-casing", "r2-fill", "r3-casing"});
  Run("select q2");
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Widths("casing"), (std::vector<AIReal>{6, 6, 9, 9, 6, 6, 9}));
  EXPECT_EQ(Widths("fill").back(), 4);
}

TEST_F(CreateTest, TwoSelectedPathsEachGetTheirOwnRun) {
  Use({"r1-casing", "r3-casing"});
  Run("select q\nselect q2\nselect t");  // the text is passed over
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  // q comes first in the selection; its run goes to the back, then q2's goes behind it. Each
  // run is its first copy with the second directly above.
  EXPECT_EQ(Widths("casing"), (std::vector<AIReal>{6, 6, 9, 9, 6, 9, 6}));
  const host::Art* back = Doc().FindLayer("casing")->group().lastChild();
  EXPECT_EQ(back->path().segments[0].p.v, 300);
  EXPECT_EQ(back->inFront()->path().segments[0].p.v, 300);
  EXPECT_EQ(back->inFront()->inFront()->path().segments[0].p.v, 200);
  EXPECT_NE(Doc().FindArt("t"), nullptr);
}

TEST_F(CreateTest, ChecksEndTheOperationWithTheDocumentUntouched) {
  // No current setting: nothing happens and nothing is said.
  Run("select q");
  const std::string untouched = Saved();
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Saved(), untouched);

  // A layer of the setting that no longer exists.
  Use({"r1-casing", "r1-fill"});
  const std::string selected = Saved();
  Run("answer ok");
  Doc().FindLayer("fill")->title = "改名";
  ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Count("alert information \"設定に記憶されたレイヤーが存在しません\" -> ok"), 1)
      << Text();
  Doc().FindLayer("fill")->title = "道路_中";
  ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  EXPECT_EQ(Saved(), selected);

  // A locked layer, answered No.
  Run("layer casing editable off\nanswer no");
  const std::string locked = Saved();
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Saved(), locked);
}

TEST_F(CreateTest, ALockedLayerNamedTwiceIsAskedAboutOnce) {
  Use({"r1-casing", "r3-casing"});
  Run("layer casing editable off\nlayer casing visible off\nselect q\nanswer yes");
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Count("alert question "
                  "\"重なり線を作成するレイヤーがロックまたは非表示です。ロック解除・表示して作成し"
                  "ますか？\" -> yes"),
            1)
      << Text();
  EXPECT_TRUE(Doc().FindLayer("casing")->editable);
  EXPECT_TRUE(Doc().FindLayer("casing")->visible);
  EXPECT_EQ(Widths("casing").size(), 5u);
}

TEST_F(CreateTest, ALayerThatCannotBeUnlockedStopsCreation) {
  Use({"r1-casing", "r1-fill"});
  Run("layer casing editable off\nselect q\nanswer yes ok\nfail SetLayerEditable");
  const std::string before = Saved();
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Count("alert error \"ロック解除または表示に失敗しました\" -> ok"), 1) << Text();
  EXPECT_EQ(Saved(), before);
}

TEST_F(CreateTest, AFailedCopyEndsCreationWithTheSourcePathKeptAndNoHalfStack) {
  Use({"r1-casing", "r1-fill"});
  Run("select q\nselect q2\nfail DuplicateArt 2");  // q's second copy
  EXPECT_EQ(CreateOverlapLines(*store_), FourCharCode("FAIL"));
  EXPECT_NE(Doc().FindArt("q"), nullptr);   // not disposed: nothing is lost
  EXPECT_NE(Doc().FindArt("q2"), nullptr);  // never reached
  EXPECT_EQ(Widths("casing").size(), 3u);   // q's first copy was taken back
  EXPECT_EQ(Widths("fill").size(), 3u);
}

TEST_F(CreateTest, ADeletedSwatchOfAPaintedFillOrStrokeStopsCreation) {
  Open(R"({"format": "laneworks-document", "version": 1,
    "swatches": {"customColors": [
      {"id": "orange", "name": "橙", "color": {"kind": "cmyk", "c": 0, "m": 0.5, "y": 1, "k": 0}},
      {"id": "green", "name": "緑", "color": {"kind": "cmyk", "c": 0.8, "m": 0, "y": 1, "k": 0}}]},
    "layers": [{"id": "l", "title": "L", "art": [
      {"type": "path", "id": "road", "segments": [{"p": [0, 0]}, {"p": [9, 0]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "custom", "swatch": "orange"}, "width": 3}]}},
      {"type": "path", "id": "park", "closed": true, "segments": [{"p": [0, 20]}, {"p": [9, 20]}, {"p": [9, 29]}],
       "appearance": {"paint": [{"kind": "fill", "color": {"kind": "custom", "swatch": "green"}}]}},
      {"type": "path", "id": "new", "segments": [{"p": [0, 9]}, {"p": [9, 9]}]}]}]})");
  ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  const AICustomColorHandle orange = Doc().swatches().customColors.FindById("orange");
  const std::string alert =
      "alert error \"必要なカラースウォッチが現在のドキュメントにありません\" -> ok";
  Use({"park"});
  Run("delete-swatch green\nselect new\nanswer ok");
  std::string before = Saved();
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Count(alert), 1) << Text();
  EXPECT_EQ(Saved(), before);

  Use({"road"});
  Run("delete-swatch orange\nanswer ok");
  before = Saved();
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Count(alert), 2) << Text();
  EXPECT_EQ(Saved(), before);

  // The deleted swatch on an unpainted stroke is not needed.
  auto setting = store_->NewSetting();
  AIPathStyle style{};
  style.fillPaint = 1;
  style.fill.color = host::GrayColor(0.2);
  style.stroke.color = host::CustomColorOf(orange, 0);
  setting->AppendEntry({ai::UnicodeString("L"), style});
  store_->MakeCurrent(std::move(setting));
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Count(alert), 2) << Text();
  EXPECT_EQ(Doc().FindArt("new"), nullptr);  // replaced by its copy
}

TEST_F(CreateTest, CreatingOverAnExistingStackAsksFirst) {
  Use({"r1-casing", "r1-fill"});
  // No ends creation: q, listed after r1-fill, is not replaced either.
  Run("select r1-fill\nselect q\nanswer no");
  const std::string before = Saved();
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  Run("select r1-fill");  // No changed nothing but the deselection of the path's layer
  EXPECT_EQ(Saved(), before);
  Run("deselect-all\nselect r1-fill\nanswer yes");
  ASSERT_EQ(CreateOverlapLines(*store_), kNoErr);
  EXPECT_EQ(Count("alert question \"既に重なり線があるようですが、作成しますか？\" -> yes"), 1);
  EXPECT_EQ(Widths("casing").size(), 4u);  // the old casing stays, a new one is added
  EXPECT_EQ(Widths("fill").size(), 3u);    // the selected fill was replaced by a new one
}

}  // namespace
