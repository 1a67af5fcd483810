// The appearance of art: its fills and strokes, front-most first, and the path-wide flags. The
// path style that the host reports is the focal fill and focal stroke of this list: the
// front-most fill and the front-most stroke.
#pragma once

#include <variant>
#include <vector>

#include "hostapi/AIPathStyle.h"

namespace host {

using PaintField = std::variant<AIFillStyle, AIStrokeStyle>;

constexpr AIReal kDefaultResolution = 800;

struct Appearance {
  std::vector<PaintField> paint;  // index 0 is painted last, in front of the others
  bool evenOdd = false;
  bool clip = false;
  bool lockClip = false;
  AIReal resolution = kDefaultResolution;
};

// What a path style reports for a fill or stroke the appearance does not have.
AIFillStyle DefaultFill();
AIStrokeStyle DefaultStroke();

// A fill or stroke paints when it exists and its colour is not "no colour"; the style then holds
// that field's values, otherwise the field's values as they are (or the defaults).
AIPathStyle FocalStyle(const Appearance& appearance);

// Writes a path style back so that FocalStyle then reports it. A painted fill or stroke replaces
// the focal one, or is added (a fill behind everything, a stroke in front of everything) when
// there is none; an unpainted one keeps the focal field with no colour, so its other values stay.
void ApplyFocalStyle(Appearance& appearance, const AIPathStyle& style);

}  // namespace host
