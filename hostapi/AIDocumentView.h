// Views of the current document.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIDocumentViewSuite[] = "AI Document View Suite";
constexpr std::int32_t kAIDocumentViewSuiteVersion = 14;

// A view of a document, owned by the host; it goes stale when its document is closed.
using AIDocumentViewHandle = struct _AIDocumentView*;

struct AIDocumentViewSuite {
  // The n-th view of the current document; n = 0 is the current view, the one the user works
  // in. kNoDocumentErr without a document; an n with no view is refused with kBadParameterErr.
  AIErr (*GetNthDocumentView)(std::int32_t n, AIDocumentViewHandle* view);
  // Screen pixels per artwork point (1 is 100 %).
  AIErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
};
