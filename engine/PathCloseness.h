// Whether two paths follow each other closely along their whole length: the measure of a stack
// whose copies drifted apart. Pure geometry over segment records; no host calls.
#pragma once

#include <vector>

#include "hostapi/AIPath.h"

struct PathShape {
  std::vector<AIPathSegment> segments;
  bool closed = false;
};

// Points along every curve of shape (curve s runs from anchor s - 1 to anchor s; a closed path
// also has the curve from its last anchor back to its first), anchors included, with consecutive
// points at most step apart along the control polygon. A path of one anchor gives that anchor;
// no anchors give nothing. step must be positive; a curve gets at most 4,096 pieces.
std::vector<AIRealPoint> PointsAlong(const PathShape& shape, AIReal step);

// True when every point of a lies within reach of b and every point of b within reach of a,
// measured on the curves: each path is followed as a polyline of points at most reach / 8 apart,
// so the answer may be off by about a sixteenth of reach. False when either path has no anchors.
bool WithinReachOfEachOther(const PathShape& a, const PathShape& b, AIReal reach);
