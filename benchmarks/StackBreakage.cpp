#include "benchmarks/StackBreakage.h"

#include <vector>

#include "engine/ArtSet.h"
#include "engine/OverlapSettingStore.h"
#include "engine/SettingEquality.h"
#include "frame/SuiteTables.h"
#include "host/core/Host.h"

namespace bench {

namespace {

AIPathStyle StyleOf(const host::Art& art) {
  AIPathStyle style{};
  sAIPathStyle->GetPathStyle(art.handle(), &style, nullptr);
  return style;
}

// The one batch setting holding style, or null when none or several do.
const OverlapSetting* SoleSettingOf(const AIPathStyle& style, const OverlapSettingStore& store) {
  const OverlapSetting* sole = nullptr;
  for (std::int32_t i = 0; i < store.BatchCount(); ++i) {
    const OverlapSetting* setting = store.BatchItem(i);
    for (const StrokeLayerEntry& entry : setting->Entries()) {
      if (!PathStylesEqual(entry.style, style)) continue;
      if (sole != nullptr) return nullptr;
      sole = setting;
      break;
    }
  }
  return sole;
}

// A road whose breakage the check reads one way only: a fill left alone, say, is measured against
// its own setting, not against a larger one sharing its style.
bool Breakable(const host::Document& document, const std::vector<host::Art*>& road,
               const OverlapSettingStore& store) {
  if (road.size() != 2 || document.LayerOfArt(*road[0]) == document.LayerOfArt(*road[1]))
    return false;
  const OverlapSetting* setting = SoleSettingOf(StyleOf(*road[0]), store);
  return setting != nullptr && setting->Count() == 2 &&
         SoleSettingOf(StyleOf(*road[1]), store) == setting;
}

}  // namespace

bool StoreRoadSettings(const CityMap& city, OverlapSettingStore& store) {
  for (const std::vector<host::Art*>& road : city.stacks) {
    ArtList copies;
    for (const host::Art* copy : road) copies.push_back(copy->handle());
    auto setting = store.NewSetting();
    if (setting->FillEntriesFromArtList(copies) != kNoErr) return false;
    bool known = false;
    for (std::int32_t i = 0; !known && i < store.BatchCount(); ++i)
      known = SettingsEqual(*setting, *store.BatchItem(i));
    if (!known) store.AppendToBatch(std::move(setting));
  }
  return true;
}

Breakage BreakRoads(CityMap& city, const OverlapSettingStore& store, std::size_t count) {
  host::Document& document = *host::Host::Current().documents().current();
  std::vector<std::vector<host::Art*>*> breakable;
  for (std::vector<host::Art*>& road : city.stacks) {
    if (Breakable(document, road, store)) breakable.push_back(&road);
  }
  Breakage broken;
  if (breakable.size() < count) return broken;
  for (std::size_t i = 0; i < count; ++i) {
    std::vector<host::Art*>& road = *breakable[i * breakable.size() / count];
    host::Art& casing = *road[0];
    host::Art& fill = *road[1];
    switch (i % 4) {
      case 0:
        document.DisposeArt(casing);
        road.erase(road.begin());
        ++broken.missing;
        break;
      case 1: {
        host::Segment& anchor = fill.path().segments[fill.path().segments.size() / 2];
        for (AIRealPoint* point : {&anchor.p, &anchor.in, &anchor.out}) {
          point->h += 1.0;
          point->v += 0.75;
        }
        ++broken.drifted;
        break;
      }
      case 2:
        road.push_back(&document.DuplicateArt(fill, kPlaceAbove, fill));
        ++broken.duplicates;
        break;
      default:
        document.MoveArt(casing, kPlaceInsideOnTop, document.LayerOfArt(fill)->group());
        ++broken.wrongLayer;
        break;
    }
  }
  return broken;
}

}  // namespace bench
