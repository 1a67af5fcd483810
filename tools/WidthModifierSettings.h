// What the stroke-width command does: add a width to every stroke, or scale every stroke by a
// percentage. The dialog edits it; the host's preferences keep it between runs.
#pragma once

#include <cstdint>

enum WidthModifierType : std::int32_t {
  kAddWidth = 0,    // add addingWidth to each stroke width
  kScaleWidth = 1,  // multiply each stroke width by scale / 100
};

struct WidthModifierSettings {
  std::int32_t type = kAddWidth;
  double addingWidth = 0.25;  // points; may be negative
  double scale = 110.0;       // percent
};

// Overwrites each field that the host's preferences hold; the others keep their values.
void ReadWidthModifierPreferences(WidthModifierSettings& settings);
void WriteWidthModifierPreferences(const WidthModifierSettings& settings);

// The width a stroke of width gets; zero or less means the stroke goes.
double NewStrokeWidth(double width, const WidthModifierSettings& settings);
