// Custom (spot) colours of the current document.
#pragma once

#include "hostapi/AIColor.h"

constexpr char kAICustomColorSuite[] = "AI Custom Color Suite";
constexpr std::int32_t kAICustomColorSuiteVersion = 8;

struct AICustomColorSuite {
  // 0 when the handle names a live swatch of the current document, kStaleHandleErr otherwise.
  AIErr (*ValidateCustomColor)(AICustomColorHandle handle);
};
