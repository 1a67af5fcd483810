// Bezier arithmetic: division and evaluation by de Casteljau's construction.
#include <cmath>

#include "host/core/Faultable.h"
#include "host/suites/SuiteSupport.h"
#include "host/suites/ToolSuites.h"

namespace host::suites {
namespace {

AIRealPoint Between(AIRealPoint a, AIRealPoint b, AIReal t) {
  return {a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t};
}

bool ValidParameter(AIReal t, const void* b, const void* out, const char* function) {
  if (b != nullptr && out != nullptr && std::isfinite(t) && t >= 0 && t <= 1) return true;
  Log().Violation(std::string(function) + " with a parameter outside 0 to 1 or a null pointer");
  return false;
}

// Left part in *b1, right part in *b2; either may be the curve's own record.
void Split(const AIRealBezier& curve, AIReal t, AIRealBezier* b1, AIRealBezier* b2) {
  const AIRealBezier c = curve;
  const AIRealPoint p01 = Between(c.p0, c.p1, t), p12 = Between(c.p1, c.p2, t),
                    p23 = Between(c.p2, c.p3, t);
  const AIRealPoint p012 = Between(p01, p12, t), p123 = Between(p12, p23, t);
  const AIRealPoint middle = Between(p012, p123, t);
  *b1 = AIRealBezier{c.p0, p01, p012, middle};
  *b2 = AIRealBezier{middle, p123, p23, c.p3};
}

AIErr Divide(const AIRealBezier* b, AIReal t, AIRealBezier* b1, AIRealBezier* b2) {
  if (!ValidParameter(t, b, b1 != nullptr && b2 != nullptr ? b1 : nullptr, "Divide")) {
    return kBadParameterErr;
  }
  Split(*b, t, b1, b2);
  return kNoErr;
}

AIErr Evaluate(const AIRealBezier* b, AIReal t, AIRealPoint* p) {
  if (!ValidParameter(t, b, p, "Evaluate")) return kBadParameterErr;
  AIRealBezier left{};
  AIRealBezier right{};
  Split(*b, t, &left, &right);
  *p = left.p3;
  return kNoErr;
}

}  // namespace

const AIRealBezierSuite* RealBezierSuite() {
  static const AIRealBezierSuite suite = {HOST_FAULTABLE(Divide), HOST_FAULTABLE(Evaluate)};
  return &suite;
}

}  // namespace host::suites
