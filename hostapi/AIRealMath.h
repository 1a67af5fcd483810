// Real-number and matrix arithmetic.
#pragma once

#include "hostapi/AITypes.h"

constexpr char kAIRealMathSuite[] = "AI Real Math Suite";
constexpr std::int32_t kAIRealMathSuiteVersion = 4;

struct AIRealMathSuite {
  // True when every field of both matrices is equal.
  AIBoolean (*AIRealMatrixEqual)(const AIRealMatrix* a, const AIRealMatrix* b);
};
