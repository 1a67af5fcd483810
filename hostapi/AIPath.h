// Segments of path art.
#pragma once

#include "hostapi/AITypes.h"

constexpr char kAIPathSuite[] = "AI Path Suite";
constexpr std::int32_t kAIPathSuiteVersion = 12;
struct AIPathSuite;  // functions are declared as the plug-in comes to call them

// One anchor of a path with its two direction handles. A smooth point (corner false) keeps its
// handles in line through the anchor.
struct AIPathSegment {
  AIRealPoint p;    // anchor
  AIRealPoint in;   // handle toward the previous anchor
  AIRealPoint out;  // handle toward the next anchor
  AIBoolean corner;
};

// Segment counts and indices are 16-bit; the host refuses paths longer than this.
constexpr std::int16_t kMaxPathSegments = 32000;
