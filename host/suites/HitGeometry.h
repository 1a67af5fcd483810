// Where a point hits one art object: the geometry of the host's hit test. A path is hit on an
// anchor within the tolerance, else on a curve within the tolerance plus half its widest stroke,
// else inside its fill; other leaf art inside its bounds.
#pragma once

#include <cstdint>

#include "host/document/Art.h"

namespace host {

// The point of a cubic nearest to a point, and how far it is.
struct NearestPoint {
  AIReal t = 0;
  AIReal distance = 0;
};
// control: the start anchor, its out-handle, the end's in-handle, the end anchor.
NearestPoint NearestOnCubic(const AIRealPoint (&control)[4], AIRealPoint point);

// Whether point is inside the region the path encloses (an open path is closed by a line),
// by the non-zero winding rule or the even-odd rule.
bool InsidePath(const PathGeometry& path, bool evenOdd, AIRealPoint point);

// Half the widest painted stroke of the art's appearance: how far beyond its curves it is hit.
AIReal HalfWidestStroke(const Art& art);
// Whether the art's appearance paints a fill, so that it is hit inside.
bool HasFill(const Art& art);

struct ArtHit {
  std::int32_t type = -1;  // kAnchorHitType, kCurveHitType or kFillHitType
  std::int16_t segment = 0;
  AIReal parameter = 0;
};
// Answers whether point hits art (a leaf: path, text, placed or raster art), and where.
bool HitArt(const Art& art, AIRealPoint point, AIReal tolerance, ArtHit* hit);

}  // namespace host
