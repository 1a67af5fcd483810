// The host's interface colours.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIUserInterfaceThemeSuite[] = "AI User Interface Theme Suite";
constexpr std::int32_t kAIUserInterfaceThemeSuiteVersion = 2;
struct AIUserInterfaceThemeSuite;  // functions are declared as the plug-in comes to call them
