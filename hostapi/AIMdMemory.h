// Host memory handles.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIMdMemorySuite[] = "AI MdMemory Suite";
constexpr std::int32_t kAIMdMemorySuiteVersion = 3;
struct AIMdMemorySuite;  // functions are declared as the plug-in comes to call them
