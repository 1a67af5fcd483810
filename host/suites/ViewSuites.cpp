// The document view suite and cursor snapping. The headless host shows each document in one
// view, whose zoom and snapping switch the document keeps.
#include <cmath>
#include <cstring>
#include <vector>

#include "host/core/Faultable.h"
#include "host/suites/SuiteSupport.h"
#include "host/suites/ToolSuites.h"

namespace host::suites {
namespace {

constexpr AIReal kSnapTolerance = 3;  // points on screen at 100 %, as for hit tests

// A view's handle names its document, so that it goes stale with the document.
AIDocumentViewHandle ViewOf(const Document& document) {
  return reinterpret_cast<AIDocumentViewHandle>(
      (static_cast<std::uintptr_t>(document.serial()) << 16) | (std::uintptr_t{1} << 8) |
      kViewHandle);
}

Document* FindView(AIDocumentViewHandle view, const char* function) {
  Document* document = Docs().Require(function);
  if (document == nullptr) return nullptr;
  if (view != ViewOf(*document)) {
    Log().Violation(std::string(function) + " with a view that is not of the current document");
    return nullptr;
  }
  return document;
}

AIErr GetNthDocumentView(std::int32_t n, AIDocumentViewHandle* view) {
  if (!Out(view, "GetNthDocumentView")) return kBadParameterErr;
  Document* document = Docs().Require("GetNthDocumentView");
  if (document == nullptr) return kNoDocumentErr;
  if (n != 0) {
    Log().Violation("GetNthDocumentView of view " + std::to_string(n) + "; the document has one");
    return kBadParameterErr;
  }
  *view = ViewOf(*document);
  return kNoErr;
}

AIErr GetDocumentViewZoom(AIDocumentViewHandle view, AIReal* zoom) {
  if (!Out(zoom, "GetDocumentViewZoom")) return kBadParameterErr;
  Document* document = FindView(view, "GetDocumentViewZoom");
  if (document == nullptr) return kStaleHandleErr;
  *zoom = document->view().zoom;
  return kNoErr;
}

AIBoolean UseAutoSnap(AIDocumentViewHandle view) {
  Document* document = FindView(view, "UseAutoSnap");
  return document != nullptr && document->view().snapping ? 1 : 0;
}

bool ValidControl(const char* control) {
  for (const char* at = control; *at != '\0'; ++at) {
    const char c = *at;
    if (c != ' ' && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z')) return false;
  }
  return true;
}

// The nearest anchor of visible art within the tolerance; the point itself when there is none.
AIRealPoint SnapToAnchor(Document& document, AIRealPoint point) {
  const AIReal tolerance = kSnapTolerance / document.view().zoom;
  const std::vector<Art*>& candidates = Docs().artIndex().Query(document, point, tolerance);
  AIRealPoint snapped = point;
  AIReal nearest = tolerance;
  bool found = false;
  for (const Art* art : candidates) {
    if (art->type() != kPathArt || !document.IsArtVisible(*art)) continue;
    for (const Segment& segment : art->path().segments) {
      const AIReal distance = std::hypot(segment.p.h - point.h, segment.p.v - point.v);
      // Equally near anchors: the leftmost, then the lowest, so that the answer is the same
      // whatever order the index gives.
      const bool better =
          distance < nearest ||
          (distance == nearest && (!found || segment.p.h < snapped.h ||
                                   (segment.p.h == snapped.h && segment.p.v < snapped.v)));
      if (distance <= tolerance && better) {
        nearest = distance;
        snapped = segment.p;
        found = true;
      }
    }
  }
  return snapped;
}

AIErr Track(AIDocumentViewHandle view, AIRealPoint srcpoint, const AIEvent* event,
            const char* control, AIRealPoint* dstpoint) {
  if (!Out(dstpoint, "Track")) return kBadParameterErr;
  if (event == nullptr || control == nullptr || !ValidControl(control)) {
    Log().Violation("Track with no event record or a malformed control string");
    return kBadParameterErr;
  }
  Document* document = FindView(view, "Track");
  if (document == nullptr) return kStaleHandleErr;
  *dstpoint = std::strchr(control, 'A') != nullptr ? SnapToAnchor(*document, srcpoint) : srcpoint;
  return kNoErr;
}

}  // namespace

const AIDocumentViewSuite* DocumentViewSuite() {
  static const AIDocumentViewSuite suite = {HOST_FAULTABLE(GetNthDocumentView),
                                            HOST_FAULTABLE(GetDocumentViewZoom)};
  return &suite;
}

const AICursorSnapSuite* CursorSnapSuite() {
  static const AICursorSnapSuite suite = {&UseAutoSnap, HOST_FAULTABLE(Track)};
  return &suite;
}

}  // namespace host::suites
