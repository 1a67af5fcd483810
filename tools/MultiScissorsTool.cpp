#include "tools/MultiScissorsTool.h"

#include <new>
#include <utility>

#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"
#include "tools/PathSplitting.h"
#include "tools/ScissorsTexts.h"

namespace {

// A hit reference, given back to the host on every way out.
class HitReference {
 public:
  HitReference() = default;
  HitReference(const HitReference&) = delete;
  HitReference& operator=(const HitReference&) = delete;
  ~HitReference() {
    if (hit_ != nullptr) sAIHitTest->Release(hit_);
  }
  AIHitRef* out() { return &hit_; }
  AIHitRef get() const { return hit_; }
  // Releases now, answering the host's result.
  ASErr Release() {
    return hit_ != nullptr ? sAIHitTest->Release(std::exchange(hit_, nullptr)) : 0;
  }

 private:
  AIHitRef hit_ = nullptr;
};

ASErr CurrentView(AIDocumentViewHandle* view) {
  return sAIDocumentView->GetNthDocumentView(0, view);
}

// The message for a cut at the end of an open path. It is shown and the search goes on, so a
// failure to show it is no failure of the click.
void ShowCutAtEndpointMessage() noexcept {
  try {
    const ai::UnicodeString text(kCutAtEndpointMessage);
    sAIUser->MessageAlert(text.handle());
  } catch (...) {
  }
}

// Shows every art of the list again, in order. All of them are tried, so that no art stays
// hidden because another could not be shown; the first error is answered.
ASErr ShowAgain(const std::vector<AIArtHandle>& hidden) {
  ASErr first = kNoErr;
  for (AIArtHandle art : hidden) {
    const ASErr error = sAIArt->SetArtUserAttr(art, kArtHidden, 0);
    if (first == kNoErr) first = error;
  }
  return first;
}

// Remembers art before hiding it, so that it is shown again however the click ends.
ASErr Hide(AIArtHandle art, std::vector<AIArtHandle>& hidden) {
  hidden.push_back(art);
  return sAIArt->SetArtUserAttr(art, kArtHidden, kArtHidden);
}

}  // namespace

MultiScissorsTool::MultiScissorsTool(SPPluginRef plugin, std::unique_ptr<ScissorsCursorSet> cursors)
    : plugin_(plugin), cursors_(std::move(cursors)) {}

void MultiScissorsTool::Show(ScissorsCursor cursor) {
  if (cursors_ != nullptr) cursors_->Show(cursor);
}

ASErr MultiScissorsTool::CutPoint(AIDocumentViewHandle view, const AIToolMessage& message,
                                  AIRealPoint* point) {
  *point = message.cursor;
  if (!sAICursorSnap->UseAutoSnap(view)) return kNoErr;
  AIRealPoint snapped{};
  // A failed snap leaves the cursor position as it was received.
  if (sAICursorSnap->Track(view, message.cursor, message.event, kSnapControl, &snapped) == kNoErr) {
    *point = snapped;
  }
  return kNoErr;
}

ASErr MultiScissorsTool::TrackCursor(const AIToolMessage& message) {
  AIDocumentViewHandle view = nullptr;
  if (ASErr error = CurrentView(&view)) return error;
  if (sAICursorSnap->UseAutoSnap(view)) {
    // Called as on mouse down; the choice below looks at the cursor position as received.
    AIRealPoint snapped{};
    sAICursorSnap->Track(view, message.cursor, message.event, kSnapControl, &snapped);
  }
  Show(ScissorsCursor::kPlain);
  HitReference hit;
  if (ASErr error = sAIHitTest->HitTest(nullptr, &message.cursor, kAllHitRequest, hit.out())) {
    return error;
  }
  ASErr typeError = kNoErr;
  AIArtHandle art = sAIHitTest->IsHit(hit.get()) ? sAIHitTest->GetHitArt(hit.get()) : nullptr;
  if (art != nullptr) {
    AIArtType type = kUnknownArt;
    typeError = sAIArt->GetArtType(art, &type);
    if (typeError == kNoErr && type == kPathArt) {
      Show(sAIHitTest->GetHitType(hit.get()) == kAnchorHitType ? ScissorsCursor::kOnAnchor
                                                               : ScissorsCursor::kOnPath);
    }
  }
  const ASErr releaseError = hit.Release();
  return typeError != kNoErr ? typeError : releaseError;
}

