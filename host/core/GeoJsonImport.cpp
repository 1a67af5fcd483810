#include "host/core/GeoJsonImport.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <limits>
#include <sstream>
#include <unordered_map>
#include <utility>

#include "host/core/GeoJsonFeatures.h"
#include "host/document/DocumentJson.h"
#include "host/document/DocumentJsonLimits.h"

namespace host {
namespace {

struct Drawn {
  const GeoFeature* feature;
  const RoadStack* stack;
};

// The middle of the features' bounds.
GeoPoint CentreOf(const std::vector<Drawn>& drawn) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  double west = kInfinity, east = -kInfinity, south = kInfinity, north = -kInfinity;
  for (const Drawn& item : drawn) {
    for (const GeoLine& line : item.feature->lines) {
      for (const GeoPoint& point : line.points) {
        west = std::min(west, point.longitude);
        east = std::max(east, point.longitude);
        south = std::min(south, point.latitude);
        north = std::max(north, point.latitude);
      }
    }
  }
  if (drawn.empty()) return GeoPoint{0, 0};
  return GeoPoint{(west + east) / 2, (south + north) / 2};
}

PathGeometry Project(const GeoLine& line, const MapProjection& projection) {
  PathGeometry path;
  path.closed = line.closed;
  path.segments.reserve(line.points.size());
  for (std::size_t i = 0; i < line.points.size(); ++i) {
    const AIRealPoint point = projection.Project(line.points[i]);
    if (std::abs(point.h) > json_limits::kMaxCoordinate ||
        std::abs(point.v) > json_limits::kMaxCoordinate) {
      std::ostringstream what;
      what << std::fixed << std::setprecision(0);
      what << line.place << "[" << i << "]: lands at (" << point.h << ", " << point.v
           << "), beyond the ±" << json_limits::kMaxCoordinate
           << " points of a document; a smaller scale fits";
      throw DocumentFileError(what.str());
    }
    path.segments.push_back(CornerAt(point));
  }
  return path;
}

// The style's layers by title: found in the document, or made below the one before.
std::unordered_map<std::string, Layer*> StyleLayers(Document& document, const RoadStyle& style,
                                                    std::size_t* made) {
  std::unordered_map<std::string, Layer*> existing;
  for (Layer* layer = document.FirstLayer(); layer; layer = document.NextPreorderLayer(*layer)) {
    existing.emplace(layer->title, layer);
  }
  std::unordered_map<std::string, Layer*> layers;
  Layer* previous = nullptr;
  for (const std::string& title : style.layerOrder) {
    const auto found = existing.find(title);
    if (found != existing.end()) {
      previous = found->second;
    } else {
      previous = &document.NewLayer(previous, previous ? kPlaceBelow : kPlaceAbove, title);
      ++*made;
    }
    layers.emplace(title, previous);
  }
  return layers;
}

}  // namespace

ImportSummary ImportGeoJson(Document& document, std::string_view geojson, const RoadStyle& style) {
  const GeoJsonFeatures read = ReadGeoJsonFeatures(geojson, style.classProperty);
  ImportSummary summary;
  summary.leftOut = read.otherFeatures;
  std::vector<Drawn> drawn;
  for (const GeoFeature& feature : read.features) {
    const RoadStack* stack = style.StackFor(feature.classValue);
    if (stack == nullptr) {
      ++summary.leftOut;
    } else {
      drawn.push_back(Drawn{&feature, stack});
    }
  }
  const MapProjection projection(style.centre.value_or(CentreOf(drawn)), style.scale);
  std::vector<std::pair<PathGeometry, const RoadStack*>> paths;
  for (const Drawn& item : drawn) {
    for (const GeoLine& line : item.feature->lines) {
      paths.emplace_back(Project(line, projection), item.stack);
    }
  }

  // Nothing below refuses: the document changes only from here on.
  const auto layers = StyleLayers(document, style, &summary.layersMade);
  for (const auto& [geometry, stack] : paths) {
    for (const StackLayer& part : *stack) {
      Art& path = document.NewArt(kPathArt, kPlaceInsideOnTop, layers.at(part.layer)->group());
      path.path() = geometry;
      path.appearance().paint.emplace_back(part.stroke);
      ++summary.paths;
    }
  }
  summary.features = drawn.size();
  summary.stacks = paths.size();
  return summary;
}

}  // namespace host
