// Acquiring one stack as the current setting, and every distinct stack into the batch list.
#include <optional>

#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "engine/SettingEquality.h"
#include "tests/engine/EngineFixture.h"
#include "tests/operations/OperationMaps.h"

namespace {

class AcquireTest : public EngineTest {
 protected:
  void SetUp() override {
    Open(kRoads);
    ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  }
  std::string Layers(const OverlapSetting& setting) {
    std::string layers;
    for (std::int32_t i = 0; i < setting.Count(); ++i)
      layers += setting.LeafLayerName(i).as_UTF8() + ";";
    return layers;
  }
  AIReal Width(const OverlapSetting& setting, std::int32_t i) {
    AIPathStyle style{};
    setting.StyleOfEntry(i, style);
    return style.stroke.width;
  }
  // Destroyed before the host checks that no string is held.
  void TearDown() override {
    store_.reset();
    EngineTest::TearDown();
  }
  std::optional<OverlapSettingStore> store_{std::in_place, 120, 24};
};

TEST_F(AcquireTest, CasingAndFillGiveOneSettingWhicheverIsSelected) {
  Run("select r1-casing");
  ASSERT_EQ(AcquireSetting(*store_, false), kNoErr);
  ASSERT_NE(store_->Current(), nullptr);
  EXPECT_EQ(Layers(*store_->Current()), "道路_縁;道路_中;");  // the casing, at the back, first
  EXPECT_EQ(Width(*store_->Current(), 0), 6);
  const OverlapSetting fromCasing = *store_->Current();

  Run("deselect-all\nselect r1-fill");
  ASSERT_EQ(AcquireSetting(*store_, false), kNoErr);
  EXPECT_TRUE(SettingsEqual(*store_->Current(), fromCasing));
  EXPECT_EQ(store_->HistoryCount(), 0);  // an equal setting replaced the current one
}

TEST_F(AcquireTest, CtrlTakesTheSelectedPathsThemselvesFirstSelectedLast) {
  Run("select q\nselect r2-fill");
  ASSERT_EQ(AcquireSetting(*store_, true), kNoErr);
  // The host lists r2-fill (upper layer) first; it comes last.
  EXPECT_EQ(Layers(*store_->Current()), "その他;道路_中;");
}

TEST_F(AcquireTest, SinglePathsFollowThePreference) {
  Run("select q");
  ASSERT_EQ(AcquireSetting(*store_, false), kNoErr);
  EXPECT_EQ(store_->Current()->Count(), 1);

  store_->SetProcessSinglePath(0);
  Run("answer ok");
  ASSERT_EQ(AcquireSetting(*store_, false), kNoErr);
  EXPECT_EQ(Count("alert information \"重なり線が見つかりません\" -> ok"), 1) << Text();
  EXPECT_EQ(store_->HistoryCount(), 0);  // the current setting stayed

  // Ctrl takes the selected path itself, whatever the preference, and says nothing.
  const OverlapSetting* former = store_->Current();
  ASSERT_EQ(AcquireSetting(*store_, true), kNoErr);
  EXPECT_NE(store_->Current(), former);
  EXPECT_EQ(store_->Current()->Count(), 1);

  // A batch leaves the single paths q and q2 out, also beside a stack.
  Run("select q2\nselect r1-fill");
  ASSERT_EQ(AcquireBatch(*store_), kNoErr);
  ASSERT_EQ(store_->BatchCount(), 1);
  EXPECT_EQ(store_->BatchItem(0)->Count(), 2);
}

TEST_F(AcquireTest, BatchGivesOneSettingPerDistinctStackAndAsksNothing) {
  // Both copies of r1, one of r2: two settings. The locked casings are taken as they are.
  Run("layer casing editable off\nselect r1-fill\nselect r1-casing\nselect r2-casing");
  ASSERT_EQ(AcquireBatch(*store_), kNoErr);
  ASSERT_EQ(store_->BatchCount(), 2);
  EXPECT_EQ(store_->BatchItem(0)->Count(), 2);
  EXPECT_FALSE(Doc().FindLayer("casing")->editable);
  EXPECT_EQ(store_->Current(), nullptr);  // batches do not touch the current setting

  // r1 and r3 differ only in widths: one setting.
  store_->ClearBatchList();
  Run("deselect-all\nselect r1-fill\nselect r3-fill");
  ASSERT_EQ(AcquireBatch(*store_), kNoErr);
  EXPECT_EQ(store_->BatchCount(), 1);
}

TEST_F(AcquireTest, BatchReadsAStackOnceHoweverManyOfItsCopiesAreSelected) {
  // r1's styles are the first two reads; r1-casing, in r1's stack, is not read again, so the
  // third read, failing, is r2's.
  Run("select r1-fill\nselect r1-casing\nselect r2-casing\nfail GetPathStyle 3");
  ASSERT_EQ(AcquireBatch(*store_), kNoErr);
  ASSERT_EQ(store_->BatchCount(), 1);
  AIPathStyle fill{};
  store_->BatchItem(0)->StyleOfEntry(1, fill);
  EXPECT_EQ(fill.stroke.color.kind, kGrayColor);  // r1's black, not r2's orange
}

TEST_F(AcquireTest, BatchWithoutAPathAsksForOne) {
  Run("select t\nanswer ok");
  ASSERT_EQ(AcquireBatch(*store_), kNoErr);
  EXPECT_EQ(Count("alert information \"パスを選択して実行してください\" -> ok"), 1) << Text();
  Run("deselect-all");
  ASSERT_EQ(AcquireSetting(*store_, false), kNoErr);  // nothing selected: silent
  EXPECT_EQ(store_->Current(), nullptr);
}

TEST_F(AcquireTest, AHostErrorIsReturnedAndTheCurrentSettingStays) {
  Run("select r1-casing");
  ASSERT_EQ(AcquireSetting(*store_, false), kNoErr);
  const OverlapSetting before = *store_->Current();

  Run("deselect-all\nselect r2-fill\nfail GetArtType");  // reading the selection
  EXPECT_EQ(AcquireSetting(*store_, false), FourCharCode("FAIL"));
  Run("fail GetArtType");
  EXPECT_EQ(AcquireSetting(*store_, true), FourCharCode("FAIL"));
  Run("fail GetPathStyle 2");  // filling the new setting, at its second entry
  EXPECT_EQ(AcquireSetting(*store_, false), FourCharCode("FAIL"));
  EXPECT_TRUE(SettingsEqual(*store_->Current(), before));
  EXPECT_EQ(store_->HistoryCount(), 0);
}

TEST_F(AcquireTest, BatchSkipsACandidateWhoseWalkFailsAndGoesOn) {
  // Calls 1 and 2 read the two selected paths' types; call 3 is the first of r1-fill's walk.
  Run("select r1-fill\nselect r2-fill\nfail GetArtType 3");
  ASSERT_EQ(AcquireBatch(*store_), kNoErr);
  ASSERT_EQ(store_->BatchCount(), 1);
  EXPECT_EQ(Width(*store_->BatchItem(0), 1), 4);  // r2's fill, front-most
  AIPathStyle fill{};
  store_->BatchItem(0)->StyleOfEntry(1, fill);
  EXPECT_EQ(fill.stroke.color.kind, kThreeColor);  // r2's orange, not r1's black
}

TEST_F(AcquireTest, LockedCopyIsAskedAboutAndCapturedWhateverTheAnswer) {
  Run("layer casing editable off\nselect r1-fill\nanswer no");
  ASSERT_EQ(AcquireSetting(*store_, false), kNoErr);
  EXPECT_EQ(store_->Current()->Count(), 2);
  EXPECT_FALSE(Doc().FindLayer("casing")->editable);  // No left it locked
}

}  // namespace
