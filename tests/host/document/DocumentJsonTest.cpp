// Document files: the sample map, round trips of every field, refusals and a large document.
#include <gtest/gtest.h>

#include <string>

#include "TestDocuments.h"
#include "host/document/DocumentEquality.h"
#include "host/document/DocumentJson.h"
#include "host/document/DocumentJsonLimits.h"

namespace host {
namespace {

using testing::AddGroup;
using testing::AddPath;
using testing::Ids;

const char kSampleMap[] = LANEWORKS_SOURCE_DIR "/examples/sample-map.json";

std::unique_ptr<Document> RoundTrip(const Document& document) {
  return ReadDocument(WriteDocument(document));
}

TEST(SampleMap, HoldsStackedRoadsAndSurvivesARoundTrip) {
  const std::unique_ptr<Document> map = ReadDocumentFile(kSampleMap);
  std::vector<std::string> titles;
  for (const Layer* l = map->FirstLayer(); l; l = map->NextPreorderLayer(*l)) {
    titles.push_back(l->title);
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"下書き", "注記", "道路_中", "一般道_中", "道路_縁",
                                              "一般道_縁", "建物", "公共施設", "地形", "背景"}));
  EXPECT_EQ(map->currentLayer()->title, "道路_中");
  EXPECT_FALSE(map->NthLayer(8)->editable);

  // Every road is drawn once in its fill layer and once, with the same geometry, in its casing.
  for (const auto& [fillLayer, casingLayer] :
       {std::pair{"roads-main-fill", "roads-main-casing"},
        std::pair{"roads-local-fill", "roads-local-casing"}}) {
    const std::vector<Art*> fills = map->LayerArt(*map->FindLayer(std::string_view(fillLayer)));
    EXPECT_GE(fills.size(), 3u);
    for (const Art* fill : fills) {
      std::string id = fill->id();
      id.replace(id.rfind("-fill"), 5, "-casing");
      const Art* casing = map->FindArt(std::string_view(id));
      ASSERT_NE(casing, nullptr) << id;
      EXPECT_EQ(map->LayerOfArt(*casing)->id(), casingLayer);
      EXPECT_TRUE(PathsEqual(fill->path(), casing->path())) << id;
    }
  }
  EXPECT_EQ(map->PathStyle(*map->FindArt(std::string_view("main-1-fill"))).stroke.color.kind,
            kCustomColor);
  EXPECT_FALSE(map->IsArtVisible(*map->FindArt(std::string_view("building-old-warehouse"))));
  EXPECT_EQ(Ids(map->SelectedArt()), (std::vector<std::string>{"main-2-fill"}));

  const std::string saved = WriteDocument(*map);
  const std::unique_ptr<Document> reloaded = ReadDocument(saved);
  EXPECT_EQ(FirstDifference(*map, *reloaded), "");
  EXPECT_EQ(WriteDocument(*reloaded), saved);
}

