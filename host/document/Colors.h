// Making colours, and turning them into sRGB for drawing.
#pragma once

#include <optional>

#include "host/document/Swatches.h"
#include "hostapi/AIColor.h"

namespace host {

AIColor NoColor();
AIColor GrayColor(AIReal gray);
AIColor CmykColor(AIReal cyan, AIReal magenta, AIReal yellow, AIReal black);
AIColor RgbColor(AIReal red, AIReal green, AIReal blue);
AIColor CustomColorOf(AICustomColorHandle color, AIReal tint);
// A gradient running from origin along angle for length, with no further transformation.
AIColor GradientColorOf(AIGradientHandle gradient, AIRealPoint origin, AIReal angle, AIReal length);
// A pattern tiled from the art's origin with no transformation.
AIColor PatternColorOf(AIPatternHandle pattern);
AIRealMatrix IdentityMatrix();

bool IsProcessColor(const AIColor& color);  // gray, four- or three-colour

// A custom colour at a tint, as the process colour that prints the same.
AIColor TintedBase(const CustomColor& color, AIReal tint);

struct Rgb {
  double red;
  double green;
  double blue;
};

// The sRGB appearance of a colour: CMYK by the naive formula, custom colours through their base
// and tint, patterns by their flat colour, gradients by their first stop. None for no colour or
// for a swatch that is not in the library.
std::optional<Rgb> ToRgb(const AIColor& color, const SwatchLibrary& swatches);

}  // namespace host
