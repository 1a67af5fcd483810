// Road maps from GeoJSON: every line and polygon ring of a feature whose class has a stack in the
// style becomes an overlap line, one path of the line's geometry in each layer of the stack.
#pragma once

#include <cstddef>
#include <string_view>

#include "host/core/RoadStyle.h"
#include "host/document/Document.h"

namespace host {

struct ImportSummary {
  std::size_t features = 0;  // features drawn
  std::size_t leftOut = 0;   // of a class without a stack, or without lines or rings
  std::size_t stacks = 0;    // one per line or ring drawn
  std::size_t paths = 0;
  std::size_t layersMade = 0;  // layers of the style the document lacked
};

// Projects and builds every path before the document is touched: input that is refused throws
// DocumentFileError naming its place and leaves the document as it was. The style's layers are
// found by title (the first in the Layers list, sublayers too), and those missing are made, each
// below the one before it in the style's order, the first at the top. New paths go in front of
// the art already in their layer, later features in front of earlier ones.
ImportSummary ImportGeoJson(Document& document, std::string_view geojson, const RoadStyle& style);

}  // namespace host
