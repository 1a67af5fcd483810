// The suites that tools use: hit testing, the document view, cursor snapping and Bezier
// arithmetic.
#pragma once

#include "hostapi/AICursorSnap.h"
#include "hostapi/AIDocumentView.h"
#include "hostapi/AIHitTest.h"
#include "hostapi/AIRealBezier.h"

namespace host::suites {

const AIHitTestSuite* HitTestSuite();
const AIDocumentViewSuite* DocumentViewSuite();
const AICursorSnapSuite* CursorSnapSuite();
const AIRealBezierSuite* RealBezierSuite();

}  // namespace host::suites
