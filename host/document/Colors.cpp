#include "host/document/Colors.h"

namespace host {

AIColor NoColor() {
  AIColor color{};
  color.kind = kNoneColor;
  return color;
}

AIColor GrayColor(AIReal gray) {
  AIColor color{};
  color.kind = kGrayColor;
  color.c.g.gray = gray;
  return color;
}

AIColor CmykColor(AIReal cyan, AIReal magenta, AIReal yellow, AIReal black) {
  AIColor color{};
  color.kind = kFourColor;
  color.c.f = {cyan, magenta, yellow, black};
  return color;
}

AIColor RgbColor(AIReal red, AIReal green, AIReal blue) {
  AIColor color{};
  color.kind = kThreeColor;
  color.c.rgb = {red, green, blue};
  return color;
}

AIColor CustomColorOf(AICustomColorHandle custom, AIReal tint) {
  AIColor color{};
  color.kind = kCustomColor;
  color.c.c = {custom, tint};
  return color;
}

AIRealMatrix IdentityMatrix() {
  return {1, 0, 0, 1, 0, 0};
}

AIColor GradientColorOf(AIGradientHandle gradient, AIRealPoint origin, AIReal angle,
                        AIReal length) {
  AIColor color{};
  color.kind = kGradient;
  color.c.b = {gradient, origin, angle, length, IdentityMatrix(), 0, 0};
  return color;
}

AIColor PatternColorOf(AIPatternHandle pattern) {
  AIColor color{};
  color.kind = kPattern;
  color.c.p = {pattern, 0, 0, {1, 1}, 0, false, 0, 0, 0, IdentityMatrix()};
  return color;
}

bool IsProcessColor(const AIColor& color) {
  return color.kind == kGrayColor || color.kind == kFourColor || color.kind == kThreeColor;
}

AIColor TintedBase(const CustomColor& custom, AIReal tint) {
  // A tint prints less ink: every ink scales down, and light (RGB) moves toward white.
  const AIReal ink = 1 - tint;
  AIColor color = custom.base;
  switch (color.kind) {
    case kGrayColor:
      color.c.g.gray *= ink;
      break;
    case kFourColor:
      color.c.f = {color.c.f.cyan * ink, color.c.f.magenta * ink, color.c.f.yellow * ink,
                   color.c.f.black * ink};
      break;
    case kThreeColor:
      color.c.rgb = {1 - (1 - color.c.rgb.red) * ink, 1 - (1 - color.c.rgb.green) * ink,
                     1 - (1 - color.c.rgb.blue) * ink};
      break;
    default:
      break;
  }
  return color;
}

std::optional<Rgb> ToRgb(const AIColor& color, const SwatchLibrary& swatches) {
  switch (color.kind) {
    case kGrayColor: {
      const double level = 1 - color.c.g.gray;
      return Rgb{level, level, level};
    }
    case kFourColor: {
      const AIFourColorStyle& f = color.c.f;
      const double white = 1 - f.black;
      return Rgb{(1 - f.cyan) * white, (1 - f.magenta) * white, (1 - f.yellow) * white};
    }
    case kThreeColor:
      return Rgb{color.c.rgb.red, color.c.rgb.green, color.c.rgb.blue};
    case kCustomColor: {
      const CustomColor* custom = swatches.customColors.Find(color.c.c.color);
      if (!custom) return std::nullopt;
      return ToRgb(TintedBase(*custom, color.c.c.tint), swatches);
    }
    case kPattern: {
      const Pattern* pattern = swatches.patterns.Find(color.c.p.pattern);
      if (!pattern) return std::nullopt;
      return ToRgb(pattern->color, swatches);
    }
    case kGradient: {
      const Gradient* gradient = swatches.gradients.Find(color.c.b.gradient);
      if (!gradient || gradient->stops.empty()) return std::nullopt;
      return ToRgb(gradient->stops.front().color, swatches);
    }
    default:
      return std::nullopt;
  }
}

}  // namespace host
