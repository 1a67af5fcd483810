// Host arrays.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIArraySuite[] = "AI Array Suite";
constexpr std::int32_t kAIArraySuiteVersion = 6;
struct AIArraySuite;  // functions are declared as the plug-in comes to call them
