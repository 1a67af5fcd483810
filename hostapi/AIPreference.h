// The host's preference store.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIPreferenceSuite[] = "AI Preference Suite";
constexpr std::int32_t kAIPreferenceSuiteVersion = 7;
struct AIPreferenceSuite;  // functions are declared as the plug-in comes to call them
