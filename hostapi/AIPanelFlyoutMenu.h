// Flyout menus of host panels.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIPanelFlyoutMenuSuite[] = "AI Panel Flyout Menu Suite";
constexpr std::int32_t kAIPanelFlyoutMenuSuiteVersion = 2;
struct AIPanelFlyoutMenuSuite;  // functions are declared as the plug-in comes to call them
