// Finding stacked copies, and when settings and colours count as equal.
#include <cmath>

#include "engine/EngineTexts.h"
#include "engine/OverlapDetection.h"
#include "engine/OverlapSetting.h"
#include "engine/SettingEquality.h"
#include "host/document/Colors.h"
#include "tests/engine/EngineFixture.h"
#include "tests/engine/TestMaps.h"

namespace {

const std::string kQuestion = std::string("alert question \"") + kUnlockOverlapQuestion + "\"";

}  // namespace

class OverlapDetection : public EngineTest {
 protected:
  void SetUp() override { Open(kStackedRoads); }
};

TEST_F(OverlapDetection, ListsEveryCopyFromTheBottomLayerUpAndFrontMostLast) {
  ArtList overlaps{Art("lone")};  // emptied first
  ASSERT_EQ(CollectOverlaps(Art("c2front"), overlaps, true), kNoErr);
  EXPECT_EQ(overlaps, Ids({"c3", "c2back", "c2front", "c1"}));
  ASSERT_EQ(CollectOverlaps(Art("lone"), overlaps, true), kNoErr);
  EXPECT_EQ(overlaps, Ids({"lone"}));  // no copies: the path itself
}

TEST_F(OverlapDetection, AsksOncePerLockedCopyAndListsItWhateverTheAnswer) {
  Run("layer l2 editable off\nset c3 hidden on\nanswer no yes");
  ArtList overlaps;
  ASSERT_EQ(CollectOverlaps(Art("c1"), overlaps, true), kNoErr);
  EXPECT_EQ(overlaps, Ids({"c3", "c2back", "c2front", "c1"}));
  EXPECT_EQ(Count(kQuestion + " -> no"), 1) << Text();   // c3, left hidden
  EXPECT_EQ(Count(kQuestion + " -> yes"), 1) << Text();  // c2back: unlocks the layer
  EXPECT_NE(Doc().FindArt("c3")->ownAttributes() & kArtHidden, 0);
  EXPECT_TRUE(Doc().FindLayer("l2")->editable);  // so c2front needs no question
}

TEST_F(OverlapDetection, WithoutAskingListsLockedCopiesAsTheyAre) {
  Run("layer l3 editable off\nset c1 locked on");
  ArtList overlaps;
  ASSERT_EQ(CollectOverlapsQuietly(Art("c2back"), overlaps), kNoErr);
  EXPECT_EQ(overlaps.size(), 4u);
  EXPECT_FALSE(Doc().FindLayer("l3")->editable);
  EXPECT_EQ(Count(kQuestion + " -> yes") + Count(kQuestion + " -> no"), 0);
}

TEST_F(OverlapDetection, AFailedUnlockIsReportedAndTheCopyStillListed) {
  Run("set c1 locked on\nanswer yes ok\nfail SetArtUserAttr");
  ArtList overlaps;
  ASSERT_EQ(CollectOverlaps(Art("c3"), overlaps, true), kNoErr);
  EXPECT_EQ(overlaps.back(), Art("c1"));
  EXPECT_EQ(Count(std::string("alert error \"") + kUnlockFailedError + "\" -> ok"), 1) << Text();
}

TEST_F(OverlapDetection, AHostErrorEndsTheWalkWithWhatWasFound) {
  // Members met from the bottom: inB, c3, its group, lone, c2back, ...: the fifth type fails.
  Run("fail GetArtType 5 'TEST'");
  ArtList overlaps;
  EXPECT_EQ(CollectOverlaps(Art("c1"), overlaps, false), FourCharCode("TEST"));
  EXPECT_EQ(overlaps, Ids({"c3"}));
}

class SettingEquality : public EngineTest {
 protected:
  static AIPathStyle Stroked(AIColor color, AIReal width) {
    AIPathStyle style{};
    style.strokePaint = 1;
    style.stroke.color = color;
    style.stroke.width = width;
    style.stroke.miterLimit = 4;
    style.fill.color = host::GrayColor(0.5);
    return style;
  }
  static OverlapSetting Setting(
      std::initializer_list<std::pair<const char*, AIPathStyle>> entries) {
    OverlapSetting setting(120, 24);
    for (const auto& [layer, style] : entries)
      setting.AppendEntry({ai::UnicodeString(layer), style});
    return setting;
  }
};

TEST_F(SettingEquality, WidthsDashOffsetsAndUnpaintedFillsDoNotCount) {
  AIPathStyle wide = Stroked(host::GrayColor(1), 8), narrow = Stroked(host::GrayColor(1), 3);
  narrow.stroke.dash.offset = 5;
  narrow.fill.color = host::RgbColor(1, 0, 0);  // not painted
  narrow.evenodd = 1;
  EXPECT_TRUE(
      SettingsEqual(Setting({{"A", wide}, {"B", wide}}), Setting({{"A", narrow}, {"B", wide}})));
  EXPECT_TRUE(SettingsEqual(Setting({}), Setting({})));

  AIPathStyle dashed = wide;
  dashed.stroke.dash.length = 2;
  dashed.stroke.dash.array[0] = 4;
  dashed.stroke.dash.array[1] = 2;
  AIPathStyle otherDash = dashed;
  otherDash.stroke.dash.array[1] = 3;
  EXPECT_FALSE(SettingsEqual(Setting({{"A", wide}}), Setting({{"A", dashed}})));
  EXPECT_FALSE(SettingsEqual(Setting({{"A", dashed}}), Setting({{"A", otherDash}})));
  otherDash.stroke.dash.array[1] = 2;
  otherDash.stroke.dash.array[4] = 9;  // beyond the dash length: not compared
  EXPECT_TRUE(SettingsEqual(Setting({{"A", dashed}}), Setting({{"A", otherDash}})));
}

