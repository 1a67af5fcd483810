// Patterns of the current document.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIPatternSuite[] = "AI Pattern Suite";
constexpr std::int32_t kAIPatternSuiteVersion = 10;
struct AIPatternSuite;  // functions are declared as the plug-in comes to call them
