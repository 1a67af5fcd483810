// Road maps from GeoJSON: projection, stacks and their styles, layers, refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "host/core/GeoJsonImport.h"
#include "host/core/Session.h"
#include "host/document/DocumentEquality.h"
#include "host/document/DocumentJson.h"
#include "host/document/JsonFields.h"

namespace {

using host::Art;
using host::Document;
using host::ImportGeoJson;
using host::ReadRoadStyle;

// Primary roads as a fill over a dashed casing, residential roads as one line.
constexpr char kStyle[] = R"({
  "property": "highway",
  "centre": [12, 57.7],
  "classes": [
    {"values": ["primary", "secondary"], "stack": [
      {"layer": "道路 塗り", "color": "#ffcc00", "width": 4, "cap": "round", "join": "round"},
      {"layer": "道路 縁", "color": "#333333", "width": 6, "dash": [2, 1]}]},
    {"values": ["residential"], "stack": [
      {"layer": "細道", "color": "#000000", "width": 1.5, "cap": "projecting", "join": "bevel"}]}
  ]
})";

// A line, a footway (no stack), two residential lines, a point, a feature without geometry and
// a pedestrian square with a hole.
constexpr char kRoads[] = R"({"type": "FeatureCollection", "features": [
  {"type": "Feature", "properties": {"highway": "primary"},
   "geometry": {"type": "LineString", "coordinates": [[12, 57.7], [12.001, 57.7], [12.001, 57.701]]}},
  {"type": "Feature", "properties": {"highway": "footway"},
   "geometry": {"type": "LineString", "coordinates": [[12, 57.7], [12, 57.8]]}},
  {"type": "Feature", "properties": {"highway": "residential"},
   "geometry": {"type": "MultiLineString", "coordinates": [[[12, 57.71], [12.01, 57.71]],
                                                          [[12, 57.72], [12.01, 57.72, 3.5]]]}},
  {"type": "Feature", "properties": {"highway": "primary"},
   "geometry": {"type": "Point", "coordinates": [12, 57.7]}},
  {"type": "Feature", "properties": null, "geometry": null},
  {"type": "Feature", "properties": {"highway": "secondary", "area": "yes"},
   "geometry": {"type": "Polygon", "coordinates": [
     [[12.1, 57.7], [12.2, 57.7], [12.2, 57.8], [12.1, 57.8], [12.1, 57.7]],
     [[12.12, 57.72], [12.14, 57.72], [12.13, 57.74], [12.12, 57.72]]]}}
]})";

std::vector<std::string> LayerTitles(const Document& document) {
  std::vector<std::string> titles;
  for (auto* layer = document.FirstLayer(); layer; layer = document.NextPreorderLayer(*layer)) {
    titles.push_back(layer->title);
  }
  return titles;
}

host::Layer& LayerTitled(const Document& document, const std::string& title) {
  for (auto* layer = document.FirstLayer(); layer; layer = document.NextPreorderLayer(*layer)) {
    if (layer->title == title) return *layer;
  }
  throw std::runtime_error("no layer " + title);
}

std::vector<const Art*> Members(const host::Layer& layer) {
  std::vector<const Art*> members;
  for (const Art* art = layer.group().firstChild(); art; art = art->behind())
    members.push_back(art);
  return members;
}

const AIStrokeStyle& StrokeOf(const Art& art) {
  EXPECT_EQ(art.appearance().paint.size(), 1u);
  return std::get<AIStrokeStyle>(art.appearance().paint.front());
}

TEST(GeoJsonImport, ScaleIsTrueAtTheCentreAndNorthIsUp) {
  Document document;
  ImportGeoJson(document, kRoads, ReadRoadStyle(kStyle));
  // The first feature starts at the centre, then runs 0.001° east (59.48 m of ground) and 0.001°
  // north (111.32 m): at 1:25,000 that is 6.7446 and 12.622 points.
  const auto& anchors = Members(LayerTitled(document, "道路 塗り")).back()->path().segments;
  ASSERT_EQ(anchors.size(), 3u);
  EXPECT_NEAR(anchors[0].p.h, 0, 1e-9);
  EXPECT_NEAR(anchors[0].p.v, 0, 1e-9);
  EXPECT_NEAR(anchors[1].p.h, 6.7446, 0.001);
  EXPECT_NEAR(anchors[1].p.v, 0, 1e-9);
  EXPECT_NEAR(anchors[2].p.h, 6.7446, 0.001);
  EXPECT_NEAR(anchors[2].p.v, 12.622, 0.001);
  EXPECT_EQ(anchors[1].in.h, anchors[1].p.h);  // corners, no handles
}