// A document using every field the file format has, most of them away from their defaults.
std::unique_ptr<Document> EveryFieldDocument() {
  auto document = std::make_unique<Document>();
  Document& d = *document;
  SwatchLibrary& swatches = d.swatches();
  const auto spot = swatches.customColors.Add({"spot", "特色", RgbColor(0.1, 0.2, 0.3), false});
  const auto tiles = swatches.patterns.Add({"tiles", "タイル", GrayColor(0.3)});
  const auto ramp = swatches.gradients.Add({"ramp",
                                            "ramp",
                                            GradientType::kRadial,
                                            {{0, 30, CustomColorOf(spot, 0.25)},
                                             {60, 50, CmykColor(0.1, 0, 0, 0)},
                                             {100, 87, GrayColor(1)}}});

  Layer& top = d.NewLayer(nullptr, kPlaceBelow, "上", "top");
  Layer& hidden = d.NewLayer(nullptr, kPlaceBelow, "隠し", "hidden");
  hidden.visible = false;
  hidden.editable = false;
  Layer& sub = d.NewLayer(&top, kPlaceInsideOnBottom, "下位", "sub");
  d.SetCurrentLayer(sub);
  d.view().zoom = 2.5;
  d.view().snapping = true;

  Art& path = AddPath(d, top.group(), "path", {{1.5, -2.25}, {3, 4}, {5, 6}}, true);
  path.path().segments[1].in = {2, 3};
  path.path().segments[1].out = {4, 5};
  path.path().segments[1].corner = false;
  d.SetSegmentSelected(path, 2, true);
  AIPatternStyle pattern{tiles, 1, 2, {3, 4}, 5, true, 6, 7, 8, {1, 0.5, 0, 1, 10, 20}};
  AIColor patternColor{};
  patternColor.kind = kPattern;
  patternColor.c.p = pattern;
  AIStrokeStyle dashed = testing::Stroke(CmykColor(0, 1, 1, 0), 2.5);
  dashed.dash = {3, {4, 2, 1, 0, 0, 0}, 1.5};
  dashed.cap = kAIProjectingCap;
  dashed.join = kAIBevelJoin;
  dashed.miterLimit = 7;
  dashed.overprint = true;
  AIColor gradientColor = GradientColorOf(ramp, {10, 20}, 45, 30);
  gradientColor.c.b.matrix = {2, 0, 0, 2, 1, 1};
  gradientColor.c.b.hiliteAngle = 10;
  gradientColor.c.b.hiliteLength = 0.5;
  path.appearance().paint = {dashed, testing::Stroke(NoColor(), 1),
                             AIFillStyle{gradientColor, true}, AIFillStyle{patternColor, false}};
  path.appearance().evenOdd = true;
  path.appearance().clip = true;
  path.appearance().lockClip = true;
  path.appearance().resolution = 300;

  Art& group = AddGroup(d, sub.group(), "group");
  d.SetUserAttributes(group, kArtLocked | kArtHidden, kArtLocked | kArtHidden);
  Art& compound = d.NewArt(kCompoundPathArt, kPlaceInsideOnTop, group, "compound");
  AddPath(d, compound, "hole-1", {{0, 0}, {10, 0}, {10, 10}}, true);
  AddPath(d, compound, "hole-2", {{2, 2}, {4, 2}, {4, 4}}, true);
  compound.appearance().paint = {AIFillStyle{CustomColorOf(spot, 1), false}};
  Art& text = d.NewArt(kTextFrameArt, kPlaceInsideOnBottom, group, "text");
  text.text() = {"駅 & <港>", {7, 8}, 14};
  Art& placed = d.NewArt(kPlacedArt, kPlaceInsideOnBottom, hidden.group(), "placed");
  placed.image() = {{0, 100, 200, 0}, "photo.png"};
  Art& raster = d.NewArt(kRasterArt, kPlaceInsideOnBottom, hidden.group(), "raster");
  raster.image() = {{-5, 5, 5, -5}, "scan"};
  d.SetUserAttributes(raster, kArtSelected, kArtSelected);
  return document;
}

TEST(DocumentFile, SavingThenLoadingKeepsEveryField) {
  const std::unique_ptr<Document> original = EveryFieldDocument();
  const std::unique_ptr<Document> loaded = RoundTrip(*original);
  EXPECT_EQ(FirstDifference(*original, *loaded), "");
  EXPECT_EQ(loaded->currentLayer()->id(), "sub");
  EXPECT_EQ(loaded->FindArt(std::string_view("path"))->appearance().paint.size(), 4u);

  // The equality check itself sees a change anywhere, and says where.
  loaded->FindArt(std::string_view("hole-2"))->path().segments[2].p.v = 4.5;
  EXPECT_EQ(FirstDifference(*original, *loaded),
            "layers[0].art[0].art[0].art[0].art[1].segments[2].p.v: 4 against 4.5");
  const std::unique_ptr<Document> again = RoundTrip(*original);
  std::get<AIStrokeStyle>(again->FindArt(std::string_view("path"))->appearance().paint[0])
      .dash.array[2] = 9;
  EXPECT_EQ(FirstDifference(*original, *again),
            "layers[0].art[1].appearance.paint[0].dash[2]: 1 against 9");
}

TEST(DocumentFile, GeneratedIdsAreUniqueAndKeptBySaving) {
  const std::unique_ptr<Document> document = ReadDocument(R"({
    "format": "laneworks-document", "version": 1,
    "layers": [{"title": "A", "art": [{"type": "path", "segments": []},
                                      {"type": "path", "id": "art-1", "segments": []}]}]})");
  const std::vector<Art*> art = document->LayerArt(*document->FirstLayer());
  ASSERT_EQ(art.size(), 2u);
  EXPECT_FALSE(art[0]->id().empty());
  EXPECT_NE(art[0]->id(), art[1]->id());
  EXPECT_EQ(FirstDifference(*document, *RoundTrip(*document)), "");
}

std::string WithLayers(const std::string& layers, const std::string& rest = "") {
  return R"({"format": "laneworks-document", "version": 1, )" + rest + R"("layers": )" + layers +
         "}";
}

std::string ReadingError(const std::string& text) {
  try {
    ReadDocument(text);
  } catch (const DocumentFileError& error) {
    return error.what();
  }
  return "(accepted)";
}

