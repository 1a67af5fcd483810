// The stroke-width command without its window: reading and checking what was typed, and the
// command's course through the host's preferences and document.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/frame/HostSuites.h"
#include "tools/StrokeWidthChange.h"
#include "tools/WidthModifierCommand.h"
#include "tools/WidthModifierInput.h"

namespace {

class WidthModifierTest : public HostSuitesTest {
 protected:
  void OpenPaths() {
    RunLines(std::string("open ") + LANEWORKS_SOURCE_DIR + "/tests/e2e/width_paths.json");
  }
  // The printed lines of one art object.
  std::string Printed(const std::string& id) {
    const std::size_t from = Lines().size();
    RunLines("print " + id);
    std::string text;
    for (std::size_t i = from + 1; i < Lines().size(); ++i) text += Lines()[i] + "\n";
    return text;
  }
  std::optional<double> Preference(const char* suffix) {
    const auto* value = host_.preferences().Find({"Mivor-LaneWorks1.5", suffix});
    if (value == nullptr) return std::nullopt;
    if (const auto* integer = std::get_if<std::int32_t>(value)) return *integer;
    return std::get<double>(*value);
  }
};

TEST_F(WidthModifierTest, BareNumbersAreReadInTheStrokeUnit) {
  EXPECT_TRUE(IsBareNumber(""));
  EXPECT_TRUE(IsBareNumber(" 1.5 "));
  EXPECT_TRUE(IsBareNumber("1.2.3"));
  EXPECT_FALSE(IsBareNumber("-1"));
  EXPECT_FALSE(IsBareNumber("1pt"));
  EXPECT_FALSE(IsBareNumber("１"));

  EXPECT_EQ(LeadingDecimalNumber(""), 0);
  EXPECT_EQ(LeadingDecimalNumber("  50%"), 50);
  EXPECT_EQ(LeadingDecimalNumber("\t-12.5abc"), -12.5);
  EXPECT_EQ(LeadingDecimalNumber("+50"), 50);  // a scale typed with its sign
  EXPECT_EQ(LeadingDecimalNumber("1.2.3"), 1.2);
  EXPECT_EQ(LeadingDecimalNumber(".5"), 0.5);
  EXPECT_EQ(LeadingDecimalNumber("abc"), 0);
  // Only plain decimals: nothing that would make an infinite or undefined scale.
  EXPECT_EQ(LeadingDecimalNumber("inf"), 0);
  EXPECT_EQ(LeadingDecimalNumber("nan"), 0);
  EXPECT_EQ(LeadingDecimalNumber("0x10"), 0);
  EXPECT_EQ(LeadingDecimalNumber("1e400"), 1);

  EXPECT_EQ(CheckAddingWidth("1", kAddWidth), 1.0);  // points by default
  SetStrokeUnits(1);
  EXPECT_EQ(CheckAddingWidth("1", kAddWidth), 2.835);  // 1 mm, through three decimals
  EXPECT_EQ(CheckAddingWidth("", kAddWidth), 0.0);
  EXPECT_EQ(CheckAddingWidth("2 pt", kAddWidth), 2.0);  // a unit is read as typed
  EXPECT_DOUBLE_EQ(*CheckAddingWidth("-0.5pt", kAddWidth), -0.5);
}

TEST_F(WidthModifierTest, AddingWidthsOutOfRangeAreRefusedInBothModes) {
  EXPECT_EQ(CheckAddingWidth("9999", kAddWidth), 9999.0);
  EXPECT_EQ(CheckAddingWidth("9999.001", kAddWidth), std::nullopt);
  // A bare number passes through the measurement's three decimals first.
  EXPECT_EQ(CheckAddingWidth("9999.0001", kAddWidth), 9999.0);
  EXPECT_EQ(CheckAddingWidth("-9999 pt", kAddWidth), -9999.0);
  EXPECT_EQ(CheckAddingWidth("-9999.0001 pt", kAddWidth), std::nullopt);
  EXPECT_EQ(CheckAddingWidth("0 pt", kScaleWidth), 0.0);
  EXPECT_EQ(CheckAddingWidth("-0.0001 pt", kScaleWidth), std::nullopt);
  EXPECT_EQ(CheckAddingWidth("1000000", kAddWidth), std::nullopt);
  EXPECT_EQ(CheckAddingWidth("3.6 in", kAddWidth), 259.2);
  EXPECT_EQ(CheckAddingWidth("139 in", kAddWidth), std::nullopt);  // 10008 pt
}

TEST_F(WidthModifierTest, StartUpShowsTheWidthInTheStrokeUnit) {
  EXPECT_EQ(AddingWidthDisplayText(0.25).as_UTF8(), "0.25 pt");
  EXPECT_EQ(ScaleDisplayText(110).as_UTF8(), "110");
  EXPECT_EQ(ScaleDisplayText(33.33333333).as_UTF8(), "33.3333333");
  SetStrokeUnits(1);
  EXPECT_EQ(AddingWidthDisplayText(0.25).as_UTF8(), "0.088 mm");
  // A stored negative width is shown as it is, so that OK keeps it.
  SetStrokeUnits(2);
  EXPECT_EQ(AddingWidthDisplayText(-0.5).as_UTF8(), "-0.5 pt");
  EXPECT_EQ(CheckAddingWidth(AddingWidthDisplayText(-0.5).as_UTF8(), kAddWidth), -0.5);
}

// OK on edits as they were shown must not move the values by the rounding of what was shown.
TEST_F(WidthModifierTest, UntouchedEditsKeepTheStoredValuesExactly) {
  SetStrokeUnits(0);
  const std::string shown = AddingWidthDisplayText(0.25).as_UTF8();
  ASSERT_EQ(shown, "0.003 in");
  EXPECT_EQ(ConfirmedAddingWidth(shown, shown, 0.25, kAddWidth), 0.25);
  EXPECT_EQ(ConfirmedAddingWidth("0.003 in", "0.0030 in", 0.25, kAddWidth), 0.216);  // as typed
  EXPECT_EQ(ConfirmedScale("33.3333333", "33.3333333", 33.33333333), 33.33333333);
  EXPECT_EQ(ConfirmedScale("50", "110", 110), 50);
  // Still checked: the scale mode refuses a negative width even when it is left as shown.
  EXPECT_EQ(ConfirmedAddingWidth("-0.5 pt", "-0.5 pt", -0.5, kAddWidth), -0.5);
  EXPECT_EQ(ConfirmedAddingWidth("-0.5 pt", "-0.5 pt", -0.5, kScaleWidth), std::nullopt);
  EXPECT_EQ(ConfirmedAddingWidth("9999 pt", "9999 pt", 20000, kAddWidth), std::nullopt);
}

TEST_F(WidthModifierTest, CancelStoresNothingAndOkStoresBeforeTheArtIsLookedAt) {
  WidthModifierSettings seen;
  EXPECT_EQ(RunWidthModifierCommand([&seen](WidthModifierSettings& settings) {
              seen = settings;
              settings.addingWidth = 7;
              return kCanceledErr;
            }),
            kCanceledErr);
  EXPECT_EQ(seen.type, kAddWidth);
  EXPECT_EQ(seen.addingWidth, 0.25);
  EXPECT_EQ(seen.scale, 110.0);
  EXPECT_TRUE(host_.preferences().All().empty());

  // No document at all: the values are kept all the same and the command ends well.
  EXPECT_EQ(RunWidthModifierCommand([](WidthModifierSettings& settings) {
              settings = {kScaleWidth, -1.5, 50};
              return kNoErr;
            }),
            kNoErr);
  EXPECT_EQ(Preference("Path Width Modifier Type"), 1);
  EXPECT_EQ(Preference("Path Width Modifier Adding Width"), -1.5);
  EXPECT_EQ(Preference("Path Width Modifier Scale"), 50);
  RunWidthModifierCommand([&seen](WidthModifierSettings& settings) {
    seen = settings;
    return kCanceledErr;
  });
  EXPECT_EQ(seen.type, kScaleWidth);
  EXPECT_EQ(seen.addingWidth, -1.5);
  EXPECT_EQ(seen.scale, 50.0);
}

TEST_F(WidthModifierTest, EveryStrokeOfTheSelectedPathsChanges) {
  OpenPaths();
  RunLines("select road casing park bridge label");
  const std::string unselected = Printed("unselected");
  const std::string park = Printed("park");
  const std::string label = Printed("label");
  ASSERT_EQ(ChangeSelectedStrokeWidths({kAddWidth, -0.5, 0}), kNoErr) << Text();
  // The 0.4 pt stroke goes; the rest of each stroke and the fill stay as they were.
  EXPECT_EQ(Printed("road"),
            "| path road selected, open, 2 anchors, anchors selected: 0 1\n"
            "|   (0 0) (100 0)\n"
            "|   stroke 0.5 pt gray 0 cap round dash 4 2\n"
            "|   fill gray 0.2\n");
  EXPECT_NE(Printed("casing").find("|   stroke 3.5 pt cmyk 0 0 0 1 join round\n"),
            std::string::npos);
  // A path inside a selected group is changed as a member of the selection.
  EXPECT_NE(Printed("bridge-deck").find("|   stroke 1.5 pt gray 1\n"), std::string::npos);
  EXPECT_EQ(Printed("unselected"), unselected);
  EXPECT_EQ(Printed("park"), park);
  EXPECT_EQ(Printed("label"), label);
  RunLines("held");
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << Text();
}

TEST_F(WidthModifierTest, ScalingToZeroRemovesEveryStrokeAndHalvingHalves) {
  OpenPaths();
  RunLines("select road casing");
  ASSERT_EQ(ChangeSelectedStrokeWidths({kScaleWidth, 0, 50}), kNoErr);
  EXPECT_NE(Printed("road").find("stroke 0.5 pt gray 0 cap round dash 4 2\n|   stroke 0.2 pt rgb"),
            std::string::npos);
  EXPECT_NE(Printed("casing").find("stroke 2 pt"), std::string::npos);
  ASSERT_EQ(ChangeSelectedStrokeWidths({kScaleWidth, 0, 0}), kNoErr);
  EXPECT_EQ(Printed("road").find("stroke"), std::string::npos);
  EXPECT_NE(Printed("road").find("fill gray 0.2"), std::string::npos);
  EXPECT_EQ(Printed("casing").find("stroke"), std::string::npos);
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << Text();
}

TEST_F(WidthModifierTest, TheFirstHostErrorEndsTheCommandKeepingWhatWasDone) {
  OpenPaths();
  RunLines("select road casing");
  // The selection runs front to back: road first, then casing.
  RunLines("fail SetArtStyle 2 NOPE");
  EXPECT_EQ(ChangeSelectedStrokeWidths({kAddWidth, 1, 0}), FourCharCode("NOPE"));
  EXPECT_NE(Printed("road").find("stroke 2 pt"), std::string::npos);
  EXPECT_NE(Printed("casing").find("stroke 4 pt"), std::string::npos);
  // The parser and the art set went back all the same.
  RunLines("held");
  EXPECT_TRUE(Has("held: art sets 0, parsers 0, rasters 0, blocks 0"));
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << Text();
}

}  // namespace
