// Deleting overlaps: which copy stays, the questions, the anchor selection, the capture.
#include <optional>

#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "tests/engine/EngineFixture.h"
#include "tests/operations/OperationMaps.h"

namespace {

class DeleteTest : public EngineTest {
 protected:
  void SetUp() override {
    Open(kThreeCopies);
    ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  }
  bool Exists(const char* id) { return Doc().FindArt(id) != nullptr; }
  // Destroyed before the host checks that no string is held.
  void TearDown() override {
    store_.reset();
    EngineTest::TearDown();
  }
  std::optional<OverlapSettingStore> store_{std::in_place, 120, 24};
};

TEST_F(DeleteTest, KeepsTheBackMostOrTheFrontMostCopy) {
  Run("select middle");
  ASSERT_EQ(DeleteOverlaps(*store_, false), kNoErr);
  EXPECT_TRUE(Exists("back"));
  EXPECT_FALSE(Exists("middle"));
  EXPECT_FALSE(Exists("front"));
  EXPECT_EQ(store_->Current(), nullptr);  // the store is not touched

  Open(kThreeCopies);
  store_->SetReserveTopmostPath(1);
  Run("select middle");
  ASSERT_EQ(DeleteOverlaps(*store_, false), kNoErr);
  EXPECT_TRUE(Exists("front"));
  EXPECT_FALSE(Exists("back"));
  store_->SetReserveTopmostPath(0);
}

TEST_F(DeleteTest, TheKeptPathTakesOverTheAnchorSelection) {
  Run("select-anchors front 0 2");
  ASSERT_EQ(DeleteOverlaps(*store_, false), kNoErr);
  ASSERT_TRUE(Exists("back"));
  const auto& segments = Doc().FindArt("back")->path().segments;
  EXPECT_TRUE(segments[0].selected);
  EXPECT_FALSE(segments[1].selected);
  EXPECT_TRUE(segments[2].selected);
}

TEST_F(DeleteTest, ALockedCopyIsAskedAboutTwiceAndStays) {
  Run("layer mid editable off\nselect front\nanswer no no");
  ASSERT_EQ(DeleteOverlaps(*store_, false), kNoErr);
  EXPECT_EQ(Count("alert question "
                  "\"重なり線がロックまたは非表示状態です。ロック解除・表示しますか？\" -> no"),
            2)
      << Text();
  EXPECT_TRUE(Exists("middle"));
  EXPECT_TRUE(Exists("back"));
  EXPECT_FALSE(Exists("front"));
}

TEST_F(DeleteTest, ACopyThatCannotBeUnlockedIsReportedAndStays) {
  // No while the stack is collected; Yes at the deletion, whose unlock fails.
  Run("layer mid editable off\nselect front\nanswer no yes ok\nfail SetLayerEditable");
  ASSERT_EQ(DeleteOverlaps(*store_, false), kNoErr);
  EXPECT_EQ(Count("alert error \"ロック解除または表示に失敗しました\" -> ok"), 1) << Text();
  EXPECT_TRUE(Exists("middle"));
  EXPECT_TRUE(Exists("back"));
  EXPECT_FALSE(Exists("front"));
}

TEST_F(DeleteTest, AFailedDeletionIsReturnedAndTheKeptPathStays) {
  // Copies go from the back up: middle, then front, whose deletion fails.
  Run("select front\nfail DisposeArt 2");
  EXPECT_EQ(DeleteOverlaps(*store_, false), FourCharCode("FAIL"));
  EXPECT_TRUE(Exists("back"));
  EXPECT_FALSE(Exists("middle"));
  EXPECT_TRUE(Exists("front"));
}

TEST_F(DeleteTest, CtrlCapturesTheStackBeforeDeleting) {
  Run("select other-road");
  ASSERT_EQ(AcquireSetting(*store_, false), kNoErr);  // a first current setting
  Run("deselect-all\nselect back");
  ASSERT_EQ(DeleteOverlaps(*store_, true), kNoErr);
  ASSERT_NE(store_->Current(), nullptr);
  EXPECT_EQ(store_->Current()->Count(), 3);  // the stack as it was
  EXPECT_EQ(store_->HistoryCount(), 1);
}

TEST_F(DeleteTest, OnlyTheFirstSelectedStackIsReduced) {
  Run("select front\nselect other-road");
  ASSERT_EQ(DeleteOverlaps(*store_, false), kNoErr);
  EXPECT_TRUE(Exists("other-road"));
  EXPECT_TRUE(Exists("other-road-copy"));
  EXPECT_FALSE(Exists("front"));
}

TEST_F(DeleteTest, ALonePathHasNoOverlaps) {
  Run("layer mid editable on");
  Doc().FindArt("other-road-copy")->path().segments[1].p.h = 91;
  Run("select other-road\nanswer ok");
  const std::string before = Saved();
  ASSERT_EQ(DeleteOverlaps(*store_, false), kNoErr);
  EXPECT_EQ(Count("alert information \"重なり線が見つかりません\" -> ok"), 1) << Text();
  EXPECT_EQ(Saved(), before);
}

}  // namespace
