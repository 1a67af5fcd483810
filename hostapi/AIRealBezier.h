// Cubic Bezier arithmetic.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIRealBezierSuite[] = "AI Real Bezier Suite";
constexpr std::int32_t kAIRealBezierSuiteVersion = 4;
struct AIRealBezierSuite;  // functions are declared as the plug-in comes to call them
