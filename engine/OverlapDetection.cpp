#include "engine/OverlapDetection.h"

#include <new>

#include "engine/Alerts.h"
#include "engine/ArtAccess.h"
#include "engine/ArtSet.h"
#include "engine/EngineTexts.h"
#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"

AIErr OfferUnlock(AIArtHandle copy) {
  if (IsArtVisibleAndEditable(copy) || !AskYesNo(kUnlockOverlapQuestion)) return kNoErr;
  if (!UnlockAndShowArt(copy)) return ShowErrorAlert(kUnlockFailedError);
  return kNoErr;
}

AIErr ForEachPathInStackOrder(const std::function<void(AIArtHandle)>& visit) {
  std::int32_t layerCount = 0;
  if (AIErr error = sAILayer->CountLayers(&layerCount); error != kNoErr) return error;
  ArtSet members;
  for (std::int32_t layerIndex = layerCount - 1; layerIndex >= 0; --layerIndex) {
    AILayerHandle layer = nullptr;
    if (AIErr error = sAILayer->GetNthLayer(layerIndex, &layer); error != kNoErr) return error;
    if (AIErr error = members.FillFromLayer(layer); error != kNoErr) return error;
    for (auto index = static_cast<std::int64_t>(members.Count()) - 1; index >= 0; --index) {
      AIArtHandle member = nullptr;
      if (AIErr error = members.Get(index, &member); error != kNoErr) return error;
      AIArtType type = kUnknownArt;
      if (AIErr error = sAIArt->GetArtType(member, &type); error != kNoErr) return error;
      if (type == kPathArt) visit(member);
    }
  }
  return kNoErr;
}

AIErr CollectOverlaps(AIArtHandle path, ArtList& overlaps, bool ask) {
  overlaps.clear();
  try {
    return ForEachPathInStackOrder([&](AIArtHandle member) {
      if (!sAIArt->ArtsHaveEqualPaths(path, member)) return;
      if (ask) {
        // An alert the host cannot show changes nothing; the copy is listed all the same.
        static_cast<void>(OfferUnlock(member));
      }
      overlaps.push_back(member);
    });
  } catch (const ai::Error& error) {
    return error.code();
  } catch (const std::bad_alloc&) {
    return kOutOfMemoryErr;
  }
}
