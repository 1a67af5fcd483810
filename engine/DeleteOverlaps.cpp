// Deleting overlaps: the stack of the first selected path is reduced to one path, which takes
// over the selected path's anchor selection.
#include <vector>

#include "engine/Alerts.h"
#include "engine/ArtAccess.h"
#include "engine/ArtSet.h"
#include "engine/EngineTexts.h"
#include "engine/OverlapDetection.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "frame/SuiteTables.h"

namespace {

AIErr ReadAnchorSelection(AIArtHandle path, std::vector<AIBoolean>& selected) {
  std::int16_t count = 0;
  if (AIErr error = sAIPath->GetPathSegmentCount(path, &count); error != kNoErr) return error;
  selected.assign(static_cast<std::size_t>(count), 0);
  for (std::int16_t s = 0; s < count; ++s) {
    if (AIErr error =
            sAIPath->GetPathSegmentSelected(path, s, &selected[static_cast<std::size_t>(s)]);
        error != kNoErr) {
      return error;
    }
  }
  return kNoErr;
}

}  // namespace

AIErr DeleteOverlaps(OverlapSettingStore& store, bool captureFirst) {
  ArtSet selection;
  if (AIErr error = selection.FillFromSelection(); error != kNoErr) return error;
  if (selection.Count() == 0) return kNoErr;
  ArtList first;
  if (AIErr error = AppendPathMembers(selection, first, 1); error != kNoErr || first.empty()) {
    return error;
  }
  const AIArtHandle path = first.front();
  std::vector<AIBoolean> anchorSelection;
  if (AIErr error = ReadAnchorSelection(path, anchorSelection); error != kNoErr) return error;

  ArtList stack;
  if (AIErr error = CollectOverlaps(path, stack, true); error != kNoErr) return error;
  if (stack.size() < 2) {
    ShowMessageAlert(kNoOverlapFoundMessage);
    return kNoErr;
  }
  if (captureFirst) {
    std::unique_ptr<OverlapSetting> setting = store.NewSetting();
    if (AIErr error = setting->FillFromArtList(stack); error != kNoErr) return error;
    store.MakeCurrent(std::move(setting));
  }

  const AIArtHandle kept = store.ReserveTopmostPath() != 0 ? stack.back() : stack.front();
  for (AIArtHandle copy : stack) {
    if (copy == kept) continue;
    if (!IsArtVisibleAndEditable(copy)) {
      if (!AskYesNo(kUnlockOverlapQuestion)) continue;
      if (!UnlockAndShowArt(copy)) {
        ShowErrorAlert(kUnlockFailedError);
        continue;
      }
    }
    if (AIErr error = sAIArt->DisposeArt(copy); error != kNoErr) return error;
  }

  // Equal geometry: the kept path has as many anchors as the selected one.
  for (std::size_t s = 0; s < anchorSelection.size(); ++s) {
    if (AIErr error =
            sAIPath->SetPathSegmentSelected(kept, static_cast<std::int16_t>(s), anchorSelection[s]);
        error != kNoErr) {
      return error;
    }
  }
  return kNoErr;
}
