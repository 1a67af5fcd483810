// Stroke widths are held in points; they are shown and read in the unit the user chose for
// strokes in the host's preferences. Every conversion between units is the host's expression
// evaluator's: the plug-in prints a value with its unit's suffix and lets the host normalise it.
#pragma once

#include <string>
#include <string_view>

#include "hostapi/AIUser.h"
#include "hostapi/IAIUnicodeString.h"

// The unit of the host's "strokeUnits" preference, read afresh at every call: points when the
// preference cannot be read, 0 (a bare number) for a value the host does not define.
AIUnitCode GetStrokeUnitCode();

// The suffix printed after a value in unit ("pt", "%", ...); empty for codes without one.
std::string_view MeasurementSuffix(AIUnitCode unit);

// value with six decimals, a full stop, a blank and unit's suffix ("2.500000 mm"), at most 255
// bytes: a value too large for that is printed with an exponent instead, which the host reads
// as the same number.
std::string PrintMeasurement(double value, AIUnitCode unit);

// value, in unit, as the host's evaluator normalises it under options: converted to
// options.unit, held to its range, with its precision and suffix. Whatever the evaluator
// answers is used as it is; it may be empty when the evaluator fails.
ai::UnicodeString FormatMeasurement(const AIExpressionOptions& options, double value,
                                    AIUnitCode unit);

// points as the user reads them: printed by the host with four decimals and " pt", then
// normalised by its evaluator under options (converted to options.unit, held to its range, with
// its precision and suffix). Whatever the evaluator answers is used, as in FormatMeasurement.
ai::UnicodeString ShowPoints(double points, const AIExpressionOptions& options);

// Points, 0 to 999999, default 0.1, three decimals.
AIExpressionOptions DefaultExpressionOptions();
