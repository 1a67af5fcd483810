// Random documents in the host's JSON format: layers and sublayers, some locked or hidden; roads
// drawn as stacks of equal paths over several layers in casing and fill styles, sometimes with a
// twin that differs only in a handle or in being closed; copies in groups and compound paths;
// plain paths, text, and swatches that styles use.
#pragma once

#include <string>
#include <vector>

#include "tests/random/RandomSource.h"

namespace random_sessions {

struct GeneratedDocument {
  std::string json;
  std::vector<std::string> swatchIds;  // every swatch, for delete-swatch
};

// Two to mostRoads roads.
GeneratedDocument GenerateDocument(RandomSource& random, int mostRoads = 6);

}  // namespace random_sessions