TEST_F(SettingEquality, LayersPaintAndStrokeDetailsDoCount) {
  const AIPathStyle base = Stroked(host::GrayColor(1), 4);
  EXPECT_FALSE(SettingsEqual(Setting({{"A", base}}), Setting({{"B", base}})));
  EXPECT_FALSE(SettingsEqual(Setting({{"A", base}}), Setting({{"A", base}, {"A", base}})));
  auto differs = [&](auto change) {
    AIPathStyle changed = base;
    change(changed);
    return !SettingsEqual(Setting({{"A", base}}), Setting({{"A", changed}}));
  };
  EXPECT_TRUE(differs([](AIPathStyle& s) { s.stroke.cap = kAIRoundCap; }));
  EXPECT_TRUE(differs([](AIPathStyle& s) { s.stroke.join = kAIBevelJoin; }));
  EXPECT_TRUE(differs([](AIPathStyle& s) { s.stroke.miterLimit = 10; }));
  EXPECT_TRUE(differs([](AIPathStyle& s) { s.stroke.overprint = 1; }));
  EXPECT_TRUE(differs([](AIPathStyle& s) { s.stroke.color = host::GrayColor(0.9); }));
  EXPECT_TRUE(differs([](AIPathStyle& s) { s.fillPaint = 1; }));
  EXPECT_FALSE(differs([](AIPathStyle& s) { s.fill.overprint = 1; }));
  // A painted fill counts by its colour.
  AIPathStyle filled = base;
  filled.fillPaint = 1;
  AIPathStyle otherFill = filled;
  otherFill.fill.color = host::GrayColor(0.4);
  EXPECT_FALSE(SettingsEqual(Setting({{"A", filled}}), Setting({{"A", otherFill}})));
  // An unpainted stroke hides all its details.
  AIPathStyle bare = base, otherBare = base;
  bare.strokePaint = otherBare.strokePaint = 0;
  otherBare.stroke.color = host::NoColor();
  otherBare.stroke.cap = kAIRoundCap;
  EXPECT_TRUE(SettingsEqual(Setting({{"A", bare}}), Setting({{"A", otherBare}})));
}

TEST_F(SettingEquality, NoColourAndNotANumberAreNeverEqualEvenToThemselves) {
  const OverlapSetting none = Setting({{"A", Stroked(host::NoColor(), 4)}});
  EXPECT_FALSE(SettingsEqual(none, none));
  EXPECT_FALSE(ColorsEqual(host::GrayColor(NAN), host::GrayColor(NAN)));
  EXPECT_FALSE(ColorsEqual(host::GrayColor(0), host::RgbColor(0, 0, 0)));
  EXPECT_FALSE(ColorsEqual(host::RgbColor(1, 0.5, 0), host::RgbColor(1, 0.5, 0.2)));
  EXPECT_TRUE(
      ColorsEqual(host::CmykColor(0.1, 0.2, 0.3, 0.4), host::CmykColor(0.1, 0.2, 0.3, 0.4)));
  EXPECT_FALSE(
      ColorsEqual(host::CmykColor(0.1, 0.2, 0.3, 0.4), host::CmykColor(0.1, 0.2, 0.3, 0.5)));
}

TEST_F(SettingEquality, SwatchColoursCompareHandlesAndEveryListedField) {
  auto handle = [](std::uintptr_t value) { return reinterpret_cast<AICustomColorHandle>(value); };
  EXPECT_TRUE(
      ColorsEqual(host::CustomColorOf(handle(16), 0.5), host::CustomColorOf(handle(16), 0.5)));
  EXPECT_FALSE(
      ColorsEqual(host::CustomColorOf(handle(16), 0.5), host::CustomColorOf(handle(32), 0.5)));
  EXPECT_FALSE(
      ColorsEqual(host::CustomColorOf(handle(16), 0.5), host::CustomColorOf(handle(16), 0.4)));

  const AIColor pattern =
      host::PatternColorOf(reinterpret_cast<AIPatternHandle>(std::uintptr_t{64}));
  AIColor moved = pattern;
  moved.c.p.transform.tx = 1;  // through the host's matrix equality
  EXPECT_TRUE(ColorsEqual(pattern, pattern));
  EXPECT_FALSE(ColorsEqual(pattern, moved));
  moved = pattern;
  moved.c.p.reflect = 1;
  EXPECT_FALSE(ColorsEqual(pattern, moved));
  moved = pattern;
  moved.c.p.scale.v = 2;
  EXPECT_FALSE(ColorsEqual(pattern, moved));

  const AIColor gradient = host::GradientColorOf(
      reinterpret_cast<AIGradientHandle>(std::uintptr_t{128}), {1, 2}, 30, 100);
  AIColor other = gradient;
  EXPECT_TRUE(ColorsEqual(gradient, other));
  other.c.b.hiliteLength = 0.5;
  EXPECT_FALSE(ColorsEqual(gradient, other));
  other = gradient;
  other.c.b.matrix.a = NAN;
  EXPECT_FALSE(ColorsEqual(other, other));
}
