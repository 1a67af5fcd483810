// Recordable actions.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIActionManagerSuite[] = "AI Action Manager Suite";
constexpr std::int32_t kAIActionManagerSuiteVersion = 5;
struct AIActionManagerSuite;  // functions are declared as the plug-in comes to call them
