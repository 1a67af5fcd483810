// Alerts, number formatting and the evaluation of measurement expressions.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIUserSuite[] = "AI User Suite";
constexpr std::int32_t kAIUserSuiteVersion = 17;

// Unit codes of measurement expressions, each with the suffix the host prints for it.
using AIUnitCode = std::int32_t;
constexpr AIUnitCode kAIPointUnits = 1;       // "pt"
constexpr AIUnitCode kAIInchUnits = 2;        // "in"
constexpr AIUnitCode kAIMillimeterUnits = 3;  // "mm"
constexpr AIUnitCode kAICentimeterUnits = 4;  // "cm"
constexpr AIUnitCode kAIPicaUnits = 5;        // "p" (also read: "pc")
constexpr AIUnitCode kAIPercentUnits = 6;     // "%"
constexpr AIUnitCode kAIDegreeUnits = 7;      // printed without a suffix
constexpr AIUnitCode kAIQUnits = 8;           // "Q"
constexpr AIUnitCode kAIBaseUnits = 9;        // printed without a suffix
constexpr AIUnitCode kAIPixelUnits = 10;      // "px"

// How EvaluateExpression reads and writes a value.
struct AIExpressionOptions {
  AIUnitCode unit;  // the unit of the result; a bare number is read in it
  AIReal minValue;  // the result text is held to [minValue, maxValue]
  AIReal maxValue;
  AIReal defaultValue;     // the answer for a text that is not a measurement
  std::int32_t precision;  // decimal places of the result, 0 to 15
};

// EvaluateExpression's answer for a text that is not a measurement, or one in a unit that
// cannot be converted to the options' unit (a length against a percentage).
constexpr AIErr kExpressionNotValidErr = FourCharCode("EXP?");

struct AIUserSuite {
  // An information alert with one button; returns when the user has dismissed it.
  AIErr (*MessageAlert)(AIUnicodeStringRef text);
  // An error alert with one button.
  AIErr (*ErrorAlert)(AIUnicodeStringRef text);
  // A question with the buttons Yes and No; answers 1 for Yes, 0 for No (or a bad text).
  AIBoolean (*YesNoAlert)(AIUnicodeStringRef text);
  // Writes value into the caller's string with at most decimals (0 to 15) places, trailing
  // zeros and a trailing point removed ("0.25", "110", "-3"). A value that is not finite is
  // refused with kBadParameterErr and leaves the string as it was.
  AIErr (*IUAIRealToString)(AIReal value, std::int16_t decimals, AIUnicodeStringRef text);
  // Reads expression: a number with an optional sign, fraction and exponent, then an optional
  // unit suffix (pt, in, mm, cm, p or pc, Q, px, %), blanks around allowed. The value is
  // converted to options->unit (a bare number is taken in that unit already) and rounded to
  // options->precision. *value gets that number as read, not limited, so that the caller can
  // refuse what is out of range; result gets it held to [minValue, maxValue], printed as by
  // IUAIRealToString followed by a blank and the unit's suffix (no blank for a bare unit).
  // *changed tells whether the result text differs from the expression. A text that is not a
  // measurement answers kExpressionNotValidErr with the options' default value in both.
  // result is the caller's string; changed and value may be null.
  AIErr (*EvaluateExpression)(AIUnicodeStringRef expression, const AIExpressionOptions* options,
                              AIUnicodeStringRef result, AIBoolean* changed, AIReal* value);
};
