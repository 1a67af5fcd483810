// The values of the stroke-width dialog as text: what its edits show at start-up, and how what
// the user typed is read and checked when OK is pressed. Kept apart from the dialog procedure so
// that it runs without a window.
#pragma once

#include <optional>
#include <string_view>

#include "hostapi/AIUser.h"
#include "hostapi/IAIUnicodeString.h"

// The refusal of an adding width out of range, shown in the host's information alert.
inline constexpr char kInvalidValueMessage[] = "指定された値が無効です";

// The edits hold at most this many characters when they are read.
constexpr int kWidthModifierTextLimit = 15;

// The adding width in the user's stroke unit, three decimals.
ai::UnicodeString AddingWidthDisplayText(double addingWidth);
// The scale with up to seven decimals (trailing zeros dropped: "110").
ai::UnicodeString ScaleDisplayText(double scale);

// Whether text is a bare number in the user's stroke unit: empty, or only blanks, full stops
// and the digits 0 to 9.
bool IsBareNumber(std::string_view text);
// The value of the decimal number that text starts with, after any leading white space, with
// an optional sign and fraction; 0 when it starts with none. Never infinite or not a number.
double LeadingDecimalNumber(std::string_view text);

// The adding width, in points, that text (UTF-8, as typed) means: a bare number is in the
// user's stroke unit, anything else is evaluated as typed. Null when the value is outside
// -9999 to 9999 points (0 to 9999 in scale mode, type kScaleWidth).
std::optional<double> CheckAddingWidth(std::string_view text, std::int32_t type);

// What OK takes from the edits. The texts shown are rounded (the adding width to three decimals
// in the stroke unit: 0.25 pt shows as "0.003 in"), so an edit still holding exactly what was
// shown keeps the stored value itself; anything else is read as typed. The adding width is
// checked either way: null when it is out of range for type.
std::optional<double> ConfirmedAddingWidth(std::string_view text, std::string_view shown,
                                           double stored, std::int32_t type);
double ConfirmedScale(std::string_view text, std::string_view shown, double stored);

// The options under which an adding width is shown, and checked.
AIExpressionOptions AddingWidthShownOptions(AIUnitCode strokeUnit);
AIExpressionOptions AddingWidthCheckOptions(std::int32_t type);
