// Hit testing artwork at a point.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIHitTestSuite[] = "AI Hit Test Suite";
constexpr std::int32_t kAIHitTestSuiteVersion = 7;
struct AIHitTestSuite;  // functions are declared as the plug-in comes to call them
