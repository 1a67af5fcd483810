// Custom (spot) colours of the current document.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAICustomColorSuite[] = "AI Custom Color Suite";
constexpr std::int32_t kAICustomColorSuiteVersion = 8;
struct AICustomColorSuite;  // functions are declared as the plug-in comes to call them