TEST(GeoJsonImport, EachLineAndRingBecomesAStackFrontToBack) {
  Document document;
  document.NewLayer(nullptr, kPlaceAbove, "背景");
  const auto summary = ImportGeoJson(document, kRoads, ReadRoadStyle(kStyle));
  EXPECT_EQ(summary.features, 3u);
  EXPECT_EQ(summary.leftOut, 3u);  // the footway, the point, the feature without geometry
  EXPECT_EQ(summary.stacks, 5u);   // a line, two lines, two rings
  EXPECT_EQ(summary.paths, 8u);
  EXPECT_EQ(summary.layersMade, 3u);
  // Made layers follow the style's order above the layers the document had.
  EXPECT_EQ(LayerTitles(document),
            (std::vector<std::string>{"道路 塗り", "道路 縁", "細道", "背景"}));

  // Later features and rings in front: the hole, the square's outline, then the line.
  const auto fills = Members(LayerTitled(document, "道路 塗り"));
  const auto casings = Members(LayerTitled(document, "道路 縁"));
  ASSERT_EQ(fills.size(), 3u);
  ASSERT_EQ(casings.size(), 3u);
  for (std::size_t i = 0; i < fills.size(); ++i) {
    EXPECT_TRUE(host::PathsEqual(fills[i]->path(), casings[i]->path())) << i;
  }
  EXPECT_TRUE(fills[0]->path().closed);
  EXPECT_EQ(fills[0]->path().segments.size(), 3u);  // the repeated first position is dropped
  EXPECT_TRUE(fills[1]->path().closed);
  EXPECT_EQ(fills[1]->path().segments.size(), 4u);
  EXPECT_FALSE(fills[2]->path().closed);

  const AIStrokeStyle& fill = StrokeOf(*fills[2]);
  EXPECT_EQ(fill.color.kind, kThreeColor);
  EXPECT_DOUBLE_EQ(fill.color.c.rgb.red, 1);
  EXPECT_DOUBLE_EQ(fill.color.c.rgb.green, 0.8);
  EXPECT_DOUBLE_EQ(fill.color.c.rgb.blue, 0);
  EXPECT_EQ(fill.width, 4);
  EXPECT_EQ(fill.cap, kAIRoundCap);
  EXPECT_EQ(fill.join, kAIRoundJoin);
  EXPECT_EQ(fill.dash.length, 0);
  const AIStrokeStyle& casing = StrokeOf(*casings[2]);
  EXPECT_EQ(casing.width, 6);
  EXPECT_EQ(casing.cap, kAIButtCap);
  EXPECT_EQ(casing.join, kAIMiterJoin);
  ASSERT_EQ(casing.dash.length, 2);
  EXPECT_EQ(casing.dash.array[1], 1);
  const auto lanes = Members(LayerTitled(document, "細道"));
  ASSERT_EQ(lanes.size(), 2u);
  EXPECT_EQ(StrokeOf(*lanes[0]).cap, kAIProjectingCap);

  // A second import finds the layers by title.
  const auto again = ImportGeoJson(document, kRoads, ReadRoadStyle(kStyle));
  EXPECT_EQ(again.layersMade, 0u);
  EXPECT_EQ(Members(LayerTitled(document, "道路 縁")).size(), 6u);
}

TEST(GeoJsonImport, StyleOrderAndDefaultStack) {
  // Fills above all casings through "layers"; features of other classes, or of none, by default.
  const auto style = ReadRoadStyle(R"({"property": "highway",
    "layers": ["塗り A", "塗り B"],
    "classes": [
      {"values": ["primary"], "stack": [{"layer": "塗り A", "color": "#ffffff", "width": 3},
                                        {"layer": "縁 A", "color": "#000000", "width": 5}]}],
    "default": [{"layer": "塗り B", "color": "#eeeeee", "width": 2},
                {"layer": "縁 B", "color": "#000000", "width": 3}]})");
  Document document;
  const auto summary = ImportGeoJson(document, kRoads, style);
  EXPECT_EQ(LayerTitles(document), (std::vector<std::string>{"塗り A", "塗り B", "縁 A", "縁 B"}));
  EXPECT_EQ(summary.features, 4u);  // the footway too
  // The footway, two residential lines and the secondary square's two rings.
  EXPECT_EQ(Members(LayerTitled(document, "縁 B")).size(), 5u);
}

