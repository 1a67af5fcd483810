// Art objects of the current document.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIArtSuite[] = "AI Art Suite";
constexpr std::int32_t kAIArtSuiteVersion = 20;
struct AIArtSuite;  // functions are declared as the plug-in comes to call them
