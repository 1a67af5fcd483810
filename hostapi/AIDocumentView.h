// Views of the current document.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIDocumentViewSuite[] = "AI Document View Suite";
constexpr std::int32_t kAIDocumentViewSuiteVersion = 14;
struct AIDocumentViewSuite;  // functions are declared as the plug-in comes to call them
