// Broken overlap lines for the stack check's benchmarks: roads of a city with a copy deleted,
// reshaped, made twice or moved into the other copy's layer, spread evenly over the map.
#pragma once

#include <cstddef>

#include "benchmarks/MapGenerator.h"

class OverlapSettingStore;

namespace bench {

// Puts the settings of the city's roads into store's batch list, one per distinct road, as a
// batch capture of every road would. False when a road's setting cannot be read.
bool StoreRoadSettings(const CityMap& city, OverlapSettingStore& store);

struct Breakage {
  std::size_t missing = 0, drifted = 0, duplicates = 0, wrongLayer = 0;
  std::size_t Total() const { return missing + drifted + duplicates + wrongLayer; }
};

// Breaks count roads, a quarter of each kind, chosen among those of two copies in two layers
// whose styles belong to one setting of store alone, so that each broken road gives exactly one
// finding. A drifted anchor moves 1.25 pt, within the reach of the thinnest road's setting.
Breakage BreakRoads(CityMap& city, const OverlapSettingStore& store, std::size_t count);

}  // namespace bench
