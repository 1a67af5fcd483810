// The current document.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIDocumentSuite[] = "AI Document Suite";
constexpr std::int32_t kAIDocumentSuiteVersion = 17;
struct AIDocumentSuite;  // functions are declared as the plug-in comes to call them
