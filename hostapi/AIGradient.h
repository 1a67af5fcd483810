// Gradients of the current document.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIGradientSuite[] = "AI Gradient Suite";
constexpr std::int32_t kAIGradientSuiteVersion = 9;
struct AIGradientSuite;  // functions are declared as the plug-in comes to call them
