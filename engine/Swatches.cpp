#include "engine/Swatches.h"

#include "frame/SuiteTables.h"

namespace {

bool ColorPresent(const AIColor& color) {
  switch (color.kind) {
    case kPattern:
      return sAIPattern->ValidatePattern(color.c.p.pattern) == kNoErr;
    case kCustomColor:
      return sAICustomColor->ValidateCustomColor(color.c.c.color) == kNoErr;
    case kGradient:
      return sAIGradient->ValidateGradient(color.c.b.gradient) == kNoErr;
    default:
      return true;
  }
}

}  // namespace

bool SwatchesPresent(const AIPathStyle& style) {
  // Both are asked, as create has always asked them.
  const bool fill = !style.fillPaint || ColorPresent(style.fill.color);
  const bool stroke = !style.strokePaint || ColorPresent(style.stroke.color);
  return fill && stroke;
}
