// Layers of the current document.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAILayerSuite[] = "AI Layer Suite";
constexpr std::int32_t kAILayerSuiteVersion = 13;
struct AILayerSuite;  // functions are declared as the plug-in comes to call them
