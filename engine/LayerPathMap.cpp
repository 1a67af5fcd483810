#include "engine/LayerPathMap.h"

#include <map>
#include <new>

#include "frame/SuiteTables.h"

namespace {

struct HostOrder {
  bool operator()(const ai::UnicodeString& a, const ai::UnicodeString& b) const {
    return a.compare(b) < 0;
  }
};

using PathMap = std::map<ai::UnicodeString, AILayerHandle, HostOrder>;

PathMap& Map() {
  static PathMap map;
  return map;
}

// Runs work, turning the string wrapper's exceptions into host codes.
template <typename Work>
AIErr Guarded(Work work) {
  try {
    return work();
  } catch (const ai::Error& error) {
    return error.code();
  } catch (const std::bad_alloc&) {
    return kOutOfMemoryErr;
  }
}

AIErr FormPath(AILayerHandle layer, ai::UnicodeString& path) {
  if (AIErr error = sAILayer->GetLayerTitle(layer, path.handle()); error != kNoErr) return error;
  const ai::UnicodeString separator("^");
  ai::UnicodeString title;
  for (;;) {
    AILayerHandle parent = nullptr;
    if (AIErr error = sAILayer->GetLayerParent(layer, &parent); error != kNoErr) return error;
    if (parent == nullptr) return kNoErr;
    if (AIErr error = sAILayer->GetLayerTitle(parent, title.handle()); error != kNoErr)
      return error;
    path.append(separator).append(title);
    layer = parent;
  }
}

}  // namespace

AIErr LayerPathOf(AILayerHandle layer, ai::UnicodeString& path) {
  return Guarded([&] { return FormPath(layer, path); });
}

AIErr RebuildLayerPathMap() {
  return Guarded([] {
    PathMap& map = Map();
    map.clear();
    AILayerHandle layer = nullptr;
    if (AIErr error = sAILayer->GetFirstLayer(&layer); error != kNoErr) return error;
    while (layer != nullptr) {
      ai::UnicodeString key;
      if (AIErr error = FormPath(layer, key); error != kNoErr) return error;
      map.insert_or_assign(std::move(key), layer);
      if (AIErr error = sAILayer->GetNextPreorderLayer(layer, &layer); error != kNoErr)
        return error;
    }
    return kNoErr;
  });
}

AILayerHandle LookUpLayerPath(const ai::UnicodeString& path) {
  const PathMap& map = Map();
  auto found = map.find(path);
  return found == map.end() ? nullptr : found->second;
}

void ClearLayerPathMap() {
  Map().clear();
}

std::size_t LayerPathMapSize() {
  return Map().size();
}
