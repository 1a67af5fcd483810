// The host's list of plug-in files.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kSPFilesSuite[] = "SP Files Suite";
constexpr std::int32_t kSPFilesSuiteVersion = 4;
struct SPFilesSuite;  // functions are declared as the plug-in comes to call them
