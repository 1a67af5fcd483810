#include "host/core/Expressions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "host/core/Host.h"
#include "host/core/Utf.h"

namespace host {
namespace {

enum class Dimension { kNone, kLength, kPercent };

struct Unit {
  std::string_view suffix;
  Dimension dimension;
  double points;  // points per unit, for lengths
};

Unit UnitOf(AIUnitCode code) {
  switch (code) {
    case kAIPointUnits:
      return {"pt", Dimension::kLength, 1.0};
    case kAIInchUnits:
      return {"in", Dimension::kLength, 72.0};
    case kAIMillimeterUnits:
      return {"mm", Dimension::kLength, 72.0 / 25.4};
    case kAICentimeterUnits:
      return {"cm", Dimension::kLength, 720.0 / 25.4};
    case kAIPicaUnits:
      return {"p", Dimension::kLength, 12.0};
    case kAIPercentUnits:
      return {"%", Dimension::kPercent, 0.0};
    case kAIQUnits:
      return {"Q", Dimension::kLength, 18.0 / 25.4};  // a quarter millimetre
    case kAIPixelUnits:
      return {"px", Dimension::kLength, 1.0};
    default:
      return {"", Dimension::kNone, 0.0};
  }
}

// The suffixes read, longest first so that "pt" is not taken for "p" followed by "t".
constexpr std::pair<std::string_view, AIUnitCode> kSuffixes[] = {
    {"pt", kAIPointUnits},      {"in", kAIInchUnits}, {"mm", kAIMillimeterUnits},
    {"cm", kAICentimeterUnits}, {"pc", kAIPicaUnits}, {"px", kAIPixelUnits},
    {"p", kAIPicaUnits},        {"q", kAIQUnits},     {"%", kAIPercentUnits},
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

struct Measurement {
  double number;
  std::optional<AIUnitCode> unit;  // none for a bare number
};

// A number (optional sign, digits with an optional fraction, an optional exponent) and an
// optional unit suffix; nothing else.
std::optional<Measurement> Parse(std::string_view text) {
  text = Trim(text);
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const std::size_t start = at;
  std::size_t digits = 0;
  while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && IsDigit(text[exponent])) {
      at = exponent;
      while (at < text.size() && IsDigit(text[at])) ++at;
    }
  }
  double number = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + at, number);
  if (error != std::errc() || end != text.data() + at || !std::isfinite(number))
    return std::nullopt;
  Measurement measurement{negative ? -number : number, std::nullopt};

  std::string_view rest = Trim(text.substr(at));
  if (rest.empty()) return measurement;
  for (const auto& [suffix, unit] : kSuffixes) {
    if (rest.size() != suffix.size()) continue;
    if (std::equal(rest.begin(), rest.end(), suffix.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == b;
        })) {
      measurement.unit = unit;
      return measurement;
    }
  }
  return std::nullopt;
}

// The measurement in the target unit; null when the dimensions do not meet (a length read for
// a percentage or the other way round). A length read for a bare unit is taken in points.
std::optional<double> Convert(const Measurement& measurement, AIUnitCode target) {
  // The same unit is taken as it is: there and back through points would change the last digit.
  if (!measurement.unit || *measurement.unit == target) return measurement.number;
  const Unit from = UnitOf(*measurement.unit);
  const Unit to = UnitOf(target);
  if (from.dimension == Dimension::kPercent) {
    if (to.dimension == Dimension::kLength) return std::nullopt;
    return measurement.number;
  }
  switch (to.dimension) {
    case Dimension::kLength:
      return measurement.number * from.points / to.points;
    case Dimension::kPercent:
      return std::nullopt;
    case Dimension::kNone:
      return measurement.number * from.points;
  }
  return std::nullopt;
}

std::string PrintFixed(double value, int decimals) {
  const int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
  text.resize(static_cast<std::size_t>(size));
  return text;
}

// value rounded to decimals places, the way it is printed.
double Round(double value, int decimals) {
  const std::string text = PrintFixed(value, decimals);
  double rounded = 0;
  const char* first = text.data() + (text[0] == '-' ? 1 : 0);
  std::from_chars(first, text.data() + text.size(), rounded);
  return text[0] == '-' ? -rounded : rounded;  // -0 when rounding reaches zero; callers add 0
}

