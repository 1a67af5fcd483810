// Art styles: the appearance of art.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIArtStyleSuite[] = "AI Art Style Suite";
constexpr std::int32_t kAIArtStyleSuiteVersion = 8;
struct AIArtStyleSuite;  // functions are declared as the plug-in comes to call them