// Each input is refused with its place, before anything changes.
TEST(GeoJsonImport, BadInputIsRefusedWithItsPlaceAndChangesNothing) {
  const auto lineOf = [](const std::string& coordinates) {
    return R"({"type": "FeatureCollection", "features": [
      {"type": "Feature", "properties": {"highway": "primary"},
       "geometry": {"type": "LineString", "coordinates": [[12, 57.7], [12.1, 57.7]]}},
      {"type": "Feature", "properties": {"highway": "primary"},
       "geometry": {"type": "LineString", "coordinates": )" +
           coordinates + "}}]}";
  };
  std::string tooMany = "[";
  for (int i = 0; i <= 32000; ++i) tooMany += (i ? ",[12," : "[12,") + std::to_string(i % 80) + "]";
  tooMany += "]";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"{\"type\": ", "malformed JSON: parse error at line 1, column 10"},
      {R"({"type": "Feature", "geometry": null})", "type: expected \"FeatureCollection\""},
      {R"({"type": "FeatureCollection", "features": [{"type": "Feature",
          "geometry": {"type": "LineString"}}]})",
       "features[0].geometry.coordinates: missing"},
      {lineOf("[]"), "features[1].geometry.coordinates: a line needs two positions or more"},
      {lineOf("[[12, 57.7], [12, 91]]"),
       "features[1].geometry.coordinates[1][1]: 91 is out of range (-85.0511 to 85.0511)"},
      {lineOf("[[12, 57.7], [1e400, 57]]"), "malformed JSON: number overflow parsing '1e400'"},
      {lineOf("[[12, 57.7], [1e300, 57]]"),
       "features[1].geometry.coordinates[1][0]: 1e+300 is out of range (-180 to 180)"},
      {lineOf("[[12, 57.7], [\"12\", 57]]"),
       "features[1].geometry.coordinates[1][0]: expected a number, found string"},
      {lineOf(tooMany),
       "features[1].geometry.coordinates: 32001 positions, more than the 32000 anchors of a path"},
      {R"({"type": "FeatureCollection", "features": [{"type": "Feature", "geometry":
          {"type": "Polygon", "coordinates": [[[12, 57], [12.1, 57], [12, 57]]]}}]})",
       "features[0].geometry.coordinates[0]: a ring needs three positions besides the closing one"},
  };
  Document document;
  ImportGeoJson(document, kRoads, ReadRoadStyle(kStyle));
  const std::string before = host::WriteDocument(document);
  // The first feature is fine and its layer is missing: neither may reach the document.
  const auto style = ReadRoadStyle(R"({"property": "highway",
    "classes": [{"values": ["primary"], "stack": [{"layer": "新", "color": "#000000", "width": 1}]}]})");
  for (const auto& [geojson, message] : cases) {
    try {
      ImportGeoJson(document, geojson, style);
      ADD_FAILURE() << "accepted: " << message;
    } catch (const host::DocumentFileError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, message.size()), message);
    }
  }
  // At 1:1 the second line's far end lands 5.95 km (16.9 million points) from the centre.
  const auto lifeSize =
      ReadRoadStyle(R"({"property": "highway", "scale": 1, "centre": [12.05, 57.7],
    "classes": [{"values": ["primary"], "stack": [{"layer": "新", "color": "#000000", "width": 1}]}]})");
  try {
    ImportGeoJson(document, lineOf("[[12.05, 57.7], [12.15, 57.7]]"), lifeSize);
    ADD_FAILURE() << "accepted a map beyond the document's coordinates";
  } catch (const host::DocumentFileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "features[1].geometry.coordinates[1]: lands at (16861559, 0), beyond the ±10000000 "
              "points of a document; a smaller scale fits");
  }
  EXPECT_EQ(host::WriteDocument(document), before);
}

