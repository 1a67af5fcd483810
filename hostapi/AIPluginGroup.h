// Plug-in group art.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIPluginGroupSuite[] = "AI Plugin Group Suite";
constexpr std::int32_t kAIPluginGroupSuiteVersion = 6;
struct AIPluginGroupSuite;  // functions are declared as the plug-in comes to call them
