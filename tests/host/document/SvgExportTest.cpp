// SVG export: layer groups with their states, every paint of an appearance, colours and y flip.
#include <gtest/gtest.h>

#include <regex>

#include "TestDocuments.h"
#include "host/document/DocumentJson.h"
#include "host/document/SvgExport.h"

namespace host {
namespace {

using testing::AddPath;

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

TEST(SvgExport, LayersAreLayerGroupsBackToFrontWithTheirStates) {
  Document document;
  Layer& front = document.NewLayer(nullptr, kPlaceBelow, "道路_中 & <前>", "front");
  Layer& back = document.NewLayer(nullptr, kPlaceBelow, "背景", "back");
  back.editable = false;
  Layer& sub = document.NewLayer(&front, kPlaceInsideOnTop, "sub", "sub");
  sub.visible = false;
  Art& hidden = AddPath(document, front.group(), "hidden-path", {{0, 0}, {1, 1}});
  document.SetUserAttributes(hidden, kArtHidden, kArtHidden);

  const std::string svg = ExportSvg(document);
  EXPECT_NE(svg.find("xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\""),
            std::string::npos);
  EXPECT_NE(svg.find("xmlns:sodipodi="), std::string::npos);
  const std::size_t backAt = svg.find("<g id=\"back\" inkscape:groupmode=\"layer\"");
  const std::size_t frontAt = svg.find("<g id=\"front\" inkscape:groupmode=\"layer\"");
  ASSERT_NE(backAt, std::string::npos);
  ASSERT_NE(frontAt, std::string::npos);
  EXPECT_LT(backAt, frontAt);  // painted first, so behind
  EXPECT_NE(svg.find("inkscape:label=\"道路_中 &amp; &lt;前&gt;\""), std::string::npos);
  EXPECT_NE(svg.find("inkscape:label=\"背景\" sodipodi:insensitive=\"true\">"), std::string::npos);
  EXPECT_NE(svg.find("inkscape:label=\"sub\" style=\"display:none\">"), std::string::npos);
  EXPECT_NE(svg.find("id=\"hidden-path\" style=\"display:none\""), std::string::npos);
  // The sublayer is the front-most member of its parent, so it comes after the path.
  EXPECT_LT(svg.find("hidden-path"), svg.find("id=\"sub\""));
}

TEST(SvgExport, EveryPaintIsDrawnBackToFrontInSrgbWithYFlipped) {
  Document document;
  Layer& layer = document.NewLayer(nullptr, kPlaceAbove, "L");
  const auto spot = document.swatches().customColors.Add({"spot", "spot", RgbColor(1, 0, 0), true});
  Art& road = AddPath(document, layer.group(), "road", {{10, 20}, {30, 40}});
  AIStrokeStyle dashed = testing::Stroke(CmykColor(0, 0, 0, 1), 2);
  dashed.dash = {2, {3, 1.5, 0, 0, 0, 0}, 0.25};
  dashed.cap = kAIRoundCap;
  road.appearance().paint = {dashed, testing::Stroke(CustomColorOf(spot, 0.5), 8),
                             testing::Stroke(NoColor(), 12), AIFillStyle{GrayColor(0.25), false}};

  const std::string svg = ExportSvg(document);
  EXPECT_EQ(Count(svg, "d=\"M 10 -20 L 30 -40\""), 3u);  // the unpainted stroke is left out
  const std::size_t fill = svg.find("fill=\"#bfbfbf\"");
  const std::size_t wide = svg.find("stroke=\"#ff8080\" stroke-width=\"8\"");
  const std::size_t narrow =
      svg.find("stroke=\"#000000\" stroke-width=\"2\" stroke-linecap=\"round\"");
  ASSERT_NE(fill, std::string::npos);
  ASSERT_NE(wide, std::string::npos);
  ASSERT_NE(narrow, std::string::npos);
  EXPECT_LT(fill, wide);
  EXPECT_LT(wide, narrow);
  EXPECT_NE(svg.find("stroke-dasharray=\"3 1.5\" stroke-dashoffset=\"0.25\""), std::string::npos);
  // The view box spans the flipped bounds with a margin.
  EXPECT_NE(svg.find("viewBox=\"0 -50 40 40\""), std::string::npos);
}

TEST(SvgExport, TheSampleMapExportsGradientsTextAndThePlacedImage) {
  const std::unique_ptr<Document> map =
      ReadDocumentFile(LANEWORKS_SOURCE_DIR "/examples/sample-map.json");
  const std::string svg = ExportSvg(*map);
  EXPECT_EQ(Count(svg, "inkscape:groupmode=\"layer\""), 10u);
  EXPECT_EQ(Count(svg, "<radialGradient"), 1u);
  EXPECT_NE(svg.find("fill=\"url(#paint-gradient-1)\""), std::string::npos);
  EXPECT_NE(svg.find(">みなと町</text>"), std::string::npos);
  EXPECT_NE(svg.find("<title>aerial-photo.jpg</title>"), std::string::npos);
  // Closed footprints close their outline.
  EXPECT_TRUE(std::regex_search(svg, std::regex("id=\"building-1\">\\s*<path d=\"M [^\"]* Z\"")));
}

}  // namespace
}  // namespace host
