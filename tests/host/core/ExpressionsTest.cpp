#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/core/Alerts.h"
#include "host/core/Expressions.h"
#include "host/core/Host.h"
#include "host/core/Utf.h"

namespace {

AIExpressionOptions In(AIUnitCode unit, int precision = 3, double min = -1e6, double max = 1e6,
                       double fallback = 0.0) {
  return AIExpressionOptions{unit, min, max, fallback, precision};
}

TEST(FormatReal, PrintsTheDecimalsAskedWithoutTrailingZeros) {
  EXPECT_EQ(host::FormatReal(0.25, 4), "0.25");
  EXPECT_EQ(host::FormatReal(110.0, 7), "110");
  EXPECT_EQ(host::FormatReal(-0.5, 3), "-0.5");
  EXPECT_EQ(host::FormatReal(2.8346456693, 3), "2.835");
  EXPECT_EQ(host::FormatReal(12.0, 0), "12");
  EXPECT_EQ(host::FormatReal(-0.0001, 3), "0");  // never "-0"
  EXPECT_EQ(host::FormatReal(std::numeric_limits<double>::quiet_NaN(), 3), std::nullopt);
  EXPECT_EQ(host::FormatReal(std::numeric_limits<double>::infinity(), 3), std::nullopt);
}

TEST(Evaluate, ConvertsEveryUnitToTheOptionsUnit) {
  const struct {
    const char* text;
    AIUnitCode unit;
    const char* result;
  } cases[] = {
      {"1 in", kAIPointUnits, "72 pt"},
      {"25.4 mm", kAIPointUnits, "72 pt"},
      {"1cm", kAIPointUnits, "28.346 pt"},
      {"1 p", kAIPointUnits, "12 pt"},
      {"2pc", kAIPointUnits, "24 pt"},
      {"4 Q", kAIMillimeterUnits, "1 mm"},
      {"3 px", kAIPointUnits, "3 pt"},
      {"36 pt", kAIInchUnits, "0.5 in"},
      {"0.25 pt", kAIMillimeterUnits, "0.088 mm"},
      {"1 in", kAICentimeterUnits, "2.54 cm"},
      {"12 pt", kAIPicaUnits, "1 p"},
      {"1 mm", kAIQUnits, "4 Q"},
      {"2 PT", kAIPointUnits, "2 pt"},
      {"  -1.5mm ", kAIMillimeterUnits, "-1.5 mm"},
      {"+.5 in", kAIPointUnits, "36 pt"},
      {"1e2 pt", kAIPointUnits, "100 pt"},
      // A bare number is in the options' unit already.
      {"7", kAIMillimeterUnits, "7 mm"},
      // A length for a unit without suffix is taken in points.
      {"1 in", 0, "72"},
      {"50 %", kAIPercentUnits, "50 %"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const host::Evaluation evaluation = host::Evaluate(c.text, In(c.unit));
    EXPECT_EQ(evaluation.error, kNoErr);
    EXPECT_EQ(evaluation.text, c.result);
  }
  EXPECT_DOUBLE_EQ(host::Evaluate("1 mm", In(kAIPointUnits, 7)).value, 2.8346457);
}

TEST(Evaluate, HoldsTheTextToTheRangeButAnswersTheNumberAsRead) {
  // The caller can tell an out-of-range entry from the limit itself.
  const host::Evaluation above = host::Evaluate("10000 pt", In(kAIPointUnits, 7, -9999, 9999));
  EXPECT_EQ(above.text, "9999 pt");
  EXPECT_EQ(above.value, 10000.0);
  const host::Evaluation below = host::Evaluate("-0.5 pt", In(kAIMillimeterUnits, 3, 0, 9999));
  EXPECT_EQ(below.text, "0 mm");
  EXPECT_DOUBLE_EQ(below.value, -0.176);
  EXPECT_EQ(host::Evaluate("9999.00000004 pt", In(kAIPointUnits, 7, -9999, 9999)).value, 9999.0);
}

TEST(Evaluate, TakesTheOptionsUnitAsItIsAndRefusesWhatOverflowsOnConversion) {
  // Through points and back, the last digit changed and a re-read answer differed from itself.
  EXPECT_EQ(host::Evaluate("-5472.25 cm", In(kAICentimeterUnits, 15)).text, "-5472.25 cm");
  EXPECT_EQ(host::Evaluate("12.5 mm", In(kAIMillimeterUnits, 15)).value, 12.5);
  // Finite as typed, infinite in the options' unit.
  for (const auto& [text, unit] :
       {std::pair{"1e308 in", kAIPointUnits}, std::pair{"1e308pc", AIUnitCode{99}},
        std::pair{"-1e307 in", kAIMillimeterUnits}}) {
    SCOPED_TRACE(text);
    const host::Evaluation evaluation = host::Evaluate(text, In(unit, 3, 0, 100, 0.1));
    EXPECT_EQ(evaluation.error, kExpressionNotValidErr);
    EXPECT_EQ(evaluation.value, 0.1);
  }
}

TEST(Evaluate, AnswersGarbageWithAnErrorAndTheDefaultValue) {
  const char* garbage[] = {
      "",    "abc",  "pt",  "1 pt pt", "1 mm2", "--1",   "1e",  ".", "1..2",
      "1 2", "0x10", "inf", "nan",     "１",    "1e999", "50 %"};  // a percentage is no length
  for (const char* text : garbage) {
    SCOPED_TRACE(text);
    const host::Evaluation evaluation = host::Evaluate(text, In(kAIPointUnits, 3, 0, 100, 0.1));
    EXPECT_EQ(evaluation.error, kExpressionNotValidErr);
    EXPECT_EQ(evaluation.value, 0.1);
    EXPECT_EQ(evaluation.text, "0.1 pt");
  }
  // A default outside the range is held to it.
  EXPECT_EQ(host::Evaluate("x", In(kAIPointUnits, 3, 1, 5, 9)).text, "5 pt");
  EXPECT_EQ(host::Evaluate("2 mm", In(kAIPercentUnits)).error, kExpressionNotValidErr);
}

class ExpressionSuiteTest : public ::testing::Test {
 protected:
  AIUnicodeStringRef Make(const std::string& text) {
    return host_.strings().Add(*host::Utf8ToUtf16(text));
  }
  std::string Text(AIUnicodeStringRef string) { return host_.strings().Utf8(string, "test"); }

  host::Host host_;
  const AIUserSuite& suite_ = *host::Alerts::Suite();
};

TEST_F(ExpressionSuiteTest, FillsTheCallersStringsAndTracesWhenAsked) {
  host_.expressions().Trace(true);
  const AIUnicodeStringRef expression = Make("1 in");
  const AIUnicodeStringRef result = Make("old");
  const AIExpressionOptions options{kAIMillimeterUnits, 0, 999, 0, 2};
  AIBoolean changed = 0;
  AIReal value = 0;
  EXPECT_EQ(suite_.EvaluateExpression(expression, &options, result, &changed, &value), kNoErr);
  EXPECT_EQ(Text(result), "25.4 mm");
  EXPECT_EQ(changed, 1);
  EXPECT_DOUBLE_EQ(value, 25.4);
  EXPECT_EQ(host_.transcript().Lines().back(),
            "evaluate \"1 in\" in unit 3 [0, 999] default 0 precision 2 -> \"25.4 mm\" 25.4");

  // A text already in normal form is not changed; the flag and the number may be left out.
  const AIUnicodeStringRef same = Make("25.4 mm");
  EXPECT_EQ(suite_.EvaluateExpression(same, &options, result, &changed, nullptr), kNoErr);
  EXPECT_EQ(changed, 0);

  EXPECT_EQ(suite_.IUAIRealToString(0.25, 4, result), kNoErr);
  EXPECT_EQ(Text(result), "0.25");
  EXPECT_EQ(host_.transcript().ViolationCount(), 0);
}

TEST_F(ExpressionSuiteTest, RefusesBadArgumentsWithoutTouchingTheResult) {
  const AIUnicodeStringRef expression = Make("1 pt");
  const AIUnicodeStringRef result = Make("kept");
  AIExpressionOptions options{kAIPointUnits, 0, 10, 0, 3};
  const AIUnicodeStringRef stale = Make("gone");
  host_.strings().Remove(stale);
  EXPECT_EQ(suite_.EvaluateExpression(stale, &options, result, nullptr, nullptr), kStaleHandleErr);
  EXPECT_EQ(suite_.EvaluateExpression(expression, nullptr, result, nullptr, nullptr),
            kBadParameterErr);
  options.precision = 16;
  EXPECT_EQ(suite_.EvaluateExpression(expression, &options, result, nullptr, nullptr),
            kBadParameterErr);
  options = {kAIPointUnits, 10, 0, 0, 3};  // limits out of order
  EXPECT_EQ(suite_.EvaluateExpression(expression, &options, result, nullptr, nullptr),
            kBadParameterErr);
  EXPECT_EQ(suite_.IUAIRealToString(1.0, -1, result), kBadParameterErr);
  EXPECT_EQ(suite_.IUAIRealToString(std::nan(""), 3, result), kBadParameterErr);
  EXPECT_EQ(Text(result), "kept");
  EXPECT_EQ(host_.transcript().ViolationCount(), 5);
}

}  // namespace
