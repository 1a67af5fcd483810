// Finding the stacked copies of a path: every path of the document whose geometry the host
// reports equal to it, listed from the back-most to the front-most.
#pragma once

#include <functional>

#include "engine/ArtSet.h"

// Visits every path of the document in the order stacks are listed: the layers from the bottom
// of the list up, each layer's art from its back-most member. The first host error ends the walk
// and is returned.
AIErr ForEachPathInStackOrder(const std::function<void(AIArtHandle)>& visit);

// Asks whether to unlock and show copy when the user cannot change it as it is, and does so on
// Yes; an unlock that fails gets an error alert, whose host error is returned.
AIErr OfferUnlock(AIArtHandle copy);

// Fills overlaps with every path equal to path (path itself included when it lies in a layer),
// walking the layers from the bottom of the list up and each layer's art from its back-most
// member. With ask, each copy that is locked or hidden gets the question whether to unlock and
// show it (an unlock that fails gets an error alert); every equal path is listed whatever the
// answer. The first host error ends the walk, leaving what was listed so far, and is returned.
AIErr CollectOverlaps(AIArtHandle path, ArtList& overlaps, bool ask);

// The same walk asking nothing: locked and hidden copies are listed as they are.
inline AIErr CollectOverlapsQuietly(AIArtHandle path, ArtList& overlaps) {
  return CollectOverlaps(path, overlaps, false);
}