TEST(GeoJsonImport, BadStylesAreRefusedWithTheirPlace) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {R"({"classes": []})", "property: missing"},
      {R"({"property": "highway", "classes": [{"values": ["primary"],
          "stack": [{"layer": "a", "color": "#000000", "width": 1}, {"layer": "b", "color": "#000000"}]}]})",
       "classes[0].stack[1].width: missing"},
      {R"({"property": "highway", "classes": [{"values": ["primary"],
          "stack": [{"layer": "a", "color": "black", "width": 1}]}]})",
       "classes[0].stack[0].color: expected a colour #rrggbb, found \"black\""},
      {R"({"property": "highway", "classes": [{"values": ["primary"],
          "stack": [{"layer": "a", "color": "#000000", "width": 1, "cap": "square"}]}]})",
       "classes[0].stack[0].cap: expected one of \"butt\", \"round\", \"projecting\", found "
       "\"square\""},
      {R"({"property": "highway", "classes": [{"values": ["primary"],
          "stack": [{"layer": "a", "color": "#000000", "width": 1}, {"layer": "a", "color": "#000000", "width": 2}]}]})",
       "classes[0].stack[1].layer: \"a\" is already in the stack"},
      {R"({"property": "highway", "classes": [
          {"values": ["primary"], "stack": [{"layer": "a", "color": "#000000", "width": 1}]},
          {"values": ["primary"], "stack": [{"layer": "b", "color": "#000000", "width": 1}]}]})",
       "classes[1].values[0]: the class \"primary\" has a stack already"},
      {R"({"property": "highway", "classes": [], "colour": 1})", "colour: unknown member"},
      {R"({"property": "highway", "classes": []})",
       "classes: no class has a stack and there is no default"},
  };
  for (const auto& [style, message] : cases) {
    try {
      ReadRoadStyle(style);
      ADD_FAILURE() << "accepted: " << message;
    } catch (const host::DocumentFileError& error) {
      EXPECT_EQ(error.what(), message);
    }
  }
}

class ImportCommandTest : public ::testing::Test {
 protected:
  ImportCommandTest() {
    folder_ = std::filesystem::temp_directory_path() / "laneworks-import-command";
    std::filesystem::create_directories(folder_);
    session_.SetFolders(folder_, folder_);
    Write("roads.geojson", kRoads);
    Write("style.json", kStyle);
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  const std::string& LastLine() { return host_.transcript().Lines().back(); }

  host::Host host_;
  host::Session session_{host_, [](const std::string&) { return nullptr; }, ""};
  std::filesystem::path folder_;
};

TEST_F(ImportCommandTest, ImportsIntoANewDocumentOnlyWhenItSucceeds) {
  Write("bad.geojson", R"({"type": "FeatureCollection", "features": [7]})");
  session_.RunLine("import-geojson bad.geojson style.json");
  EXPECT_EQ(
      LastLine(),
      "import-geojson \"bad.geojson\" refused: features[0]: expected an object, found number");
  EXPECT_EQ(host_.documents().current(), nullptr);

  session_.RunLine("import-geojson roads.geojson style.json");
  EXPECT_EQ(
      LastLine(),
      "imported \"roads.geojson\": 3 features as 5 stacks of 8 paths, 3 left out, 3 layers made");
  ASSERT_NE(host_.documents().current(), nullptr);
  EXPECT_EQ(LayerTitles(*host_.documents().current()),
            (std::vector<std::string>{"道路 塗り", "道路 縁", "細道"}));

  Write("broken-style.json", R"({"property": "highway", "classes": [{"values": ["primary"]}]})");
  session_.RunLine("import-geojson roads.geojson broken-style.json");
  EXPECT_EQ(LastLine(),
            "import-geojson \"roads.geojson\" refused: style \"broken-style.json\": "
            "classes[0].stack: missing");
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << host_.transcript().Text();
}

// examples/osm-roads.session on the real extract, when scripts/fetch-road-data.sh has fetched it.
TEST(RealRoadMap, SessionImportsSavesAndReadsBackTheExtract) {
  const std::filesystem::path source = LANEWORKS_SOURCE_DIR;
  if (!std::filesystem::exists(source / "build/road-data/gothenburg-roads.geojson")) {
    GTEST_SKIP() << "no real road data: run scripts/fetch-road-data.sh first";
  }
  const auto output = std::filesystem::temp_directory_path() / "laneworks-real-roads";
  std::filesystem::create_directories(output);
  host::Host host;
  host::Session session{host, [](const std::string&) { return nullptr; }, ""};
  session.SetFolders(source / "examples", output);
  const int violations =
      session.Run(host::json_fields::ReadFileText(source / "examples/osm-roads.session"));
  EXPECT_EQ(violations, 0) << host.transcript().Text();
  // Platforms and construction sites have no stack; each pedestrian area has one ring.
  const auto& lines = host.transcript().Lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "imported \"../build/road-data/gothenburg-roads.geojson\": 19462 features "
                      "as 19462 stacks of 29418 paths, 765 left out, 7 layers made"),
            lines.end())
      << host.transcript().Text();
  const auto saved = host::ReadDocumentFile(output / "gothenburg-roads.json");
  ASSERT_NE(host.documents().current(), nullptr);
  EXPECT_EQ(host::FirstDifference(*saved, *host.documents().current()), "");
}

}  // namespace
