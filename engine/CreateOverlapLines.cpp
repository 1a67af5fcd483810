// Creating overlap lines: each selected path is replaced by one copy per entry of the current
// setting, each in the entry's layer with the entry's style.
#include <vector>

#include "engine/Alerts.h"
#include "engine/ArtAccess.h"
#include "engine/ArtSet.h"
#include "engine/EngineTexts.h"
#include "engine/GeometryIndex.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "engine/Swatches.h"
#include "frame/SuiteTables.h"

namespace {

enum class Check { kPassed, kStopped };

// Every entry's layer must exist.
Check LayersExist(const OverlapSetting& setting) {
  for (std::int32_t i = 0; i < setting.Count(); ++i) {
    if (setting.LayerOfEntry(i) == nullptr) {
      ShowMessageAlert(kLayerMissingMessage);
      return Check::kStopped;
    }
  }
  return Check::kPassed;
}

// Every entry's layer must be visible and editable; asks once, then unlocks.
AIErr LayersUsable(const OverlapSetting& setting, Check& check) {
  bool asked = false;
  for (std::int32_t i = 0; i < setting.Count(); ++i) {
    AIArtHandle group = nullptr;
    if (AIErr error = sAIArt->GetFirstArtOfLayer(setting.LayerOfEntry(i), &group);
        error != kNoErr) {
      return error;
    }
    if (IsArtVisibleAndEditable(group)) continue;
    if (!asked) {
      asked = true;
      if (!AskYesNo(kCreateInLockedLayerQuestion)) {
        check = Check::kStopped;
        return kNoErr;
      }
    }
    if (!UnlockAndShowArt(group)) {
      ShowErrorAlert(kUnlockFailedError);
      check = Check::kStopped;
      return kNoErr;
    }
  }
  check = Check::kPassed;
  return kNoErr;
}

// Every swatch the entries' painted fills and strokes use must be in the document.
Check SettingSwatchesPresent(const OverlapSetting& setting) {
  bool missing = false;
  for (std::int32_t i = 0; i < setting.Count(); ++i) {
    AIPathStyle style{};
    setting.StyleOfEntry(i, style);
    if (!SwatchesPresent(style)) missing = true;
  }
  if (!missing) return Check::kPassed;
  ShowErrorAlert(kSwatchMissingError);
  return Check::kStopped;
}

// Makes the copies of one path and disposes of it. A run of entries sharing a layer stacks
// upwards from the back of that layer.
AIErr MakeCopies(const OverlapSetting& setting, AIArtHandle path, ArtList& copies) {
  AILayerHandle previousLayer = nullptr;
  for (std::int32_t i = 0; i < setting.Count(); ++i) {
    const AILayerHandle layer = setting.LayerOfEntry(i);
    AIArtHandle group = nullptr;
    if (AIErr error = sAIArt->GetFirstArtOfLayer(layer, &group); error != kNoErr) return error;
    AIArtHandle copy = nullptr;
    const AIErr error = i > 0 && layer == previousLayer
                            ? sAIArt->DuplicateArt(path, kPlaceAbove, copies.back(), &copy)
                            : sAIArt->DuplicateArt(path, kPlaceInsideOnBottom, group, &copy);
    if (error != kNoErr) return error;
    copies.push_back(copy);
    previousLayer = layer;
    AIPathStyle style{};
    setting.StyleOfEntry(i, style);
    if (AIErr styleError = sAIPathStyle->SetPathStyle(copy, &style); styleError != kNoErr) {
      return styleError;
    }
  }
  return kNoErr;
}

// Replaces one path by its copies. When the host fails part-way, the copies made so far go
// again and the path stays: half a stack would pass for a finished one.
AIErr ReplaceByCopies(const OverlapSetting& setting, AIArtHandle path, ArtList& copies) {
  AIErr error = kNoErr;
  try {
    error = MakeCopies(setting, path, copies);
  } catch (...) {
    for (AIArtHandle copy : copies) static_cast<void>(sAIArt->DisposeArt(copy));
    throw;
  }
  if (error == kNoErr) error = sAIArt->DisposeArt(path);
  if (error != kNoErr) {
    for (AIArtHandle copy : copies) static_cast<void>(sAIArt->DisposeArt(copy));
  }
  return error;
}

}  // namespace

AIErr CreateOverlapLines(const OverlapSettingStore& store, StackSearch search) {
  const OverlapSetting* setting = store.Current();
  // Without a setting there is nothing to create; disposing of the paths would only lose them.
  if (setting == nullptr || setting->Count() == 0) return kNoErr;
  ArtSet selection;
  if (AIErr error = selection.FillFromSelection(); error != kNoErr) return error;
  if (selection.Count() == 0) return kNoErr;

  if (LayersExist(*setting) == Check::kStopped) return kNoErr;
  Check check = Check::kPassed;
  if (AIErr error = LayersUsable(*setting, check); error != kNoErr || check == Check::kStopped) {
    return error;
  }
  if (SettingSwatchesPresent(*setting) == Check::kStopped) return kNoErr;

  // The paths replaced so far and their copies are in the document when the next path's stack
  // is looked for; the index follows them.
  GeometryIndex stacks(search);
  for (std::int64_t i = 0; i < static_cast<std::int64_t>(selection.Count()); ++i) {
    AIArtHandle path = nullptr;
    if (AIErr error = selection.Get(i, &path); error != kNoErr) return error;
    if (path == nullptr) continue;
    AIArtType type = kUnknownArt;
    if (AIErr error = sAIArt->GetArtType(path, &type); error != kNoErr) return error;
    if (type != kPathArt) continue;

    AILayerHandle layer = nullptr;
    if (AIErr error = sAIArt->GetLayerOfArt(path, &layer); error != kNoErr) return error;
    if (AIErr error = sAILayer->DeselectArtOnLayer(layer); error != kNoErr) return error;
    std::size_t stacked = 0;
    if (AIErr error = stacks.Count(path, true, stacked); error != kNoErr) return error;
    if (stacked > 1 && !AskYesNo(kOverlapExistsQuestion)) return kNoErr;
    ArtList copies;
    if (AIErr error = ReplaceByCopies(*setting, path, copies); error != kNoErr) return error;
    stacks.Replaced(path, copies);
  }
  return kNoErr;
}
