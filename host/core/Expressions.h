// The host's number-to-text conversion and its evaluator of measurement expressions
// ("12.5 mm", "-0.5pt", "110"), behind the AI User Suite.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/core/Transcript.h"
#include "hostapi/AIUser.h"

namespace host {

// value with at most decimals places, trailing zeros and a trailing point removed, never "-0";
// null for a value that is not finite.
std::optional<std::string> FormatReal(double value, int decimals);

// The suffix printed after a value in unit: "pt", "%", or empty for a bare unit.
std::string_view UnitSuffix(AIUnitCode unit);

struct Evaluation {
  AIErr error = kNoErr;  // kExpressionNotValidErr for a text that is not a measurement
  double value = 0;      // converted and rounded, not limited
  std::string text;      // limited to the options' range, with the unit's suffix
};

// Evaluates expression under options, which must be valid (see ValidOptions).
Evaluation Evaluate(std::string_view expression, const AIExpressionOptions& options);
// Whether options can be evaluated under: a precision of 0 to 15, finite limits in order and a
// finite default.
bool ValidOptions(const AIExpressionOptions& options);

class Expressions {
 public:
  explicit Expressions(Transcript& transcript) : transcript_(transcript) {}

  // Writes every evaluation, with its options and answer, to the transcript.
  void Trace(bool on) { trace_ = on; }
  bool Tracing() const { return trace_; }

  // The AI User Suite's functions for numbers and expressions.
  static AIErr IUAIRealToString(AIReal value, std::int16_t decimals, AIUnicodeStringRef text);
  static AIErr EvaluateExpression(AIUnicodeStringRef expression, const AIExpressionOptions* options,
                                  AIUnicodeStringRef result, AIBoolean* changed, AIReal* value);

 private:
  Transcript& transcript_;
  bool trace_ = false;
};

}  // namespace host
