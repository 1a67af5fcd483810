// Real-number and matrix arithmetic.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIRealMathSuite[] = "AI Real Math Suite";
constexpr std::int32_t kAIRealMathSuiteVersion = 4;
struct AIRealMathSuite;  // functions are declared as the plug-in comes to call them