TEST(DocumentFile, MalformedDocumentsAreRefusedSayingWhatAndWhere) {
  const std::string path = R"({"type": "path", "id": "a", "segments": [{"p": [0, 0]}]})";
  const auto stroked = [](const std::string& field) {
    return WithLayers(R"([{"art": [{"type": "path", "segments": [], "appearance": {"paint": [)" +
                      field + "]}}]}]");
  };
  const std::string swatches =
      R"("swatches": {"customColors": [{"id": "spot", "color": {"kind": "gray", "gray": 1}}]}, )";
  std::string longPath = R"({"type": "path", "segments": [)";
  for (int i = 0; i <= kMaxPathSegments; ++i)
    longPath += (i ? "," : "") + std::string(R"({"p":[0,0]})");
  longPath += "]}";
  const std::string four = R"({"type": "group"}, {"type": "group"}, {"type": "group"}, )";

  const std::pair<std::string, std::string> cases[] = {
      {"[]", "document: expected an object, found array"},
      {R"({"version": 1, "layers": []})", "format: missing"},
      {R"({"format": "svg", "version": 1, "layers": []})",
       "format: expected \"laneworks-document\""},
      {R"({"format": "laneworks-document", "version": 2, "layers": []})",
       "version: 2 is out of range (1 to 1)"},
      {WithLayers("{}"), "layers: expected an array, found object"},
      {WithLayers(R"([{"title": 7}])"), "layers[0].title: expected a string, found number"},
      {WithLayers(R"([{"visible": "yes"}])"),
       "layers[0].visible: expected true or false, found string"},
      {WithLayers(R"([{"art": [{"type": "circle"}]}])"),
       "layers[0].art[0].type: unknown art type \"circle\""},
      {WithLayers(R"([{"art": [{"type": "path", "segments": [], "colour": 1}]}])"),
       "layers[0].art[0].colour: unknown member"},
      {WithLayers(R"([{"art": [{"type": "path", "segments": [{"p": [0, 0]}, {"p": [1]}]}]}])"),
       "layers[0].art[0].segments[1].p: expected a point [h, v]"},
      {WithLayers(R"([{"art": [{"type": "path", "segments": [{"p": [0, 1e8]}]}]}])"),
       "layers[0].art[0].segments[0].p[1]: 1e+08 is out of range (-1e+07 to 1e+07)"},
      {WithLayers("[{}, {\"art\": [" + four + longPath + "]}]"),
       "layers[1].art[3].segments: more than 32000 segments"},
      {WithLayers("[{\"art\": [" + path + "]}, {\"art\": [" + path + "]}]"),
       "layers[1].art[0].id: duplicate art id \"a\""},
      {WithLayers(R"([{"id": "x"}, {"id": "x"}])"), "layers[1].id: duplicate layer id \"x\""},
      {WithLayers(R"([{"art": [{"type": "group", "art": [{"type": "layer"}]}]}])"),
       "layers[0].art[0].art[0].type: a sublayer must be inside a layer"},
      {WithLayers(R"([{"art": [{"type": "compoundPath", "art": [{"type": "group"}]}]}])"),
       "layers[0].art[0].art[0].type: a compound path holds only paths"},
      {WithLayers(R"([{"art": [{"type": "placed", "bounds": [10, 0, 0, 10]}]}])"),
       "layers[0].art[0].bounds: left must not exceed right, nor bottom top"},
      {stroked(R"({"kind": "stroke", "color": {"kind": "lab", "l": 50}})"),
       "layers[0].art[0].appearance.paint[0].color.kind: unknown colour kind \"lab\""},
      {stroked(R"({"kind": "fill", "color": {"kind": "gray", "gray": 1.5}})"),
       "layers[0].art[0].appearance.paint[0].color.gray: 1.5 is out of range (0 to 1)"},
      {stroked(R"({"kind": "stroke", "color": {"kind": "none"}, "width": -1})"),
       "layers[0].art[0].appearance.paint[0].width: -1 is out of range (0 to 1000)"},
      {stroked(R"({"kind": "stroke", "color": {"kind": "none"}, "cap": "flat"})"),
       "layers[0].art[0].appearance.paint[0].cap: unknown value \"flat\""},
      {stroked(R"({"kind": "stroke", "color": {"kind": "none"}, "dash": [1, 2, 3, 4, 5, 6, 7]})"),
       "layers[0].art[0].appearance.paint[0].dash: more than 6 dash values"},
      {stroked(R"({"kind": "hatch", "color": {"kind": "none"}})"),
       "layers[0].art[0].appearance.paint[0].kind: expected \"fill\" or \"stroke\", found "
       "\"hatch\""},
      {stroked(R"({"kind": "fill", "color": {"kind": "custom", "swatch": "missing"}})"),
       "layers[0].art[0].appearance.paint[0].color.swatch: no custom colour \"missing\""},
      {WithLayers(R"([{"art": [{"type": "path", "segments": [], "appearance": {"paint": [
         {"kind": "fill", "color": {"kind": "custom", "swatch": "spot", "tint": 2}}]}}]}])",
                  swatches),
       "layers[0].art[0].appearance.paint[0].color.tint: 2 is out of range (0 to 1)"},
      {WithLayers("[]", R"("swatches": {"gradients": [{"id": "g", "stops": [
         {"rampPoint": 0, "color": {"kind": "gray", "gray": 0}}]}]}, )"),
       "swatches.gradients[0].stops: a gradient needs at least two stops"},
      {WithLayers("[]",
                  R"("swatches": {"customColors": [{"id": "s", "color": {"kind": "none"}}]}, )"),
       "swatches.customColors[0].color.kind: a none colour is not allowed here"},
      {WithLayers("[]", R"("currentLayer": "nope", )"), "currentLayer: no layer \"nope\""},
      {WithLayers("[]", R"("view": {"zoom": 0}, )"),
       "view.zoom: 0 is out of range (0.03125 to 640)"},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(ReadingError(text), message);

  EXPECT_EQ(ReadingError(R"({"format": )"),
            "malformed JSON: parse error at line 1, column 12: syntax error while parsing value - "
            "unexpected end of input; expected '[', '{', or a literal");
  EXPECT_EQ(ReadingError("{\"format\": \"\xff\"}").rfind("malformed JSON: ", 0), 0u);
  EXPECT_THROW(ReadDocumentFile("/nonexistent/map.json"), DocumentFileError);
}

