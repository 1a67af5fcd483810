// Colours as the host stores them in fills, strokes and swatches. Gray, four-colour and
// three-colour values are plain numbers from 0 to 1; patterns, custom colours and gradients refer
// to swatches of the document by handle.
#pragma once

#include <cstdint>

#include "hostapi/AITypes.h"

using AIPatternHandle = struct _AIPattern*;
using AICustomColorHandle = struct _AICustomColor*;
using AIGradientHandle = struct _AIGradient*;

enum AIColorTag : std::int32_t {
  kGrayColor = 0,
  kFourColor = 1,  // CMYK
  kPattern = 2,
  kCustomColor = 3,  // a spot or global colour swatch
  kGradient = 4,
  kThreeColor = 5,  // RGB
  kNoneColor = 6,   // no paint
};

struct AIGrayColorStyle {
  AIReal gray;  // ink: 0 is white, 1 is black
};

struct AIFourColorStyle {
  AIReal cyan;
  AIReal magenta;
  AIReal yellow;
  AIReal black;
};

struct AIThreeColorStyle {
  AIReal red;
  AIReal green;
  AIReal blue;
};

struct AIPatternStyle {
  AIPatternHandle pattern;
  AIReal shiftDist;   // offset of the tiling from the art's origin, in points
  AIReal shiftAngle;  // degrees
  AIRealPoint scale;  // horizontal and vertical scale factors
  AIReal rotate;      // degrees
  AIBoolean reflect;
  AIReal reflectAngle;
  AIReal shearAngle;
  AIReal shearAxis;
  AIRealMatrix transform;  // applied after the fields above
};

struct AICustomColorStyle {
  AICustomColorHandle color;
  AIReal tint;  // 0 is the full colour, 1 is none of it (white)
};

struct AIGradientStyle {
  AIGradientHandle gradient;
  AIRealPoint gradientOrigin;  // start of a linear gradient, centre of a radial one
  AIReal gradientAngle;        // degrees, counter-clockwise from the x axis
  AIReal gradientLength;       // points
  AIRealMatrix matrix;         // from gradient space to artwork space
  AIReal hiliteAngle;          // radial gradients: direction of the highlight, degrees
  AIReal hiliteLength;         // radial gradients: highlight distance as a fraction of the length
};

union AIColorUnion {
  AIGrayColorStyle g;
  AIFourColorStyle f;
  AIThreeColorStyle rgb;
  AIPatternStyle p;
  AICustomColorStyle c;
  AIGradientStyle b;
};

struct AIColor {
  AIColorTag kind;
  AIColorUnion c;  // the member that kind names
};
