// Layers named by their layer path, so that a setting finds its layers again by name in any
// document. A layer path is the layer's title, then "^" and the title of each enclosing layer,
// innermost first ("B^A" for a sublayer B of a top-level layer A); titles are used unescaped.
//
// The map is one for the whole plug-in, rebuilt from the current document when the host says
// its layers changed. It holds host strings, so the plug-in empties it (ClearLayerPathMap)
// while the string suite is still acquired, before it shuts down.
#pragma once

#include <cstddef>

#include "hostapi/AITypes.h"
#include "hostapi/IAIUnicodeString.h"

// Empties the map and enters every layer and sublayer of the current document in the host's
// pre-order walk; of two layers with one path the later wins. The first host error ends the
// rebuild, leaving what was entered so far, and is returned.
AIErr RebuildLayerPathMap();
// Forms the layer path of layer into path.
AIErr LayerPathOf(AILayerHandle layer, ai::UnicodeString& path);
// The layer entered under path at the last rebuild; null when none. Keys are compared with the
// host's full-string comparison.
AILayerHandle LookUpLayerPath(const ai::UnicodeString& path);
// Gives back every key string; the map is empty afterwards.
void ClearLayerPathMap();
std::size_t LayerPathMapSize();
