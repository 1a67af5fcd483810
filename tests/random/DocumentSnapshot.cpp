#include "tests/random/DocumentSnapshot.h"

#include <variant>

#include "host/document/DocumentJson.h"

namespace random_sessions {

DocumentSnapshot TakeSnapshot(const host::Document& document) {
  DocumentSnapshot snapshot;
  snapshot.saved = host::WriteDocument(document);
  for (host::Layer* layer = document.FirstLayer(); layer != nullptr;
       layer = document.NextPreorderLayer(*layer)) {
    snapshot.layers[layer->handle()] = {layer->visible, layer->editable};
  }
  document.ForEachArt([&](const host::Art& art) {
    if (art.IsLayerGroup()) return;
    ArtState state;
    state.type = art.type();
    state.own = art.ownAttributes();
    state.usable = document.IsArtVisible(art) && document.IsArtEditable(art);
    if (art.type() == kPathArt) {
      state.path = art.path();
      for (const host::PaintField& field : art.appearance().paint) {
        if (const auto* stroke = std::get_if<AIStrokeStyle>(&field))
          state.strokeWidths.push_back(stroke->width);
      }
    }
    for (host::Layer* layer = document.LayerOfArt(art); layer != nullptr;
         layer = document.ParentLayer(*layer)) {
      state.layers.push_back(layer->handle());
    }
    snapshot.art[art.handle()] = std::move(state);
  });
  return snapshot;
}

}  // namespace random_sessions
