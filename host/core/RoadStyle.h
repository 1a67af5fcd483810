// The style file of import-geojson: which property gives a feature its class, and for each class
// the overlap-line stack that draws it, front to back, one stroke per layer. Its format is in the
// README's section on importing road maps.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/core/MapProjection.h"
#include "hostapi/AIPathStyle.h"

namespace host {

// A common scale of town maps; 10 km become about 1,130 points.
inline constexpr double kDefaultMapScale = 25000;

struct StackLayer {
  std::string layer;  // the layer's title
  AIStrokeStyle stroke;
};
using RoadStack = std::vector<StackLayer>;  // front to back, each in a layer of its own

struct RoadStyle {
  std::string classProperty;
  double scale = kDefaultMapScale;  // the map is 1:scale at its centre
  std::optional<GeoPoint> centre;   // absent: the centre of what is imported
  // Every layer the style names, front to back: those listed under "layers", then the others in
  // the order the stacks name them.
  std::vector<std::string> layerOrder;
  std::vector<RoadStack> stacks;
  std::unordered_map<std::string, std::size_t> stackOfClass;
  std::optional<std::size_t> defaultStack;

  // The stack of a feature's class; null when such features are left out.
  const RoadStack* StackFor(const std::optional<std::string>& classValue) const;
};

// Throws DocumentFileError naming the place, such as classes[2].stack[0].width: missing.
RoadStyle ReadRoadStyle(std::string_view json);

}  // namespace host
