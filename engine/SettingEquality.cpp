#include "engine/SettingEquality.h"

#include "engine/OverlapSetting.h"
#include "frame/SuiteTables.h"

namespace {

bool MatricesEqual(const AIRealMatrix& a, const AIRealMatrix& b) {
  return sAIRealMath->AIRealMatrixEqual(&a, &b) != 0;
}

bool PointsEqual(const AIRealPoint& a, const AIRealPoint& b) {
  return a.h == b.h && a.v == b.v;
}

bool PatternsEqual(const AIPatternStyle& a, const AIPatternStyle& b) {
  return a.pattern == b.pattern && a.shiftDist == b.shiftDist && a.shiftAngle == b.shiftAngle &&
         PointsEqual(a.scale, b.scale) && a.rotate == b.rotate && a.reflect == b.reflect &&
         a.reflectAngle == b.reflectAngle && a.shearAngle == b.shearAngle &&
         a.shearAxis == b.shearAxis && MatricesEqual(a.transform, b.transform);
}

bool GradientsEqual(const AIGradientStyle& a, const AIGradientStyle& b) {
  return a.gradient == b.gradient && PointsEqual(a.gradientOrigin, b.gradientOrigin) &&
         a.gradientAngle == b.gradientAngle && a.gradientLength == b.gradientLength &&
         MatricesEqual(a.matrix, b.matrix) && a.hiliteAngle == b.hiliteAngle &&
         a.hiliteLength == b.hiliteLength;
}

bool DashesEqual(const AIDashStyle& a, const AIDashStyle& b) {
  if (a.length != b.length) return false;
  // A length outside the array is compared as far as the array goes.
  const int count = a.length < kMaxDashComponents ? a.length : kMaxDashComponents;
  for (int i = 0; i < count; ++i) {
    if (!(a.array[i] == b.array[i])) return false;
  }
  return true;
}

}  // namespace

bool PathStylesEqual(const AIPathStyle& a, const AIPathStyle& b) {
  if (a.fillPaint != b.fillPaint) return false;
  if (a.fillPaint && !ColorsEqual(a.fill.color, b.fill.color)) return false;
  if (a.strokePaint != b.strokePaint) return false;
  if (!a.strokePaint) return true;
  const AIStrokeStyle& x = a.stroke;
  const AIStrokeStyle& y = b.stroke;
  return ColorsEqual(x.color, y.color) && x.overprint == y.overprint && x.cap == y.cap &&
         DashesEqual(x.dash, y.dash) && x.join == y.join && x.miterLimit == y.miterLimit;
}

bool ColorsEqual(const AIColor& x, const AIColor& y) {
  if (x.kind != y.kind) return false;
  switch (x.kind) {
    case kGrayColor:
      return x.c.g.gray == y.c.g.gray;
    case kFourColor:
      return x.c.f.cyan == y.c.f.cyan && x.c.f.magenta == y.c.f.magenta &&
             x.c.f.yellow == y.c.f.yellow && x.c.f.black == y.c.f.black;
    case kPattern:
      return PatternsEqual(x.c.p, y.c.p);
    case kCustomColor:
      return x.c.c.color == y.c.c.color && x.c.c.tint == y.c.c.tint;
    case kGradient:
      return GradientsEqual(x.c.b, y.c.b);
    case kThreeColor:
      return x.c.rgb.red == y.c.rgb.red && x.c.rgb.green == y.c.rgb.green &&
             x.c.rgb.blue == y.c.rgb.blue;
    default:
      return false;
  }
}

bool SettingsEqual(const OverlapSetting& a, const OverlapSetting& b) {
  if (a.Count() != b.Count()) return false;
  const auto& left = a.Entries();
  const auto& right = b.Entries();
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (left[i].layerPath.compare(right[i].layerPath) != 0) return false;
    if (!PathStylesEqual(left[i].style, right[i].style)) return false;
  }
  return true;
}
