// Cubic Bezier arithmetic.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIRealBezierSuite[] = "AI Real Bezier Suite";
constexpr std::int32_t kAIRealBezierSuiteVersion = 4;

// A cubic from p0 (t = 0) to p3 (t = 1) with the control points p1 and p2.
struct AIRealBezier {
  AIRealPoint p0;
  AIRealPoint p1;
  AIRealPoint p2;
  AIRealPoint p3;
};

struct AIRealBezierSuite {
  // Splits *b at t (0 to 1) by de Casteljau's construction: *b1 runs from b->p0 to the point at
  // t, *b2 from that point to b->p3, so b1->p3 and b2->p0 are the same point. b1 and b2 may be
  // the same record as b. A t outside 0 to 1 or not finite, or a null pointer, is refused with
  // kBadParameterErr and nothing is written.
  AIErr (*Divide)(const AIRealBezier* b, AIReal t, AIRealBezier* b1, AIRealBezier* b2);
  // *p gets the point of *b at t (0 to 1); refusals as for Divide.
  AIErr (*Evaluate)(const AIRealBezier* b, AIReal t, AIRealPoint* p);
};
