// The host's preference store: values kept between runs of the host under a key made of a
// prefix (a plug-in's name; null or empty for the host's own preferences, such as
// "strokeUnits") and a suffix. Values are typed: a key holds a boolean, an integer or a real.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIPreferenceSuite[] = "AI Preference Suite";
constexpr std::int32_t kAIPreferenceSuiteVersion = 7;

// The host's own preference naming the unit of stroke widths: 0 inches, 1 millimetres,
// 2 points, 3 picas, 4 centimetres, 5 Q, 6 pixels.
constexpr char kAIStrokeUnitsPreference[] = "strokeUnits";

struct AIPreferenceSuite {
  // Each Get leaves *value untouched and answers 0 when the key holds nothing; a key holding a
  // value of another kind answers kBadParameterErr (an integer is read as a real, though).
  // suffix must be a non-empty text.
  AIErr (*GetBooleanPreference)(const char* prefix, const char* suffix, AIBoolean* value);
  AIErr (*PutBooleanPreference)(const char* prefix, const char* suffix, AIBoolean value);
  AIErr (*GetIntegerPreference)(const char* prefix, const char* suffix, std::int32_t* value);
  AIErr (*PutIntegerPreference)(const char* prefix, const char* suffix, std::int32_t value);
  AIErr (*GetRealPreference)(const char* prefix, const char* suffix, AIReal* value);
  // A value that is not finite is refused with kBadParameterErr.
  AIErr (*PutRealPreference)(const char* prefix, const char* suffix, AIReal value);
};
