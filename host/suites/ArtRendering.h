// Drawing document art with the host's rasteriser: what the Rasterize suite renders.
#pragma once

#include "host/document/Art.h"
#include "host/document/Swatches.h"
#include "host/render/Canvas.h"

namespace host {

// From artwork coordinates (y up, points) to canvas pixels (y down).
struct PixelMapping {
  AIReal left;   // artwork x at the canvas's left edge
  AIReal top;    // artwork y at the canvas's top edge
  AIReal scale;  // pixels per point
};

// Paints art onto canvas: each fill and stroke of its appearance from the back-most to the
// front-most; groups and layer groups member by member from the back; a compound path as one
// shape of all its members. Curves are flattened to a tenth of a pixel. Colours are shown as
// ToRgb gives them; "no colour" paints nothing. Text, placed images and raster art are not
// drawn. Hidden and locked states play no part.
void DrawArt(render::Canvas& canvas, const Art& art, const SwatchLibrary& swatches,
             const PixelMapping& mapping, bool antialias);

}  // namespace host
