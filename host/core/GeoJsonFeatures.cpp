#include "host/core/GeoJsonFeatures.h"

#include "host/document/JsonFields.h"
#include "hostapi/AIPath.h"

namespace host {
namespace {

using json_fields::Fail;
using json_fields::Json;
using json_fields::ObjectReader;
using json_fields::ReadArray;
using json_fields::ReadNumber;
using json_fields::Where;

GeoPoint ReadPosition(const Json& value, const Where& where) {
  // A third number, the altitude, is allowed and not used.
  if (!value.IsArray() || value.size() < 2 || value.size() > 3) {
    Fail(where, "expected a position [longitude, latitude]");
  }
  return GeoPoint{
      ReadNumber(value[0], where.Element(0), -180, 180),
      ReadNumber(value[1], where.Element(1), -kMaxMercatorLatitude, kMaxMercatorLatitude)};
}

GeoLine ReadLine(const Json& value, const Where& where, bool ring) {
  const Json& positions = ReadArray(value, where);
  GeoLine line;
  line.closed = ring;
  line.points.reserve(positions.size());
  for (std::size_t i = 0; i < positions.size(); ++i) {
    line.points.push_back(ReadPosition(positions[i], where.Element(i)));
  }
  auto& points = line.points;
  if (ring && points.size() > 1 && points.front().longitude == points.back().longitude &&
      points.front().latitude == points.back().latitude) {
    points.pop_back();
  }
  if (ring && points.size() < 3)
    Fail(where, "a ring needs three positions besides the closing one");
  if (points.size() < 2) Fail(where, "a line needs two positions or more");
  if (points.size() > static_cast<std::size_t>(kMaxPathSegments)) {
    Fail(where, std::to_string(points.size()) + " positions, more than the " +
                    std::to_string(kMaxPathSegments) + " anchors of a path");
  }
  line.place = where.Text();
  return line;
}

// depth counts the array levels down to a line: 1 for a LineString, 3 for a MultiPolygon.
void ReadLines(const Json& value, const Where& where, int depth, bool rings,
               std::vector<GeoLine>& lines) {
  if (depth == 1) {
    lines.push_back(ReadLine(value, where, rings));
    return;
  }
  const Json& parts = ReadArray(value, where);
  if (parts.empty()) Fail(where, "no coordinates");
  for (std::size_t i = 0; i < parts.size(); ++i) {
    ReadLines(parts[i], where.Element(i), depth - 1, rings, lines);
  }
}

// Adds the lines or rings of a geometry; answers false for geometry that has none.
bool ReadGeometry(const Json& value, const Where& where, std::vector<GeoLine>& lines) {
  ObjectReader geometry(value, where);
  const std::string type = geometry.String("type");
  int depth = 0;
  if (type == "LineString") depth = 1;
  if (type == "MultiLineString" || type == "Polygon") depth = 2;
  if (type == "MultiPolygon") depth = 3;
  if (depth == 0) {
    if (type == "Point" || type == "MultiPoint" || type == "GeometryCollection") return false;
    Fail(geometry.PathOf("type"), "unknown geometry type \"" + type + "\"");
  }
  ReadLines(geometry.Get("coordinates"), geometry.PathOf("coordinates"), depth,
            type == "Polygon" || type == "MultiPolygon", lines);
  return true;
}

std::optional<std::string> ClassOf(ObjectReader& feature, const std::string& classProperty) {
  const Json* properties = feature.Find("properties");
  if (properties == nullptr || properties->IsNull()) return std::nullopt;
  if (!properties->IsObject()) Fail(feature.PathOf("properties"), "expected an object");
  const Json* value = properties->Find(classProperty);
  if (value == nullptr || !value->IsString()) return std::nullopt;
  return std::string(value->Text());
}

}  // namespace

GeoJsonFeatures ReadGeoJsonFeatures(std::string_view json, const std::string& classProperty) {
  const JsonTree tree(json);
  ObjectReader collection(tree.root(), Where());
  if (collection.String("type") != "FeatureCollection") {
    Fail(collection.PathOf("type"), "expected \"FeatureCollection\"");
  }
  const Where featuresPlace = collection.PathOf("features");
  const Json& features = ReadArray(collection.Get("features"), featuresPlace);
  GeoJsonFeatures result;
  for (std::size_t i = 0; i < features.size(); ++i) {
    ObjectReader feature(features[i], featuresPlace.Element(i));
    if (feature.String("type") != "Feature") Fail(feature.PathOf("type"), "expected \"Feature\"");
    const Json& geometry = feature.Get("geometry");
    GeoFeature read;
    if (geometry.IsNull() || !ReadGeometry(geometry, feature.PathOf("geometry"), read.lines)) {
      ++result.otherFeatures;
      continue;
    }
    read.classValue = ClassOf(feature, classProperty);
    result.features.push_back(std::move(read));
  }
  return result;
}

}  // namespace host