TEST(DocumentFile, OfRepeatedMembersTheLastCountsAndUnknownOnesAreNamedInOrder) {
  EXPECT_EQ(ReadDocument(WithLayers("[]", R"("view": {"zoom": 9, "zoom": 2}, )"))->view().zoom, 2);
  EXPECT_EQ(ReadingError(WithLayers("[]", R"("view": {"zz": 1, "zoom": 2, "b": 1}, )")),
            "view.b: unknown member");
}

// One top-level layer holding depth - 1 containers inside one another (sublayers, then groups),
// the innermost holding a path.
std::string Nested(int depth) {
  std::string open, close;
  for (int level = 2; level <= depth; ++level) {
    open += level <= depth / 2 ? R"({"type": "layer", "art": [)" : R"({"type": "group", "art": [)";
    close += "]}";
  }
  return WithLayers(R"([{"art": [)" + open + R"({"type": "path", "id": "deep", "segments": []})" +
                    close + "]}]");
}

TEST(DocumentFile, NestingIsLimitedBeforeItExhaustsTheStack) {
  const auto deepest = ReadDocument(Nested(json_limits::kMaxNesting));
  ASSERT_NE(deepest->FindArt("deep"), nullptr);
  EXPECT_EQ(FirstDifference(*deepest, *RoundTrip(*deepest)), "");

  const std::string refusal = ReadingError(Nested(json_limits::kMaxNesting + 1));
  std::string where = "layers[0]";
  for (int level = 1; level <= json_limits::kMaxNesting; ++level) where += ".art[0]";
  EXPECT_EQ(refusal, where + ".art: layers and groups nested more than 256 deep");
  // Such a file used to overflow the stack.
  EXPECT_NE(ReadingError(Nested(100000)).find("nested more than 256 deep"), std::string::npos);
}

TEST(DocumentFile, FiftyThousandPathsLoadAndSave) {
  Document document;
  constexpr int kLayers = 10;
  constexpr int kPathsPerLayer = 5000;
  for (int l = 0; l < kLayers; ++l) {
    Layer& layer = document.NewLayer(nullptr, kPlaceBelow, "layer " + std::to_string(l));
    for (int p = 0; p < kPathsPerLayer; ++p) {
      const double x = p % 100 * 10.0;
      const double y = p / 100 * 10.0 + l;
      Art& path =
          AddPath(document, layer.group(), {}, {{x, y}, {x + 5, y}, {x + 5, y + 5}, {x, y + 7}});
      path.appearance().paint = {testing::Stroke(GrayColor(0.5), 1 + l)};
    }
  }
  const std::string saved = WriteDocument(document);
  const std::unique_ptr<Document> loaded = ReadDocument(saved);
  EXPECT_EQ(loaded->ArtCount(), 50000u);
  EXPECT_EQ(loaded->LayerArt(*loaded->NthLayer(9)).size(), 5000u);
  EXPECT_EQ(FirstDifference(document, *loaded), "");
}

}  // namespace
}  // namespace host
