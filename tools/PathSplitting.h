// Opening closed paths and splitting open paths at one place, through the host's path, art and
// Bezier suites. A place on a path is an anchor index k, or a curve index s with a parameter t:
// curve s runs from anchor s - 1 (t = 0) to anchor s (t = 1), and on a closed path curve 0 is the
// closing curve from the last anchor to anchor 0. The place is used as given; nothing is
// searched for here.
//
// Every operation answers a host error code. A host error ends the operation at once and is
// answered unchanged; what was written before it stays written, except that a split never
// leaves its piece behind half made. Refusals that this code makes itself (a cut at an end
// anchor, an index or a t out of range, a path too long) come before any change.
#pragma once

#include <cstdint>

#include "hostapi/AIPath.h"
#include "tools/PathSegmentBuffer.h"

// A cut that would need a path longer than the host allows (kMaxPathSegments), counting the
// anchor the cut adds; the path is left as it was.
constexpr ASErr kPathTooLongErr = FourCharCode("!len");

// Opens a closed path at anchor k: the path becomes the open path k, k + 1, ..., n - 1, 0, ...,
// k - 1, k of n + 1 anchors, starting and ending with full copies of anchor k. It stays the same
// art object. A path of fewer than two anchors is left as it is.
ASErr OpenClosedPathAtAnchor(PathSegmentBuffer& buffer, AIArtHandle path, std::int16_t k);

// Inserts a smooth anchor at t on curve s of a closed path and opens the path there: the new
// anchor is first and last.
ASErr OpenClosedPathOnCurve(PathSegmentBuffer& buffer, AIArtHandle path, std::int16_t s, AIReal t);

// Splits an open path at interior anchor k: the path keeps anchors 0 to k, and a copy placed
// directly above it (*piece) keeps anchors k to n - 1. An end anchor answers kCutAtEndpointErr.
// A path of fewer than two anchors is left as it is and makes no piece. *piece is written only
// when a piece is made; when a cut fails, the copy is disposed of again.
ASErr SplitOpenPathAtAnchor(AIArtHandle path, std::int16_t k, AIArtHandle* piece);

// Inserts a smooth anchor at t on curve s of an open path and splits the path there.
ASErr SplitOpenPathOnCurve(AIArtHandle path, std::int16_t s, AIReal t, AIArtHandle* piece);
