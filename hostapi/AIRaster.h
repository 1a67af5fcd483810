// Raster art.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIRasterSuite[] = "AI Raster Suite";
constexpr std::int32_t kAIRasterSuiteVersion = 10;
struct AIRasterSuite;  // functions are declared as the plug-in comes to call them
