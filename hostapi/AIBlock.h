// Memory blocks owned by the plug-in.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIBlockSuite[] = "AI Block Suite";
constexpr std::int32_t kAIBlockSuiteVersion = 4;
struct AIBlockSuite;  // functions are declared as the plug-in comes to call them
