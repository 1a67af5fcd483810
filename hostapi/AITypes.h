// Geometry records, art and layer handles, and the numbers the host and its plug-ins share for art
// types, user attributes and paint orders.
#pragma once

#include <cstdint>

#include "hostapi/SPTypes.h"

struct AIRealRect {
  AIReal left;
  AIReal top;
  AIReal right;
  AIReal bottom;
};

// Maps (x, y) to (a x + c y + tx, b x + d y + ty).
struct AIRealMatrix {
  AIReal a;
  AIReal b;
  AIReal c;
  AIReal d;
  AIReal tx;
  AIReal ty;
};

// Opaque references to objects of the current document. The plug-in never looks inside them.
using AIArtHandle = struct _AIArt*;
using AILayerHandle = struct _AILayer*;
using AIArtSetHandle = struct _AIArtSet*;

// Art types, as GetArtType answers them.
using AIArtType = std::int16_t;
constexpr AIArtType kUnknownArt = 0;
constexpr AIArtType kGroupArt = 1;
constexpr AIArtType kPathArt = 2;
constexpr AIArtType kCompoundPathArt = 3;
constexpr AIArtType kPlacedArt = 4;
constexpr AIArtType kRasterArt = 5;
constexpr AIArtType kTextFrameArt = 6;

// User attribute bits of art.
using AIArtUserAttr = std::int32_t;
constexpr AIArtUserAttr kArtSelected = 1;
constexpr AIArtUserAttr kArtLocked = 2;
constexpr AIArtUserAttr kArtHidden = 4;

// Where new or moved art goes relative to a reference art (for layers, a reference layer).
using AIPaintOrder = std::int16_t;
constexpr AIPaintOrder kPlaceAbove = 1;           // directly in front of the reference
constexpr AIPaintOrder kPlaceBelow = 2;           // directly behind the reference
constexpr AIPaintOrder kPlaceInsideOnTop = 3;     // front-most member of the reference group
constexpr AIPaintOrder kPlaceInsideOnBottom = 4;  // back-most member of the reference group