ASErr MultiScissorsTool::MouseDown(const AIToolMessage& message) {
  AIDocumentViewHandle view = nullptr;
  if (ASErr error = CurrentView(&view)) return error;
  AIRealPoint point{};
  if (ASErr error = CutPoint(view, message, &point)) return error;

  Click click;
  ASErr searchError = kNoErr;
  try {
    searchError = Search(point, click);
  } catch (const std::bad_alloc&) {
    searchError = kOutOfMemoryErr;
  } catch (...) {
    searchError = kCantHappenErr;
  }
  const ASErr showError = ShowAgain(click.hidden);
  if (searchError != kNoErr) return searchError;
  if (showError != kNoErr) return showError;

  DeselectAllArt();
  for (AIArtHandle art : click.cut) {
    if (ASErr error = sAIArt->SetArtUserAttr(art, kArtSelected, kArtSelected)) return error;
  }
  return kNoErr;
}

ASErr MultiScissorsTool::Search(AIRealPoint point, Click& click) {
  bool done = false;
  for (int pass = 0; pass < kSearchLimit && !done; ++pass) {
    if (ASErr error = SearchPass(point, click, &done)) return error;
  }
  return kNoErr;
}

// Takes the front-most art under the point, cuts it when it is a path, and hides it (with the new
// piece) so that the next pass finds what lies below.
ASErr MultiScissorsTool::SearchPass(AIRealPoint point, Click& click, bool* done) {
  HitReference hit;
  if (ASErr error = sAIHitTest->HitTest(nullptr, &point, kAllHitRequest, hit.out())) return error;
  AIArtHandle art = sAIHitTest->IsHit(hit.get()) ? sAIHitTest->GetHitArt(hit.get()) : nullptr;
  if (art == nullptr) {
    *done = true;
    return hit.Release();
  }
  AIArtType type = kUnknownArt;
  if (ASErr error = sAIArt->GetArtType(art, &type)) return error;
  AIArtHandle piece = nullptr;
  if (type == kPathArt) {
    if (ASErr error = CutPath(art, hit.get(), click, &piece)) return error;
  }
  if (ASErr error = Hide(art, click.hidden)) return error;
  if (piece != nullptr) {
    if (ASErr error = Hide(piece, click.hidden)) return error;
  }
  return hit.Release();
}

ASErr MultiScissorsTool::CutPath(AIArtHandle path, AIHitRef hit, Click& click, AIArtHandle* piece) {
  AIBoolean closed = false;
  if (ASErr error = sAIPath->GetPathClosed(path, &closed)) return error;
  const std::int16_t segment = sAIHitTest->GetHitSegment(hit);
  const std::int32_t hitType = sAIHitTest->GetHitType(hit);
  if (hitType != kAnchorHitType && hitType != kCurveHitType) return kNoErr;

  if (closed) {
    // Only the opening of a closed path reads the whole path; the buffer lives for this cut.
    PathSegmentBuffer buffer;
    const ASErr error =
        hitType == kAnchorHitType
            ? OpenClosedPathAtAnchor(buffer, path, segment)
            : OpenClosedPathOnCurve(buffer, path, segment, sAIHitTest->GetHitParameter(hit));
    if (error != kNoErr) return error;
    click.cut.push_back(path);
    return kNoErr;
  }
  const ASErr error =
      hitType == kAnchorHitType
          ? SplitOpenPathAtAnchor(path, segment, piece)
          : SplitOpenPathOnCurve(path, segment, sAIHitTest->GetHitParameter(hit), piece);
  if (error == kCutAtEndpointErr) {
    ShowCutAtEndpointMessage();
    return kNoErr;
  }
  if (error != kNoErr) return error;
  if (*piece != nullptr) click.cut.push_back(*piece);
  return kNoErr;
}

ASErr DeselectAllArt() {
  std::int32_t count = 0;
  if (sAILayer->CountLayers(&count) != kNoErr) return kNoErr;
  for (std::int32_t index = 0; index < count; ++index) {
    AILayerHandle layer = nullptr;
    if (sAILayer->GetNthLayer(index, &layer) != kNoErr) continue;
    AIBoolean hasSelected = false;
    if (sAILayer->LayerHasSelectedArt(layer, &hasSelected) == kNoErr && hasSelected) {
      sAILayer->DeselectArtOnLayer(layer);
    }
  }
  return kNoErr;
}
