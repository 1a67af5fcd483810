#include <gtest/gtest.h>

#include "tests/frame/HostSuites.h"
#include "units/MeasurementUnits.h"

namespace {

using MeasurementUnitsTest = HostSuitesTest;

TEST_F(MeasurementUnitsTest, StrokeUnitFollowsTheHostPreferenceAtEveryCall) {
  EXPECT_EQ(GetStrokeUnitCode(), kAIPointUnits);  // not set: points
  const AIUnitCode expected[] = {kAIInchUnits, kAIMillimeterUnits, kAIPointUnits,
                                 kAIPicaUnits, kAICentimeterUnits, kAIQUnits,
                                 kAIPixelUnits};
  for (std::int32_t value = 0; value <= 6; ++value) {
    SetStrokeUnits(value);
    EXPECT_EQ(GetStrokeUnitCode(), expected[value]) << "strokeUnits " << value;
  }
  for (std::int32_t value : {-1, 7, 100}) {
    SetStrokeUnits(value);
    EXPECT_EQ(GetStrokeUnitCode(), 0) << "strokeUnits " << value;
  }
  // A value of another kind cannot be read: points, as when it is missing.
  host_.preferences().Put({"", kAIStrokeUnitsPreference}, 1.0);
  EXPECT_EQ(GetStrokeUnitCode(), kAIPointUnits);
}

TEST_F(MeasurementUnitsTest, PrintsSixDecimalsAndTheUnitsSuffix) {
  EXPECT_EQ(PrintMeasurement(2.5, kAIMillimeterUnits), "2.500000 mm");
  EXPECT_EQ(PrintMeasurement(-0.5, kAIPointUnits), "-0.500000 pt");
  EXPECT_EQ(PrintMeasurement(1, kAIInchUnits), "1.000000 in");
  EXPECT_EQ(PrintMeasurement(1, kAICentimeterUnits), "1.000000 cm");
  EXPECT_EQ(PrintMeasurement(1, kAIPicaUnits), "1.000000 p");
  EXPECT_EQ(PrintMeasurement(50, kAIPercentUnits), "50.000000 %");
  EXPECT_EQ(PrintMeasurement(3, kAIDegreeUnits), "3.000000");
  EXPECT_EQ(PrintMeasurement(3, kAIBaseUnits), "3.000000");
  EXPECT_EQ(PrintMeasurement(4, kAIQUnits), "4.000000 Q");
  EXPECT_EQ(PrintMeasurement(2, kAIPixelUnits), "2.000000 px");
  EXPECT_EQ(PrintMeasurement(2, 0), "2.000000");
  EXPECT_EQ(PrintMeasurement(2, 42), "2.000000");
  // Too long for 255 bytes in full: an exponent, never digits cut off.
  const std::string huge = PrintMeasurement(1e300, kAIMillimeterUnits);
  EXPECT_LE(huge.size(), 255u);
  EXPECT_EQ(huge, "1.000000e+300 mm");
  EXPECT_EQ(PrintMeasurement(1e240, kAIPointUnits).size(), 241u + 7 + 3);  // still fits
}

TEST_F(MeasurementUnitsTest, FormatMeasurementHandsThePrintedTextToTheEvaluator) {
  host_.expressions().Trace(true);
  SetStrokeUnits(1);
  const ai::UnicodeString text =
      FormatMeasurement(DefaultExpressionOptions(), 2.5, GetStrokeUnitCode());
  EXPECT_EQ(text.as_UTF8(), "7.087 pt");
  EXPECT_TRUE(
      Has("evaluate \"2.500000 mm\" in unit 1 [0, 999999] default 0.1 precision 3 -> "
          "\"7.087 pt\" 7.087"));
  // The options' unit and range rule the text; only the text comes back.
  const AIExpressionOptions inches{kAIInchUnits, 0.0, 1.0, 0.0, 2};
  EXPECT_EQ(FormatMeasurement(inches, 144, kAIPointUnits).as_UTF8(), "1 in");
  // Text the evaluator cannot read: whatever it answers (its default) is the result.
  EXPECT_EQ(FormatMeasurement(DefaultExpressionOptions(), 50, kAIPercentUnits).as_UTF8(), "0.1 pt");
  EXPECT_EQ(host_.transcript().ViolationCount(), 0);
}

}  // namespace
