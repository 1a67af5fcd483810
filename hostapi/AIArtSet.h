// Ordered sets of art objects.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIArtSetSuite[] = "AI Art Set Suite";
constexpr std::int32_t kAIArtSetSuiteVersion = 9;
struct AIArtSetSuite;  // functions are declared as the plug-in comes to call them
