// The scissors tool against the host's suites and document: what one click cuts, hides, shows
// and selects, and the cursor it chooses.
#include <algorithm>

#include "hostapi/AIHitTest.h"
#include "tests/tools/ScissorsFixture.h"
#include "tools/MultiScissorsTool.h"
#include "tools/PathSplitting.h"

namespace scissors_test {
namespace {

class RecordingCursors : public ScissorsCursorSet {
 public:
  explicit RecordingCursors(std::vector<ScissorsCursor>* shown) : shown_(shown) {}
  void Show(ScissorsCursor cursor) override { shown_->push_back(cursor); }

 private:
  std::vector<ScissorsCursor>* shown_;
};

class ScissorsTool : public ScissorsTest {
 protected:
  ASErr Click(AIReal h, AIReal v) { return tool_.MouseDown(Message(h, v)); }
  ASErr Track(AIReal h, AIReal v) { return tool_.TrackCursor(Message(h, v)); }

  AIToolMessage Message(AIReal h, AIReal v) {
    AIToolMessage message{};
    message.cursor = {h, v};
    message.pressure = 1;
    message.event = &event_;
    return message;
  }
  bool Selected(AIArtHandle art) { return (Doc().UserAttributes(ArtOf(art)) & kArtSelected) != 0; }
  void Select(AIArtHandle art) { Doc().SetUserAttributes(ArtOf(art), kArtSelected, kArtSelected); }
  void Fill(AIArtHandle art) {
    AIFillStyle fill{};
    fill.color.kind = kGrayColor;
    ArtOf(art).appearance().paint = {fill};
  }
  std::size_t HiddenCount() {
    std::size_t hidden = 0;
    Doc().ForEachArt(
        [&](const host::Art& art) { hidden += (art.ownAttributes() & kArtHidden) ? 1 : 0; });
    return hidden;
  }
  std::ptrdiff_t Alerts(const std::string& text) {
    const auto& lines = host_.transcript().Lines();
    return std::count(lines.begin(), lines.end(), "alert information \"" + text + "\" -> ok");
  }

