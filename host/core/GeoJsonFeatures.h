// The line and polygon features of a GeoJSON FeatureCollection, read strictly: anything malformed
// throws DocumentFileError naming its place, such as features[12].geometry.coordinates[3].
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/MapProjection.h"

namespace host {

// A line of a LineString or MultiLineString, or a ring of a Polygon or MultiPolygon (closed,
// without the position that repeats the first).
struct GeoLine {
  std::vector<GeoPoint> points;
  bool closed = false;
  std::string place;  // where its coordinates are in the file, for messages
};

struct GeoFeature {
  std::optional<std::string> classValue;  // the class property when it is a string
  std::vector<GeoLine> lines;
};

struct GeoJsonFeatures {
  std::vector<GeoFeature> features;  // those with line or polygon geometry, in file order
  std::size_t otherFeatures = 0;     // points, collections and features without geometry
};

// classProperty names the property whose value is each feature's class.
GeoJsonFeatures ReadGeoJsonFeatures(std::string_view json, const std::string& classProperty);

}  // namespace host
