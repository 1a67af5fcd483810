#include "host/core/MapProjection.h"

#include <cmath>
#include <numbers>

namespace host {
namespace {

constexpr double kEarthRadius = 6378137;  // metres, the sphere of web maps
constexpr double kPointsPerMetre = 72 / 0.0254;

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180;
}

double MercatorY(double latitude) {
  return std::log(std::tan(std::numbers::pi / 4 + Radians(latitude) / 2));
}

}  // namespace

MapProjection::MapProjection(GeoPoint centre, double scaleDenominator)
    : centre_(centre),
      centreY_(MercatorY(centre.latitude)),
      pointsPerRadian_(kEarthRadius * std::cos(Radians(centre.latitude)) * kPointsPerMetre /
                       scaleDenominator) {}

AIRealPoint MapProjection::Project(GeoPoint point) const {
  return AIRealPoint{pointsPerRadian_ * Radians(point.longitude - centre_.longitude),
                     pointsPerRadian_ * (MercatorY(point.latitude) - centreY_)};
}

}  // namespace host
