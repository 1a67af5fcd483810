#include "benchmarks/MapGenerator.h"

#include <cmath>
#include <random>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/core/GeoJsonImport.h"
#include "host/document/Colors.h"
#include "host/document/JsonFields.h"

namespace bench {
namespace {

// layerCount layers, each new one at the bottom, so that layer 0 stays on top.
std::vector<host::Layer*> RoadLayers(host::Document& document, int layerCount) {
  std::vector<host::Layer*> layers;
  for (int i = 0; i < layerCount; ++i)
    layers.push_back(&document.NewLayer(nullptr, kPlaceBelow, "道路 " + std::to_string(i)));
  return layers;
}

// One road of geometry as a fill in an upper layer over its casing in the layer below; the
// roads take the pairs of layers in turn.
void AddCasingAndFill(host::Document& document, const std::vector<host::Layer*>& layers, int road,
                      const host::PathGeometry& geometry) {
  const auto pair = static_cast<std::size_t>(road) % (layers.size() / 2);
  for (std::size_t part = 0; part < 2; ++part) {
    host::Art& path =
        document.NewArt(kPathArt, kPlaceInsideOnTop, layers[2 * pair + part]->group());
    path.path() = geometry;
    AIStrokeStyle stroke = host::DefaultStroke();
    stroke.color = host::GrayColor(part == 0 ? 0.0 : 1.0);
    stroke.width = part == 0 ? 4 : 8;
    path.appearance().paint.push_back(stroke);
  }
}

}  // namespace

std::unique_ptr<host::Document> GenerateMap(int paths, int layerCount) {
  auto document = std::make_unique<host::Document>();
  const std::vector<host::Layer*> layers = RoadLayers(*document, layerCount);
  std::mt19937 random(20261206);
  std::uniform_real_distribution<double> coordinate(0, 10000);
  std::uniform_int_distribution<int> anchors(2, 12);
  for (int road = 0; road < paths / 2; ++road) {
    host::PathGeometry geometry;
    const int count = anchors(random);
    for (int k = 0; k < count; ++k)
      geometry.segments.push_back(host::CornerAt({coordinate(random), coordinate(random)}));
    AddCasingAndFill(*document, layers, road, geometry);
  }
  return document;
}

std::unique_ptr<host::Document> GenerateLongLines(int paths, int anchors, int layerCount) {
  auto document = std::make_unique<host::Document>();
  const std::vector<host::Layer*> layers = RoadLayers(*document, layerCount);
  std::mt19937 random(20261208);
  std::uniform_real_distribution<double> place(-50000, 50000);
  std::uniform_real_distribution<double> step(-40, 40);
  for (int road = 0; road < paths / 2; ++road) {
    host::PathGeometry geometry;
    geometry.segments.reserve(static_cast<std::size_t>(anchors));
    // Projected coordinates kept to a hundredth of a point, as a map's are written.
    AIRealPoint at{place(random), place(random)};
    for (int k = 0; k < anchors; ++k) {
      const AIRealPoint rounded{std::round(at.h * 100) / 100, std::round(at.v * 100) / 100};
      geometry.segments.push_back(host::CornerAt(rounded));
      at = {at.h + step(random), at.v + step(random)};
    }
    AddCasingAndFill(*document, layers, road, geometry);
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

CityMap LoadRealRoadCity(std::string* whyNot) {
  CityMap map;
  map.document = LoadRealRoadMap(whyNot);
  if (!map.document) return map;
  // The copies of a road are the paths of one geometry, back-most first.
  std::unordered_map<std::string, std::size_t> stackOf;
  std::vector<host::Art*> paths;
  map.document->ForEachArt([&paths](host::Art& art) {
    if (art.type() == kPathArt) paths.push_back(&art);
  });
  for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
    const host::PathGeometry& geometry = std::as_const(**path).path();
    std::string key(geometry.closed ? "c" : "o");
    for (const host::Segment& segment : geometry.segments) {
      for (const AIRealPoint& point : {segment.p, segment.in, segment.out}) {
        key.append(reinterpret_cast<const char*>(&point), sizeof point);
      }
    }
    const auto [found, added] = stackOf.try_emplace(key, map.stacks.size());
    if (added) map.stacks.emplace_back();
    map.stacks[found->second].push_back(*path);
  }
  return map;
}

namespace {

class CityBuilder {
 public:
  explicit CityBuilder(host::Document& document) : document_(document) {}

  host::Layer& Layer(const std::string& title) {
    return document_.NewLayer(nullptr, kPlaceBelow, title);
  }

  // A polyline of 2 to 12 anchors near a random place; curved ones have handles.
  host::PathGeometry Polyline() {
    host::PathGeometry geometry;
    AIRealPoint at{place_(random_), place_(random_)};
    const bool curved = percent_(random_) < 30;
    for (int k = anchors_(random_); k > 0; --k) {
      host::Segment segment = host::CornerAt(at);
      if (curved) {
        const AIReal dh = step_(random_) / 4, dv = step_(random_) / 4;
        segment.in = {at.h - dh, at.v - dv};
        segment.out = {at.h + dh, at.v + dv};
        segment.corner = false;
      }
      geometry.segments.push_back(segment);
      at = {at.h + step_(random_), at.v + step_(random_)};
    }
    return geometry;
  }

  host::PathGeometry Building() {
    const AIReal h = place_(random_), v = place_(random_);
    const AIReal width = 10 + percent_(random_), depth = 10 + percent_(random_) / 2;
    host::PathGeometry geometry;
    for (AIRealPoint corner : {AIRealPoint{h, v}, AIRealPoint{h + width, v},
                               AIRealPoint{h + width, v + depth}, AIRealPoint{h, v + depth}}) {
      geometry.segments.push_back(host::CornerAt(corner));
    }
    geometry.closed = true;
    return geometry;
  }

  host::Art& Path(host::Art& container, const host::PathGeometry& geometry, AIReal gray,
                  AIReal width, bool dashed = false) {
    host::Art& path = document_.NewArt(kPathArt, kPlaceInsideOnTop, container);
    path.path() = geometry;
    AIStrokeStyle stroke = host::DefaultStroke();
    stroke.color = host::GrayColor(gray);
    stroke.width = width;
    if (dashed) {
      stroke.dash.length = 2;
      stroke.dash.array[0] = 6;
      stroke.dash.array[1] = 3;
    }
    path.appearance().paint.push_back(stroke);
    return path;
  }

  int Percent() { return percent_(random_); }

 private:
  host::Document& document_;
  std::mt19937 random_{20261207};
  std::uniform_real_distribution<AIReal> place_{0, 20000};
  std::uniform_real_distribution<AIReal> step_{-150, 150};
  std::uniform_int_distribution<int> anchors_{2, 12};
  std::uniform_int_distribution<int> percent_{0, 99};
};

}  // namespace

CityMap GenerateCityMap(int paths, int drafts) {
  CityMap map;
  map.document = std::make_unique<host::Document>();
  host::Document& document = *map.document;
  CityBuilder city(document);
  host::Layer& draftLayer = city.Layer("下書き");
  host::Layer& buildings = city.Layer("建物");
  constexpr int kClasses = 4;
  std::vector<host::Layer*> fills, casings;
  for (int c = 0; c < kClasses; ++c) {
    fills.push_back(&city.Layer("道路_中 " + std::to_string(c)));
    casings.push_back(&city.Layer("道路_縁 " + std::to_string(c)));
  }
  host::Layer& rivers = city.Layer("河川");
  host::Layer& canals = document.NewLayer(&rivers, kPlaceInsideOnBottom, "運河");

  for (int i = 0; i < drafts; ++i) {
    map.drafts.push_back(&city.Path(draftLayer.group(), city.Polyline(), 0.5, 1));
  }
  int made = drafts;
  for (int road = 0; made < paths; ++road) {
    const int roll = city.Percent();
    if (roll < 22) {
      city.Path(buildings.group(), city.Building(), 0.7, 0.5);
      ++made;
      continue;
    }
    if (roll < 26) {
      host::Layer& layer = roll < 24 ? rivers : canals;
      host::PathGeometry river = city.Polyline();
      city.Path(layer.group(), river, 0.3, 3);
      ++made;
      continue;
    }
    const int roadClass = road % kClasses;
    const host::PathGeometry geometry = city.Polyline();
    const AIReal width = 8 - 1.5 * roadClass;
    // Styles are told apart by colour, not width: each class has greys of its own.
    const AIReal shade = 0.05 * roadClass;
    std::vector<host::Art*> stack;
    stack.push_back(&city.Path(casings[roadClass]->group(), geometry, shade, width + 2));
    host::Art* fillContainer = &fills[roadClass]->group();
    if (city.Percent() < 5) {
      fillContainer = &document.NewArt(kGroupArt, kPlaceInsideOnTop, *fillContainer);
    }
    stack.push_back(&city.Path(*fillContainer, geometry, 1 - shade, width));
    if (roadClass == 0 && city.Percent() < 30) {
      stack.push_back(&city.Path(*fillContainer, geometry, 0.2, 0.5, true));
    }
    made += static_cast<int>(stack.size());
    map.stacks.push_back(std::move(stack));
  }
  document.SetCurrentLayer(draftLayer);
  return map;
}

}  // namespace bench
