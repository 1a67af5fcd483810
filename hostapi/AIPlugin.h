// Host plug-in options.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIPluginSuite[] = "AI Plugin Suite";
constexpr std::int32_t kAIPluginSuiteVersion = 5;
struct AIPluginSuite;  // functions are declared as the plug-in comes to call them
