// Patterns of the current document.
#pragma once

#include "hostapi/AIColor.h"

constexpr char kAIPatternSuite[] = "AI Pattern Suite";
constexpr std::int32_t kAIPatternSuiteVersion = 10;

struct AIPatternSuite {
  // 0 when the handle names a live swatch of the current document, kStaleHandleErr otherwise.
  AIErr (*ValidatePattern)(AIPatternHandle handle);
};
