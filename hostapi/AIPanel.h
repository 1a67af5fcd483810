// Dockable host panels.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIPanelSuite[] = "AI Panel Suite";
constexpr std::int32_t kAIPanelSuiteVersion = 4;
struct AIPanelSuite;  // functions are declared as the plug-in comes to call them
