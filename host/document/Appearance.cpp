#include "host/document/Appearance.h"

#include "host/document/Colors.h"

namespace host {
namespace {

template <typename Field>
PaintField* FocalField(std::vector<PaintField>& paint) {
  for (PaintField& field : paint) {
    if (std::holds_alternative<Field>(field)) return &field;
  }
  return nullptr;
}

template <typename Field>
const Field* FocalField(const std::vector<PaintField>& paint) {
  for (const PaintField& field : paint) {
    if (const Field* found = std::get_if<Field>(&field)) return found;
  }
  return nullptr;
}

template <typename Field>
void ApplyFocal(std::vector<PaintField>& paint, bool painted, Field style, bool addInFront) {
  PaintField* focal = FocalField<Field>(paint);
  if (!painted) {
    if (!focal) return;
    style.color = NoColor();
  }
  if (focal) {
    *focal = style;
  } else if (addInFront) {
    paint.insert(paint.begin(), style);
  } else {
    paint.push_back(style);
  }
}

}  // namespace

AIFillStyle DefaultFill() {
  return AIFillStyle{NoColor(), false};
}

AIStrokeStyle DefaultStroke() {
  AIStrokeStyle stroke{};
  stroke.color = NoColor();
  stroke.width = 1;
  stroke.cap = kAIButtCap;
  stroke.join = kAIMiterJoin;
  stroke.miterLimit = 4;
  return stroke;
}

AIPathStyle FocalStyle(const Appearance& appearance) {
  AIPathStyle style{};
  const AIFillStyle* fill = FocalField<AIFillStyle>(appearance.paint);
  const AIStrokeStyle* stroke = FocalField<AIStrokeStyle>(appearance.paint);
  style.fill = fill ? *fill : DefaultFill();
  style.stroke = stroke ? *stroke : DefaultStroke();
  style.fillPaint = style.fill.color.kind != kNoneColor;
  style.strokePaint = style.stroke.color.kind != kNoneColor;
  style.clip = appearance.clip;
  style.lockClip = appearance.lockClip;
  style.evenodd = appearance.evenOdd;
  style.resolution = appearance.resolution;
  return style;
}

void ApplyFocalStyle(Appearance& appearance, const AIPathStyle& style) {
  ApplyFocal(appearance.paint, style.fillPaint != 0, style.fill, false);
  ApplyFocal(appearance.paint, style.strokePaint != 0, style.stroke, true);
  appearance.clip = style.clip != 0;
  appearance.lockClip = style.lockClip != 0;
  appearance.evenOdd = style.evenodd != 0;
  appearance.resolution = style.resolution;
}

}  // namespace host
