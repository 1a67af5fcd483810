// Bounds of art in artwork coordinates (top above bottom).
#pragma once

#include "host/document/Art.h"

namespace host {

// The tight bounds of the art's geometry: curves' extremes (not their handles), members of
// containers, image frames, a text's anchor line. An empty container gives an empty rectangle
// at the origin.
AIRealRect GeometricBounds(const Art& art);
// The bounds of what is painted: the geometry widened by half the widest stroke.
AIRealRect VisualBounds(const Art& art);

}  // namespace host
