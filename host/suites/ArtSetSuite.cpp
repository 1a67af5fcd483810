#include "host/core/Faultable.h"
#include "host/suites/DocumentSuites.h"
#include "host/suites/SuiteSupport.h"
#include "hostapi/AIArtSet.h"

namespace host::suites {
namespace {

using ArtList = Documents::ArtList;

ArtList* FindSet(AIArtSetHandle set, const char* function) {
  return FindLive(Docs().artSets, set, function, "an art set");
}

std::vector<AIArtHandle> Handles(const std::vector<Art*>& art) {
  std::vector<AIArtHandle> handles;
  handles.reserve(art.size());
  for (const Art* object : art) handles.push_back(object->handle());
  return handles;
}

AIErr NewArtSet(AIArtSetHandle* set) {
  if (!Out(set, "NewArtSet")) return kBadParameterErr;
  *set = Docs().artSets.Add({});
  return kNoErr;
}

AIErr DisposeArtSet(AIArtSetHandle* set) {
  if (!Out(set, "DisposeArtSet")) return kBadParameterErr;
  if (!Docs().artSets.Remove(*set)) {
    Log().Violation("DisposeArtSet of an art set that is not live");
    return kStaleHandleErr;
  }
  *set = nullptr;
  return kNoErr;
}

AIErr CountArtSet(AIArtSetHandle set, std::uint64_t* count) {
  if (!Out(count, "CountArtSet")) return kBadParameterErr;
  ArtList* list = FindSet(set, "CountArtSet");
  if (list == nullptr) return kStaleHandleErr;
  *count = list->size();
  return kNoErr;
}

AIErr IndexArtSet(AIArtSetHandle set, std::uint64_t index, AIArtHandle* art) {
  if (!Out(art, "IndexArtSet")) return kBadParameterErr;
  ArtList* list = FindSet(set, "IndexArtSet");
  if (list == nullptr) return kStaleHandleErr;
  if (index >= list->size()) {
    Log().Violation("IndexArtSet with index " + std::to_string(index) + " beyond the count " +
                    std::to_string(list->size()));
    return kBadParameterErr;
  }
  *art = (*list)[index];
  return kNoErr;
}

AIErr ArrayArtSet(AIArtSetHandle set, const AIArtHandle* array, std::uint64_t count) {
  ArtList* list = FindSet(set, "ArrayArtSet");
  if (list == nullptr) return kStaleHandleErr;
  if (array == nullptr && count != 0) {
    Log().Violation("ArrayArtSet with a null array");
    return kBadParameterErr;
  }
  for (std::uint64_t i = 0; i < count; ++i) {
    if (Docs().FindArt(array[i], "ArrayArtSet") == nullptr) return Docs().RefusalCode();
  }
  list->assign(array, array + count);
  return kNoErr;
}

AIErr SelectedArtSet(AIArtSetHandle set) {
  ArtList* list = FindSet(set, "SelectedArtSet");
  if (list == nullptr) return kStaleHandleErr;
  Document* document = Docs().Require("SelectedArtSet");
  if (document == nullptr) return kNoDocumentErr;
  *list = Handles(document->SelectedArt());
  return kNoErr;
}

AIErr LayerArtSet(AILayerHandle layer, AIArtSetHandle set) {
  ArtList* list = FindSet(set, "LayerArtSet");
  if (list == nullptr) return kStaleHandleErr;
  return WithLayer(layer, "LayerArtSet", [list](Layer& found) {
    *list = Handles(Docs().current()->LayerArt(found));
    return kNoErr;
  });
}

}  // namespace

const AIArtSetSuite* ArtSetSuite() {
  static const AIArtSetSuite suite = {HOST_FAULTABLE(NewArtSet),   HOST_FAULTABLE(DisposeArtSet),
                                      HOST_FAULTABLE(CountArtSet), HOST_FAULTABLE(IndexArtSet),
                                      HOST_FAULTABLE(ArrayArtSet), HOST_FAULTABLE(SelectedArtSet),
                                      HOST_FAULTABLE(LayerArtSet)};
  return &suite;
}

}  // namespace host::suites
