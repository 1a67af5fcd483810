// The host's folders.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIFoldersSuite[] = "AI Folders Suite";
constexpr std::int32_t kAIFoldersSuiteVersion = 5;
struct AIFoldersSuite;  // functions are declared as the plug-in comes to call them
