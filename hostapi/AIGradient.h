// Gradients of the current document.
#pragma once

#include "hostapi/AIColor.h"

constexpr char kAIGradientSuite[] = "AI Gradient Suite";
constexpr std::int32_t kAIGradientSuiteVersion = 9;

struct AIGradientSuite {
  // 0 when the handle names a live swatch of the current document, kStaleHandleErr otherwise.
  AIErr (*ValidateGradient)(AIGradientHandle handle);
};