std::string WithSuffix(const std::string& number, AIUnitCode unit) {
  const std::string_view suffix = UnitSuffix(unit);
  return suffix.empty() ? number : number + " " + std::string(suffix);
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

}  // namespace

std::optional<std::string> FormatReal(double value, int decimals) {
  if (!std::isfinite(value)) return std::nullopt;
  std::string text = PrintFixed(value, decimals);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

std::string_view UnitSuffix(AIUnitCode unit) {
  return UnitOf(unit).suffix;
}

bool ValidOptions(const AIExpressionOptions& options) {
  return options.precision >= 0 && options.precision <= 15 && std::isfinite(options.minValue) &&
         std::isfinite(options.maxValue) && options.minValue <= options.maxValue &&
         std::isfinite(options.defaultValue);
}

Evaluation Evaluate(std::string_view expression, const AIExpressionOptions& options) {
  Evaluation evaluation;
  std::optional<double> value;
  if (const auto measurement = Parse(expression)) value = Convert(*measurement, options.unit);
  // A huge number in a large unit can overflow on conversion; it is no measurement either.
  if (value && !std::isfinite(*value)) value.reset();
  if (!value) {
    evaluation.error = kExpressionNotValidErr;
    value = std::clamp(options.defaultValue, options.minValue, options.maxValue);
  }
  evaluation.value = Round(*value, options.precision) + 0.0;
  const double shown = std::clamp(*value, options.minValue, options.maxValue);
  evaluation.text = WithSuffix(*FormatReal(shown, options.precision), options.unit);
  return evaluation;
}

AIErr Expressions::IUAIRealToString(AIReal value, std::int16_t decimals, AIUnicodeStringRef text) {
  Host& host = Host::Current();
  std::u16string* target = host.strings().Find(text, "IUAIRealToString");
  if (target == nullptr) return kStaleHandleErr;
  if (decimals < 0 || decimals > 15) {
    host.transcript().Violation("IUAIRealToString with " + std::to_string(decimals) +
                                " decimals (0 to 15 allowed)");
    return kBadParameterErr;
  }
  const std::optional<std::string> printed = FormatReal(value, decimals);
  if (!printed) return kBadParameterErr;
  *target = *Utf8ToUtf16(*printed);
  return kNoErr;
}

AIErr Expressions::EvaluateExpression(AIUnicodeStringRef expression,
                                      const AIExpressionOptions* options, AIUnicodeStringRef result,
                                      AIBoolean* changed, AIReal* value) {
  Host& host = Host::Current();
  const std::u16string* source = host.strings().Find(expression, "EvaluateExpression");
  std::u16string* target = host.strings().Find(result, "EvaluateExpression");
  if (source == nullptr || target == nullptr) return kStaleHandleErr;
  if (options == nullptr || !ValidOptions(*options)) {
    host.transcript().Violation(
        "EvaluateExpression with options missing, out of order or with a precision outside 0 "
        "to 15");
    return kBadParameterErr;
  }
  const std::string text = Utf16ToUtf8(*source);
  const Evaluation evaluation = Evaluate(text, *options);
  Expressions& self = host.expressions();
  if (self.trace_) {
    self.transcript_.Line("evaluate " + Quote(text) + " in unit " + std::to_string(options->unit) +
                          " [" + Number(options->minValue) + ", " + Number(options->maxValue) +
                          "] default " + Number(options->defaultValue) + " precision " +
                          std::to_string(options->precision) + " -> " +
                          (evaluation.error != kNoErr ? FormatCode(evaluation.error) + " " : "") +
                          Quote(evaluation.text) + " " + Number(evaluation.value));
  }
  *target = *Utf8ToUtf16(evaluation.text);
  if (changed != nullptr) *changed = evaluation.text != text ? 1 : 0;
  if (value != nullptr) *value = evaluation.value;
  return evaluation.error;
}

}  // namespace host
