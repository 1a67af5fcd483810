// Longitude and latitude to artwork points for imported maps: a Mercator projection on the
// sphere of web maps, with its scale true at the latitude of its centre, so that a town keeps its
// shapes and the angles of its junctions. The centre lands on the artwork origin; north is up
// (artwork y grows upward).
#pragma once

#include "hostapi/AITypes.h"

namespace host {

struct GeoPoint {
  double longitude;  // degrees east
  double latitude;   // degrees north
};

// Mercator reaches infinity at the poles; web maps stop at this latitude.
inline constexpr double kMaxMercatorLatitude = 85.0511287798;

class MapProjection {
 public:
  // A map at 1:scaleDenominator at the centre's latitude.
  MapProjection(GeoPoint centre, double scaleDenominator);
  // Latitudes within ±kMaxMercatorLatitude.
  AIRealPoint Project(GeoPoint point) const;

 private:
  GeoPoint centre_;
  double centreY_;          // the centre's Mercator ordinate on the unit sphere
  double pointsPerRadian_;  // along the centre's parallel
};

}  // namespace host
