// Segments of path art.
#pragma once

#include "hostapi/AITypes.h"

constexpr char kAIPathSuite[] = "AI Path Suite";
constexpr std::int32_t kAIPathSuiteVersion = 12;

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

// Segment indices and counts are 16-bit. Writing at index n (one past the last) appends.
struct AIPathSuite {
  AIErr (*GetPathSegmentCount)(AIArtHandle path, std::int16_t* count);
  AIErr (*GetPathSegments)(AIArtHandle path, std::int16_t index, std::int16_t count,
                           AIPathSegment* segments);
  AIErr (*SetPathSegments)(AIArtHandle path, std::int16_t index, std::int16_t count,
                           const AIPathSegment* segments);
  // The new records take indices index to index + count - 1; later records move up.
  AIErr (*InsertPathSegments)(AIArtHandle path, std::int16_t index, std::int16_t count,
                              const AIPathSegment* segments);
  AIErr (*DeletePathSegments)(AIArtHandle path, std::int16_t index, std::int16_t count);
  AIErr (*GetPathClosed)(AIArtHandle path, AIBoolean* closed);
  AIErr (*SetPathClosed)(AIArtHandle path, AIBoolean closed);
  AIErr (*GetPathSegmentSelected)(AIArtHandle path, std::int16_t index, AIBoolean* selected);
  AIErr (*SetPathSegmentSelected)(AIArtHandle path, std::int16_t index, AIBoolean selected);
};
