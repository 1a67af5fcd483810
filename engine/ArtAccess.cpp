#include "engine/ArtAccess.h"

#include <vector>

#include "frame/SuiteTables.h"

namespace {

constexpr AIArtUserAttr kLockedOrHidden = kArtLocked | kArtHidden;

// The art's layer, then each enclosing layer outward. The art's parents end at its layer's
// group, so a sublayer's enclosing layers are reached only through the layer suite. Empty when
// the host fails to answer.
std::vector<AILayerHandle> LayersOf(AIArtHandle art) {
  AILayerHandle layer = nullptr;
  if (sAIArt->GetLayerOfArt(art, &layer) != kNoErr || layer == nullptr) return {};
  std::vector<AILayerHandle> layers;
  while (layer != nullptr) {
    layers.push_back(layer);
    if (sAILayer->GetLayerParent(layer, &layer) != kNoErr) return {};
  }
  return layers;
}

}  // namespace

bool IsArtVisibleAndEditable(AIArtHandle art) {
  const std::vector<AILayerHandle> layers = LayersOf(art);
  if (layers.empty()) return false;
  for (AILayerHandle layer : layers) {
    AIBoolean visible = 0;
    if (sAILayer->GetLayerVisible(layer, &visible) != kNoErr || !visible) return false;
    AIBoolean editable = 0;
    if (sAILayer->GetLayerEditable(layer, &editable) != kNoErr || !editable) return false;
  }
  for (AIArtHandle current = art; current != nullptr;) {
    AIArtUserAttr attributes = 0;
    if (sAIArt->GetArtUserAttr(current, kLockedOrHidden, &attributes) != kNoErr) return false;
    if ((attributes & kLockedOrHidden) != 0) return false;
    if (sAIArt->GetArtParent(current, &current) != kNoErr) return false;
  }
  return true;
}

bool UnlockAndShowArt(AIArtHandle art) {
  std::vector<AIArtHandle> chain{art};  // the art, then each enclosing art outward
  for (;;) {
    AIArtHandle parent = nullptr;
    if (sAIArt->GetArtParent(chain.back(), &parent) != kNoErr) return false;
    if (parent == nullptr) break;
    chain.push_back(parent);
  }
  const std::vector<AILayerHandle> layers = LayersOf(art);
  if (layers.empty()) return false;
  for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
    if (sAILayer->SetLayerVisible(*layer, 1) != kNoErr) return false;
    if (sAILayer->SetLayerEditable(*layer, 1) != kNoErr) return false;
  }
  for (auto current = chain.rbegin(); current != chain.rend(); ++current) {
    if (sAIArt->SetArtUserAttr(*current, kLockedOrHidden, 0) != kNoErr) return false;
  }
  return true;
}
