// Ordered sets of art objects, front to back. Every set made with NewArtSet is owned by the
// plug-in until DisposeArtSet; the host counts live sets.
#pragma once

#include "hostapi/AITypes.h"

constexpr char kAIArtSetSuite[] = "AI Art Set Suite";
constexpr std::int32_t kAIArtSetSuiteVersion = 9;

struct AIArtSetSuite {
  AIErr (*NewArtSet)(AIArtSetHandle* artSet);
  // Disposes the set (not its art) and clears *artSet.
  AIErr (*DisposeArtSet)(AIArtSetHandle* artSet);
  AIErr (*CountArtSet)(AIArtSetHandle artSet, std::uint64_t* count);
  // The member at index; kBadParameterErr beyond the count.
  AIErr (*IndexArtSet)(AIArtSetHandle artSet, std::uint64_t index, AIArtHandle* art);
  // Replaces the members of the set by count handles of array, in that order.
  AIErr (*ArrayArtSet)(AIArtSetHandle artSet, const AIArtHandle* array, std::uint64_t count);
  // Replaces the members by every selected art of the document, in paint order front to back.
  AIErr (*SelectedArtSet)(AIArtSetHandle artSet);
  // Replaces the members by every art in the layer's subtree (members of groups, compound paths
  // and sublayers; not the layer groups), front to back.
  AIErr (*LayerArtSet)(AILayerHandle layer, AIArtSetHandle artSet);
};
