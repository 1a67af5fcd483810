// Facts about the running host.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIRuntimeSuite[] = "AI Runtime Suite";
constexpr std::int32_t kAIRuntimeSuiteVersion = 13;
struct AIRuntimeSuite;  // functions are declared as the plug-in comes to call them
