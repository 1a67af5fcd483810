// Maps at realistic sizes: generated ones, roads drawn as overlap lines (a casing and a fill with
// one geometry) spread over a number of layer pairs; generated cities with roads of several
// classes, buildings, rivers and new roads drawn as plain lines; and a real road network imported
// from OpenStreetMap data.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/document/Document.h"

namespace bench {

// paths road paths in total (half casings, half fills) over layerCount layers; deterministic.
std::unique_ptr<host::Document> GenerateMap(int paths, int layerCount);

// paths long roads of anchors anchors each, wandering across the map, as casings and fills with
// one geometry in layerCount layers (in pairs); each path goes to the front of its layer, as an
// import adds them. Deterministic.
std::unique_ptr<host::Document> GenerateLongLines(int paths, int anchors, int layerCount);

// The OpenStreetMap extract that scripts/fetch-road-data.sh fetches (about 20,000 roads of
// Gothenburg), and the sample style that draws it.
std::filesystem::path RealRoadDataFile();
std::filesystem::path RealRoadStyleFile();

// Empty when the extract was fetched; otherwise what to run.
std::string MissingRealRoadData();

// The extract imported with the sample style. Null, with *whyNot saying what to run, when the
// data was not fetched.
std::unique_ptr<host::Document> LoadRealRoadMap(std::string* whyNot);

struct CityMap {
  std::unique_ptr<host::Document> document;
  std::vector<std::vector<host::Art*>> stacks;  // every road's copies
  std::vector<host::Art*> drafts;               // the new roads, plain lines
};

// A city of about paths paths, drafts of them new roads in the top layer "下書き"; deterministic.
// Below it: buildings (closed, single), four classes of road, each a layer of fills above a layer
// of casings in greys of its own (main roads also have a dashed centre line above their fill, some
// fills are in a group), and a layer of rivers (curved, single) with a sublayer of canals. Roads
// are short polylines near their own place, some curved.
CityMap GenerateCityMap(int paths, int drafts);

// The real road map with its stacks found by geometry, and no drafts. No document, with *whyNot
// saying what to run, when the data was not fetched.
CityMap LoadRealRoadCity(std::string* whyNot);

}  // namespace bench
