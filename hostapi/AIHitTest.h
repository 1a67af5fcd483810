// Hit testing artwork at a point.
#pragma once

#include "hostapi/AITypes.h"

constexpr char kAIHitTestSuite[] = "AI Hit Test Suite";
constexpr std::int32_t kAIHitTestSuiteVersion = 7;

// The result of one hit test, counted by the host until released.
using AIHitRef = struct _AIHitRef*;

// Requests: what a hit test looks for.
// Anchors, curves and fills of paths, and other art inside its bounds. The hit is the front-most
// visible, unlocked art under the point; on it an anchor beats a curve, a curve beats a fill.
constexpr std::int32_t kAllHitRequest = 8;

// Hit types.
constexpr std::int32_t kAnchorHitType = 0;  // an anchor; the segment index is the anchor's
constexpr std::int32_t kCurveHitType = 3;   // a curve; segment index s and parameter t (below)
constexpr std::int32_t kFillHitType = 4;    // inside a filled path, or inside other art's bounds

struct AIHitTestSuite {
  // Hit-tests art and its members (null: the whole document) at point with request, within a
  // tolerance of 3 points at 100 % (3 / zoom of the current view). *hit gets a new reference
  // also when nothing is hit; every reference must be released with Release. Hidden and locked
  // art is never hit.
  AIErr (*HitTest)(AIArtHandle art, const AIRealPoint* point, std::int32_t request, AIHitRef* hit);
  // Gives the reference back; it is stale afterwards.
  AIErr (*Release)(AIHitRef hit);
  // True when something was hit.
  AIBoolean (*IsHit)(AIHitRef hit);
  // The art hit; null when nothing was hit.
  AIArtHandle (*GetHitArt)(AIHitRef hit);
  // kAnchorHitType, kCurveHitType or kFillHitType; -1 when nothing was hit.
  std::int32_t (*GetHitType)(AIHitRef hit);
  // For an anchor hit, the anchor's index. For a curve hit, the curve index s: curve s runs from
  // anchor s - 1 to anchor s, and curve 0 of a closed path from the last anchor to anchor 0.
  std::int16_t (*GetHitSegment)(AIHitRef hit);
  // For a curve hit, the parameter t (0 to 1) of the point of curve s nearest to the hit point.
  AIReal (*GetHitParameter)(AIHitRef hit);
};
