// Acquiring settings: one stack as the current setting, or every distinct stack of the
// selection into the batch list.
#include <algorithm>
#include <unordered_set>
#include <vector>

#include "engine/Alerts.h"
#include "engine/ArtSet.h"
#include "engine/EngineTexts.h"
#include "engine/GeometryIndex.h"
#include "engine/OverlapDetection.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "engine/SettingEquality.h"
#include "engine/SettingPreview.h"
#include "frame/SuiteTables.h"

AIErr AcquireSetting(OverlapSettingStore& store, bool takeAllSelected) {
  ArtSet selection;
  if (AIErr error = selection.FillFromSelection(); error != kNoErr) return error;
  if (selection.Count() == 0) return kNoErr;

  // Only the first path is needed unless all selected paths are taken.
  ArtList stack;
  if (takeAllSelected) {
    if (AIErr error = AppendPathMembers(selection, stack); error != kNoErr) return error;
    if (stack.empty()) return kNoErr;
    std::reverse(stack.begin(), stack.end());  // the first selected path comes last
  } else {
    ArtList first;
    if (AIErr error = AppendPathMembers(selection, first, 1); error != kNoErr) return error;
    if (first.empty()) return kNoErr;
    if (AIErr error = CollectOverlaps(first.front(), stack, true); error != kNoErr) return error;
    if (stack.empty()) return kNoErr;
    if (store.ProcessSinglePath() == 0 && stack.size() == 1) {
      ShowMessageAlert(kNoOverlapFoundMessage);
      return kNoErr;
    }
  }

  std::unique_ptr<OverlapSetting> setting = store.NewSetting();
  if (AIErr error = setting->FillFromArtList(stack); error != kNoErr) return error;
  store.MakeCurrent(std::move(setting));
  return kNoErr;
}

AIErr AcquireBatch(OverlapSettingStore& store, StackSearch search) {
  ArtSet selection;
  if (AIErr error = selection.FillFromSelection(); error != kNoErr) return error;
  if (selection.Count() == 0) return kNoErr;

  ArtList candidates;
  if (AIErr error = AppendPathMembers(selection, candidates); error != kNoErr) return error;
  if (candidates.empty()) {
    ShowMessageAlert(kSelectPathMessage);
    return kNoErr;
  }

  // A candidate found in an earlier candidate's stack gives no setting of its own.
  std::unordered_set<AIArtHandle> done;
  GeometryIndex stacks(search);
  for (AIArtHandle candidate : candidates) {
    if (done.count(candidate) != 0) continue;
    ArtList stack;
    if (stacks.Collect(candidate, stack, false) != kNoErr) continue;
    if (stack.empty()) continue;
    if (store.ProcessSinglePath() == 0 && stack.size() < 2) continue;
    done.insert(stack.begin(), stack.end());

    std::unique_ptr<OverlapSetting> setting = store.NewSetting();
    if (setting->FillEntriesFromArtList(stack) != kNoErr) continue;
    bool known = false;
    for (std::int32_t i = 0; !known && i < store.BatchCount(); ++i) {
      known = SettingsEqual(*setting, *store.BatchItem(i));
    }
    // Most stacks of a district repeat a setting already listed; only a new one is drawn.
    if (known) continue;
    BuildPreview(*setting);
    store.AppendToBatch(std::move(setting));
  }
  return kNoErr;
}