  std::vector<ScissorsCursor> shown_;
  AIEvent event_{};
  MultiScissorsTool tool_{host_.PluginRef(), std::make_unique<RecordingCursors>(&shown_)};
};

constexpr char kEndpointMessage[] = "閉じていないパスの端点では切断できません";

TEST_F(ScissorsTool, CutsEveryStackedOpenPathAndSelectsTheNewPiecesAboveTheirSources) {
  const AIArtHandle sources[] = {AddPath("casing", "0,0 10,0 20,0"),
                                 AddPath("fill", "0,0 10,0 20,0"),
                                 AddPath("centre", "0,0 10,0 20,0")};
  const AIArtHandle bystander = AddPath("bystander", "0,50 20,50");
  Select(bystander);
  EXPECT_EQ(Click(5, 0), kNoErr);
  EXPECT_EQ(Doc().ArtCount(), 7u);
  for (AIArtHandle source : sources) {
    const host::Art* piece = ArtOf(source).inFront();
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(PathOf(source), "0,0 ~5,0[2.5,0|7.5,0]");
    EXPECT_EQ(DescribePath(piece->path()), "~5,0[2.5,0|7.5,0] 10,0 20,0");
    EXPECT_TRUE(Selected(piece->handle()));
    EXPECT_FALSE(Selected(source));
  }
  EXPECT_FALSE(Selected(bystander));
  EXPECT_EQ(HiddenCount(), 0u);
}

TEST_F(ScissorsTool, OpensAClosedPathOnAnAnchorAndRefusesAnOpenPathsEndOnceWithAMessage) {
  const AIArtHandle square = AddPath("square", "0,0 10,0 10,10 0,10 z");
  const AIArtHandle spur = AddPath("spur", "10,10 30,10");
  Run("answer ok");
  EXPECT_EQ(Click(10, 10), kNoErr);
  EXPECT_EQ(Alerts(kEndpointMessage), 1);
  EXPECT_EQ(PathOf(spur), "10,10 30,10");
  EXPECT_FALSE(Selected(spur));
  EXPECT_EQ(PathOf(square), "10,10 0,10 0,0 10,0 10,10");
  EXPECT_TRUE(Selected(square));
  EXPECT_EQ(Doc().ArtCount(), 2u);
}

TEST_F(ScissorsTool, PassesThroughAFilledShapeAboveAndShowsItAgain) {
  const AIArtHandle road = AddPath("road", "-20,0 20,0");
  const AIArtHandle area = AddPath("area", "-10,-10 10,-10 10,10 -10,10 z");
  Fill(area);
  EXPECT_EQ(Click(0, 0), kNoErr);
  EXPECT_EQ(PathOf(area), "-10,-10 10,-10 10,10 -10,10 z");
  EXPECT_FALSE(Selected(area));
  EXPECT_EQ(PathOf(road), "-20,0 ~0,0[-10,0|10,0]");
  EXPECT_EQ(HiddenCount(), 0u);
}

TEST_F(ScissorsTool, ClickOnEmptyCanvasOnlyClearsTheSelection) {
  const AIArtHandle road = AddPath("road", "0,0 20,0");
  Select(road);
  EXPECT_EQ(Click(100, 100), kNoErr);
  EXPECT_FALSE(Selected(road));
  EXPECT_EQ(PathOf(road), "0,0 20,0");
}

TEST_F(ScissorsTool, CutsAtTheSnappedPointOnlyWithSnappingInUse) {
  // The click is near the road; with snapping it moves to the triangle's corner, which is within
  // the tolerance of the click but beyond it from the road.
  const char kRoad[] = "0,0 20,0";
  const char kTriangle[] = "5.5,3.3 5.5,40 30,40 z";
  const AIArtHandle road = AddPath("road", kRoad);
  const AIArtHandle triangle = AddPath("triangle", kTriangle);
  Run("snapping on");
  EXPECT_EQ(Click(5, 0.5), kNoErr);
  EXPECT_EQ(PathOf(road), kRoad);
  EXPECT_EQ(PathOf(triangle), "5.5,3.3 5.5,40 30,40 5.5,3.3");

  const AIArtHandle freeRoad = AddPath("free-road", "0,100 20,100");
  AddPath("free-triangle", "5.5,103.3 5.5,140 30,140 z");
  Run("snapping off");
  EXPECT_EQ(Click(5, 100.5), kNoErr);
  const auto& cut = ArtOf(freeRoad).path().segments;
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_NEAR(cut[1].p.h, 5, 1e-6);
  EXPECT_NEAR(cut[1].p.v, 100, 1e-6);
}

TEST_F(ScissorsTool, AHostErrorStopsTheSearchShowsEverythingAndKeepsTheSelection) {
  AddPath("lower", "0,0 10,0 20,0");
  const AIArtHandle upper = AddPath("upper", "0,0 10,0 20,0");
  const AIArtHandle other = AddPath("other", "0,50 20,50");
  Select(other);
  Run("fail SetArtUserAttr 2 'HIDE'");  // hiding the piece cut from the upper path
  EXPECT_EQ(Click(5, 0), FourCharCode("HIDE"));
  EXPECT_EQ(HiddenCount(), 0u);
  EXPECT_TRUE(Selected(other));
  EXPECT_EQ(PathOf(upper), "0,0 ~5,0[2.5,0|7.5,0]");  // the cut made stays
  EXPECT_EQ(Doc().ArtCount(), 4u);                    // the lower path was not reached
}

// The thousandth art under the point is still taken (the session scissors_limit shows that the
// one after it is not).
TEST_F(ScissorsTool, TakesTheThousandthArtFromUnderThePoint) {
  const AIArtHandle below = AddPath("below", "-20,0 20,0");
  for (int i = 1; i < MultiScissorsTool::kSearchLimit; ++i) {
    Fill(AddPath("area" + std::to_string(i), "-10,-10 10,-10 10,10 -10,10 z"));
  }
  EXPECT_EQ(Click(0, 0), kNoErr);
  EXPECT_EQ(PathOf(below), "-20,0 ~0,0[-10,0|10,0]");
  EXPECT_EQ(HiddenCount(), 0u);
}

TEST_F(ScissorsTool, ChoosesTheCursorByWhatLiesUnderIt) {
  AddPath("triangle", "5,3.9 5,40 30,40 z");
  AddPath("road", "0,0 10,0 20,0");
  AddPath("area", "100,100 140,100 140,140 z");
  Fill(Doc().FindArt("area")->handle());
  for (auto [h, v, expected] : {std::tuple{10.0, 0.0, ScissorsCursor::kOnAnchor},
                                std::tuple{5.0, 1.0, ScissorsCursor::kOnPath},
                                std::tuple{130.0, 110.0, ScissorsCursor::kOnPath},
                                std::tuple{50.0, 50.0, ScissorsCursor::kPlain}}) {
    shown_.clear();
    EXPECT_EQ(Track(h, v), kNoErr);
    EXPECT_EQ(shown_.back(), expected) << h << "," << v;
  }
  // Snapping moves 5,1 to the corner of the triangle behind, beyond the road's reach, but the
  // choice looks at the point received, on the road.
  Run("snapping on");
  shown_.clear();
  EXPECT_EQ(Track(5, 1), kNoErr);
  EXPECT_EQ(shown_.back(), ScissorsCursor::kOnPath);
  Run("fail HitTest");
  EXPECT_EQ(Track(10, 0), FourCharCode("FAIL"));
}

}  // namespace
}  // namespace scissors_test
