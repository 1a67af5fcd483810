// Opening web addresses.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIURLSuite[] = "AI URL Suite";
constexpr std::int32_t kAIURLSuiteVersion = 3;
struct AIURLSuite;  // functions are declared as the plug-in comes to call them
