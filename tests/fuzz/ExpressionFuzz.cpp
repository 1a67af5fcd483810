// Malformed measurement expressions: the evaluator answers a finite value and a text within the
// options' range, and reading that text again gives the same text. Through the suite, expressions
// that are not valid UTF-16 and options that are not valid are refused without harm.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "host/core/Alerts.h"
#include "host/core/Expressions.h"
#include "host/core/Host.h"
#include "host/core/Utf.h"
#include "tests/fuzz/FuzzLoop.h"

namespace {

const std::vector<std::string> kExpressions = {
    "12.5 mm", "-0.5pt", "110",  "1 in", "25.4 mm", "2pc", "4 Q",  "50%",
    "1e3 px",  " 3 cm ", "+.5p", "0",    "1.",      "-0",  "7 PT", "1e-3in"};
const std::vector<std::string> kUnitWords = {"pt", "in", "mm", "cm", "pc", "px", "p", "q",
                                             "Q",  "%",  "e",  "E",  "+",  "-",  ".", " "};

// The options of an input, written before its expression: "unit min max default precision".
struct Options {
  AIExpressionOptions value;
  std::string expression;
};

double Limit(fuzz::Random& random) {
  if (fuzz::OneIn(random, 4)) return fuzz::UnusualNumber(random);
  return (static_cast<double>(fuzz::Below(random, 200001)) - 100000) / 8;
}

std::string MakeInput(const fuzz::Mutator& mutator, fuzz::Random& random) {
  const AIUnitCode units[] = {kAIPointUnits,
                              kAIInchUnits,
                              kAIMillimeterUnits,
                              kAICentimeterUnits,
                              kAIPicaUnits,
                              kAIPercentUnits,
                              kAIQUnits,
                              kAIPixelUnits,
                              99,
                              -1};
  double low = Limit(random);
  double high = Limit(random);
  if (!fuzz::OneIn(random, 8) && low > high) std::swap(low, high);
  const double fallback = fuzz::OneIn(random, 2) ? low : Limit(random);
  const int precision = static_cast<int>(fuzz::Below(random, 18)) - 1;
  char header[160];
  std::snprintf(header, sizeof header, "%d %.17g %.17g %.17g %d\n",
                static_cast<int>(units[fuzz::Below(random, std::size(units))]), low, high, fallback,
                precision);
  return header + mutator.Next(random);
}

Options ReadInput(const std::string& input) {
  const std::size_t lineEnd = input.find('\n');
  std::istringstream header(input.substr(0, lineEnd));
  std::string low, high, fallback;
  int unit = 0;
  int precision = 0;
  header >> unit >> low >> high >> fallback >> precision;
  const AIExpressionOptions options{unit, std::strtod(low.c_str(), nullptr),
                                    std::strtod(high.c_str(), nullptr),
                                    std::strtod(fallback.c_str(), nullptr), precision};
  return {options, input.substr(lineEnd + 1)};
}

std::string CheckEvaluation(const Options& input) {
  const AIExpressionOptions& options = input.value;
  const host::Evaluation evaluation = host::Evaluate(input.expression, options);
  if (evaluation.error != kNoErr && evaluation.error != kExpressionNotValidErr) {
    return "answered " + host::FormatCode(evaluation.error);
  }
  if (!std::isfinite(evaluation.value)) {
    return "answered a value that is not finite: " + std::to_string(evaluation.value);
  }
  if (evaluation.text.empty() || !host::Utf8ToUtf16(evaluation.text)) {
    return "answered an empty or malformed text";
  }
  const host::Evaluation again = host::Evaluate(evaluation.text, options);
  if (again.error != kNoErr || again.text != evaluation.text) {
    return "its answer \"" + evaluation.text + "\" reads as \"" + again.text + "\"";
  }
  if (again.value < options.minValue - 1e-9 * std::abs(options.minValue) - 1 ||
      again.value > options.maxValue + 1e-9 * std::abs(options.maxValue) + 1) {
    return "its answer \"" + evaluation.text + "\" is outside the range";
  }
  return "";
}

// The suite with the expression's bytes as UTF-16 code units when they are not UTF-8, so that
// unpaired surrogates reach it too.
std::string CheckSuite(host::Host& host, const Options& input) {
  const auto utf16 = host::Utf8ToUtf16(input.expression);
  std::u16string units = utf16 ? *utf16 : std::u16string();
  if (!utf16) {
    for (std::size_t i = 0; i + 1 < input.expression.size(); i += 2) {
      units += static_cast<char16_t>(static_cast<unsigned char>(input.expression[i]) << 8 |
                                     static_cast<unsigned char>(input.expression[i + 1]));
    }
  }
  const AIUnicodeStringRef expression = host.strings().Add(units);
  const AIUnicodeStringRef result = host.strings().Add(u"");
  AIBoolean changed = 0;
  AIReal value = 0;
  const int violations = host.transcript().ViolationCount();
  const AIErr error =
      host::Alerts::Suite()->EvaluateExpression(expression, &input.value, result, &changed, &value);
  host.strings().Remove(expression);
  host.strings().Remove(result);
  if (!host::ValidOptions(input.value)) {
    if (error != kBadParameterErr || host.transcript().ViolationCount() != violations + 1) {
      return "options that are not valid were not refused";
    }
    return "";
  }
  if (error != kNoErr && error != kExpressionNotValidErr) {
    return "the suite answered " + host::FormatCode(error);
  }
  if (!std::isfinite(value)) return "the suite answered a value that is not finite";
  return "";
}

TEST(Fuzz, Expressions) {
  const fuzz::Mutator mutator(kExpressions, kUnitWords);
  host::Host host;
  fuzz::Run({"Expressions", 1500, [&](fuzz::Random& random) { return MakeInput(mutator, random); },
             [&](const std::string& text) {
               const Options input = ReadInput(text);
               if (host::ValidOptions(input.value)) {
                 if (std::string problem = CheckEvaluation(input); !problem.empty()) return problem;
               }
               return CheckSuite(host, input);
             }});
}

}  // namespace
