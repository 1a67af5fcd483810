// Generated maps at realistic sizes: roads drawn as overlap lines (a casing and a fill with one
// geometry) spread over a number of layer pairs.
#pragma once

#include <memory>

#include "host/document/Document.h"

namespace bench {

// paths road paths in total (half casings, half fills) over layerCount layers; deterministic.
std::unique_ptr<host::Document> GenerateMap(int paths, int layerCount);

}  // namespace bench
