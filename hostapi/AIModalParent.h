// The parent window of modal dialogs.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIModalParentSuite[] = "AI Modal Parent Suite";
constexpr std::int32_t kAIModalParentSuiteVersion = 2;
struct AIModalParentSuite;  // functions are declared as the plug-in comes to call them
