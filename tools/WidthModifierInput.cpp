#include "tools/WidthModifierInput.h"

#include <charconv>

#include "frame/SuiteTables.h"
#include "tools/WidthModifierSettings.h"
#include "units/MeasurementUnits.h"

namespace {

constexpr double kWidthLimit = 9999.0;

// The evaluator's text for expression under options; its number through *value.
ai::UnicodeString Evaluate(const ai::UnicodeString& expression, const AIExpressionOptions& options,
                           AIReal* value) {
  ai::UnicodeString result;
  AIBoolean changed = 0;
  // The evaluator answers text it cannot read with its default value; that answer is used.
  sAIUser->EvaluateExpression(expression.handle(), &options, result.handle(), &changed, value);
  return result;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

AIExpressionOptions AddingWidthShownOptions(AIUnitCode strokeUnit) {
  // The minimum is that of add mode's check, not 0: a negative width that was accepted and
  // stored must be shown as it is, or pressing OK again would silently turn it into 0.
  return AIExpressionOptions{strokeUnit, -kWidthLimit, kWidthLimit, 0.0, 3};
}

AIExpressionOptions AddingWidthCheckOptions(std::int32_t type) {
  return AIExpressionOptions{kAIPointUnits, type == kAddWidth ? -kWidthLimit : 0.0, kWidthLimit,
                             0.0, 7};
}

ai::UnicodeString AddingWidthDisplayText(double addingWidth) {
  return ShowPoints(addingWidth, AddingWidthShownOptions(GetStrokeUnitCode()));
}

ai::UnicodeString ScaleDisplayText(double scale) {
  ai::UnicodeString text;
  sAIUser->IUAIRealToString(scale, 7, text.handle());
  return text;
}

bool IsBareNumber(std::string_view text) {
  for (char c : text) {
    if (c != ' ' && c != '.' && !IsDigit(c)) return false;
  }
  return true;
}

double LeadingDecimalNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const std::size_t start = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) ++at;
  }
  // Plain digits only (no exponent, "inf" or "nan"): fifteen of them cannot overflow.
  double value = 0;
  if (std::from_chars(text.data() + start, text.data() + at, value).ec != std::errc()) return 0;
  return negative ? -value : value;
}

std::optional<double> CheckAddingWidth(std::string_view text, std::int32_t type) {
  const ai::UnicodeString expression =
      IsBareNumber(text) ? FormatMeasurement(DefaultExpressionOptions(), LeadingDecimalNumber(text),
                                             GetStrokeUnitCode())
                         : ai::UnicodeString(text);
  const AIExpressionOptions options = AddingWidthCheckOptions(type);
  AIReal width = 0;
  Evaluate(expression, options, &width);
  if (width < options.minValue || width > options.maxValue) return std::nullopt;
  return width;
}

std::optional<double> ConfirmedAddingWidth(std::string_view text, std::string_view shown,
                                           double stored, std::int32_t type) {
  if (text != shown) return CheckAddingWidth(text, type);
  const AIExpressionOptions options = AddingWidthCheckOptions(type);
  if (!(stored >= options.minValue && stored <= options.maxValue)) return std::nullopt;
  return stored;
}

double ConfirmedScale(std::string_view text, std::string_view shown, double stored) {
  return text == shown ? stored : LeadingDecimalNumber(text);
}
