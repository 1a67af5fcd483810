// Turning art into raster art.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIRasterizeSuite[] = "AI Rasterize Suite";
constexpr std::int32_t kAIRasterizeSuiteVersion = 12;
struct AIRasterizeSuite;  // functions are declared as the plug-in comes to call them
