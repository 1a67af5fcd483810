// Art styles: the whole appearance of art (every fill and stroke, in order).
#pragma once

#include "hostapi/AITypes.h"

constexpr char kAIArtStyleSuite[] = "AI Art Style Suite";
constexpr std::int32_t kAIArtStyleSuiteVersion = 8;

// An art style belongs to the document; the plug-in does not dispose of it.
using AIArtStyleHandle = struct _AIArtStyle*;

struct AIArtStyleSuite {
  AIErr (*GetArtStyle)(AIArtHandle art, AIArtStyleHandle* style);
  // Gives art the appearance of style.
  AIErr (*SetArtStyle)(AIArtHandle art, AIArtStyleHandle style);
};
