// Layers of the current document. Index 0 is the top of the Layers list, the front-most.
#pragma once

#include "hostapi/AITypes.h"

constexpr char kAILayerSuite[] = "AI Layer Suite";
constexpr std::int32_t kAILayerSuiteVersion = 13;

struct AILayerSuite {
  // Top-level layers.
  AIErr (*CountLayers)(std::int32_t* count);
  AIErr (*GetNthLayer)(std::int32_t index, AILayerHandle* layer);
  // The first layer of the pre-order walk (the top-level layer at index 0); null when none.
  AIErr (*GetFirstLayer)(AILayerHandle* first);
  // The next layer of the pre-order walk over all layers and sublayers, parent before children,
  // top to bottom; null after the last.
  AIErr (*GetNextPreorderLayer)(AILayerHandle layer, AILayerHandle* next);
  // The enclosing layer; null for a top-level layer.
  AIErr (*GetLayerParent)(AILayerHandle layer, AILayerHandle* parent);
  // Writes the title into the caller's string.
  AIErr (*GetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef title);
  AIErr (*SetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef title);
  AIErr (*GetLayerVisible)(AILayerHandle layer, AIBoolean* visible);
  AIErr (*SetLayerVisible)(AILayerHandle layer, AIBoolean visible);
  AIErr (*GetLayerEditable)(AILayerHandle layer, AIBoolean* editable);
  AIErr (*SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
  // The layer new art goes into; null when the document has none.
  AIErr (*GetCurrentLayer)(AILayerHandle* layer);
  AIErr (*SetCurrentLayer)(AILayerHandle layer);
  AIErr (*LayerHasSelectedArt)(AILayerHandle layer, AIBoolean* hasSelected);
  // Clears the selected attribute of every art in the layer's subtree.
  AIErr (*DeselectArtOnLayer)(AILayerHandle layer);
};
