// Host memory blocks.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kSPBlocksSuite[] = "SP Blocks Suite";
constexpr std::int32_t kSPBlocksSuiteVersion = 2;
struct SPBlocksSuite;  // functions are declared as the plug-in comes to call them
