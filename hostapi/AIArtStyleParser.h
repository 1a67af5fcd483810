// Reading and editing the paint fields of an art style.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIArtStyleParserSuite[] = "AI Art Style Parser Suite";
constexpr std::int32_t kAIArtStyleParserSuiteVersion = 9;
struct AIArtStyleParserSuite;  // functions are declared as the plug-in comes to call them
