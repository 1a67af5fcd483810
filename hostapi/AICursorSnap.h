// Snapping the cursor to artwork.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAICursorSnapSuite[] = "AI Cursor Snap Suite";
constexpr std::int32_t kAICursorSnapSuiteVersion = 16;
struct AICursorSnapSuite;  // functions are declared as the plug-in comes to call them
