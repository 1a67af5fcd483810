#include "units/MeasurementUnits.h"

#include <cstdio>

#include "frame/SuiteTables.h"

AIUnitCode GetStrokeUnitCode() {
  std::int32_t strokeUnits = 2;  // points, unless the host says otherwise
  sAIPreference->GetIntegerPreference(nullptr, kAIStrokeUnitsPreference, &strokeUnits);
  switch (strokeUnits) {
    case 0:
      return kAIInchUnits;
    case 1:
      return kAIMillimeterUnits;
    case 2:
      return kAIPointUnits;
    case 3:
      return kAIPicaUnits;
    case 4:
      return kAICentimeterUnits;
    case 5:
      return kAIQUnits;
    case 6:
      return kAIPixelUnits;
    default:
      return 0;
  }
}

std::string_view MeasurementSuffix(AIUnitCode unit) {
  switch (unit) {
    case kAIPointUnits:
      return "pt";
    case kAIInchUnits:
      return "in";
    case kAIMillimeterUnits:
      return "mm";
    case kAICentimeterUnits:
      return "cm";
    case kAIPicaUnits:
      return "p";
    case kAIPercentUnits:
      return "%";
    case kAIQUnits:
      return "Q";
    case kAIPixelUnits:
      return "px";
    default:
      return "";
  }
}

std::string PrintMeasurement(double value, AIUnitCode unit) {
  constexpr std::size_t kLimit = 255;
  const std::string_view suffix = MeasurementSuffix(unit);
  const std::size_t room = kLimit - (suffix.empty() ? 0 : suffix.size() + 1);
  char number[kLimit + 1];
  const int length = std::snprintf(number, sizeof number, "%f", value);
  // Only values beyond about 1e240 do not fit; cutting their digits would make another number.
  if (length < 0 || static_cast<std::size_t>(length) > room)
    std::snprintf(number, sizeof number, "%e", value);
  std::string text = number;
  if (!suffix.empty()) text.append(" ").append(suffix);
  return text;
}

ai::UnicodeString FormatMeasurement(const AIExpressionOptions& options, double value,
                                    AIUnitCode unit) {
  const ai::UnicodeString expression(PrintMeasurement(value, unit));
  ai::UnicodeString result;
  AIBoolean changed = 0;
  AIReal evaluated = 0;
  // Only the text is wanted: the evaluator's code, flag and number are not.
  sAIUser->EvaluateExpression(expression.handle(), &options, result.handle(), &changed, &evaluated);
  return result;
}

ai::UnicodeString ShowPoints(double points, const AIExpressionOptions& options) {
  ai::UnicodeString expression;
  sAIUser->IUAIRealToString(points, 4, expression.handle());
  expression.append(ai::UnicodeString(" pt"));
  ai::UnicodeString result;
  AIBoolean changed = 0;
  AIReal evaluated = 0;
  sAIUser->EvaluateExpression(expression.handle(), &options, result.handle(), &changed, &evaluated);
  return result;
}

AIExpressionOptions DefaultExpressionOptions() {
  return AIExpressionOptions{kAIPointUnits, 0.0, 999999.0, 0.1, 3};
}
