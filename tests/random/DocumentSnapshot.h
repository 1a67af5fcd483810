// What the checks compare before and after a step: the saved document and, by handle, the
// state of every art object and layer.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/document/Document.h"

namespace random_sessions {

struct ArtState {
  AIArtType type = kUnknownArt;
  AIArtUserAttr own = 0;  // the art's own selected, locked and hidden bits
  bool usable = false;    // visible and editable, as the user can change it
  std::optional<host::PathGeometry> path;
  std::vector<AIReal> strokeWidths;   // front to back
  std::vector<AILayerHandle> layers;  // its layer, then each enclosing layer
};

struct LayerState {
  bool visible = true;
  bool editable = true;
  bool operator==(const LayerState&) const = default;
};

struct DocumentSnapshot {
  std::string saved;
  std::map<AIArtHandle, ArtState> art;  // layer groups left out
  std::map<AILayerHandle, LayerState> layers;
};

DocumentSnapshot TakeSnapshot(const host::Document& document);

}  // namespace random_sessions
