#include "benchmarks/MapGenerator.h"

#include <random>
#include <string>
#include <vector>

#include "host/core/GeoJsonImport.h"
#include "host/document/Colors.h"
#include "host/document/JsonFields.h"

namespace bench {

std::unique_ptr<host::Document> GenerateMap(int paths, int layerCount) {
  auto document = std::make_unique<host::Document>();
  std::vector<host::Layer*> layers;
  for (int i = 0; i < layerCount; ++i) {
    // Each new layer goes to the bottom, so layer 0 stays on top.
    layers.push_back(&document->NewLayer(nullptr, kPlaceBelow, "道路 " + std::to_string(i)));
  }
  std::mt19937 random(20261206);
  std::uniform_real_distribution<double> coordinate(0, 10000);
  std::uniform_int_distribution<int> anchors(2, 12);
  for (int road = 0; road < paths / 2; ++road) {
    host::PathGeometry geometry;
    const int count = anchors(random);
    for (int k = 0; k < count; ++k)
      geometry.segments.push_back(host::CornerAt({coordinate(random), coordinate(random)}));
    // The fill goes into an upper layer, the casing into the layer below it.
    const int pair = road % (layerCount / 2);
    for (int part = 0; part < 2; ++part) {
      host::Layer& layer = *layers[static_cast<std::size_t>(2 * pair + part)];
      host::Art& path = document->NewArt(kPathArt, kPlaceInsideOnTop, layer.group());
      path.path() = geometry;
      AIStrokeStyle stroke = host::DefaultStroke();
      stroke.color = host::GrayColor(part == 0 ? 0.0 : 1.0);
      stroke.width = part == 0 ? 4 : 8;
      path.appearance().paint.push_back(stroke);
    }
  }
  return document;
}

std::filesystem::path RealRoadDataFile() {
  return LANEWORKS_SOURCE_DIR "/build/road-data/gothenburg-roads.geojson";
}

std::filesystem::path RealRoadStyleFile() {
  return LANEWORKS_SOURCE_DIR "/examples/osm-roads-style.json";
}

std::string MissingRealRoadData() {
  if (std::filesystem::exists(RealRoadDataFile())) return {};
  return "no real road data in " + RealRoadDataFile().string() +
         ": run scripts/fetch-road-data.sh first";
}

std::unique_ptr<host::Document> LoadRealRoadMap(std::string* whyNot) {
  *whyNot = MissingRealRoadData();
  if (!whyNot->empty()) return nullptr;
  using host::json_fields::ReadFileText;
  auto document = std::make_unique<host::Document>();
  host::ImportGeoJson(*document, ReadFileText(RealRoadDataFile()),
                      host::ReadRoadStyle(ReadFileText(RealRoadStyleFile())));
  return document;
}

}  // namespace bench
