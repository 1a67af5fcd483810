// Art objects of the current document.
#pragma once

#include "hostapi/AITypes.h"

constexpr char kAIArtSuite[] = "AI Art Suite";
constexpr std::int32_t kAIArtSuiteVersion = 20;

struct AIArtSuite {
  AIErr (*GetArtType)(AIArtHandle art, AIArtType* type);
  // The group, compound path or layer group that holds art; null for a layer group.
  AIErr (*GetArtParent)(AIArtHandle art, AIArtHandle* parent);
  // The layer whose art tree holds art (for art in a sublayer, the sublayer).
  AIErr (*GetLayerOfArt)(AIArtHandle art, AILayerHandle* layer);
  // The group art of a layer: the container of everything in the layer, sublayers included.
  AIErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* art);
  // The art's own attribute bits of mask (kArtSelected, kArtLocked, kArtHidden); ancestors and
  // layers are not looked at.
  AIErr (*GetArtUserAttr)(AIArtHandle art, AIArtUserAttr mask, AIArtUserAttr* attributes);
  // Sets the bits of mask to those of attributes. Selecting a group selects its members.
  AIErr (*SetArtUserAttr)(AIArtHandle art, AIArtUserAttr mask, AIArtUserAttr attributes);
  // Makes art of type (group or path) placed by paintOrder relative to prep; new paths are
  // empty with no stroke and no fill.
  AIErr (*NewArt)(AIArtType type, AIPaintOrder paintOrder, AIArtHandle prep, AIArtHandle* art);
  // Removes art (and its members) from the document; its handle, and theirs, become stale.
  AIErr (*DisposeArt)(AIArtHandle art);
  // Copies art (with members, style and attributes) to the place paintOrder and prep give.
  AIErr (*DuplicateArt)(AIArtHandle art, AIPaintOrder paintOrder, AIArtHandle prep,
                        AIArtHandle* copy);
  // True when both are paths with the same closed flag, segment count and every anchor and
  // handle exactly equal in the same order.
  AIBoolean (*ArtsHaveEqualPaths)(AIArtHandle a, AIArtHandle b);
  // The geometric bounds of art (path anchors and handles' curves, group members).
  AIErr (*GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
  // True when art is a live object of the current document.
  AIBoolean (*ValidArt)(AIArtHandle art);
};
