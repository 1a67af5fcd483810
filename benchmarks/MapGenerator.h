// Maps at realistic sizes: generated ones, roads drawn as overlap lines (a casing and a fill with
// one geometry) spread over a number of layer pairs, and a real road network imported from
// OpenStreetMap data.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "host/document/Document.h"

namespace bench {

// paths road paths in total (half casings, half fills) over layerCount layers; deterministic.
std::unique_ptr<host::Document> GenerateMap(int paths, int layerCount);

// The OpenStreetMap extract that scripts/fetch-road-data.sh fetches (about 20,000 roads of
// Gothenburg), and the sample style that draws it.
std::filesystem::path RealRoadDataFile();
std::filesystem::path RealRoadStyleFile();

// Empty when the extract was fetched; otherwise what to run.
std::string MissingRealRoadData();

// The extract imported with the sample style. Null, with *whyNot saying what to run, when the
// data was not fetched.
std::unique_ptr<host::Document> LoadRealRoadMap(std::string* whyNot);

}  // namespace bench
