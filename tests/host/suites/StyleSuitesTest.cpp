// Path styles and art styles are two views of one appearance; edits through either agree.
#include <variant>

#include "tests/host/suites/SuiteFixture.h"

namespace {

class StyleSuitesTest : public SuiteTest {
 protected:
  const AIPathStyleSuite& styles_ = *host::suites::PathStyleSuite();
  const AIArtStyleSuite& artStyles_ = *host::suites::ArtStyleSuite();
  const AIArtStyleParserSuite& parser_ = *host::suites::ArtStyleParserSuite();
};

TEST_F(StyleSuitesTest, ParserEditsEveryStrokeAndTheFocalStrokeFollows) {
  // Give "a" a second stroke behind its first, and a fill.
  host::Art& a = *doc().FindArt("a");
  AIStrokeStyle casing = std::get<AIStrokeStyle>(a.appearance().paint[0]);
  casing.width = 10;
  a.appearance().paint.push_back(casing);
  AIPathStyle style{};
  ASSERT_EQ(styles_.GetPathStyle(Art("a"), &style, nullptr), kNoErr);
  EXPECT_EQ(style.stroke.width, 4);  // the front-most stroke is the focal one

  AIArtStyleHandle artStyle = nullptr;
  ASSERT_EQ(artStyles_.GetArtStyle(Art("a"), &artStyle), kNoErr);
  AIStyleParser parser = nullptr;
  ASSERT_EQ(parser_.NewParser(&parser), kNoErr);
  ASSERT_EQ(parser_.ParseStyle(parser, artStyle), kNoErr);
  EXPECT_TRUE(parser_.IsStyleParseable(parser));
  std::int32_t count = 0;
  ASSERT_EQ(parser_.CountPaintFields(parser, &count), kNoErr);
  ASSERT_EQ(count, 2);
  for (std::int32_t i = 0; i < count; ++i) {
    AIParserPaintField field = nullptr;
    ASSERT_EQ(parser_.GetNthPaintField(parser, i, &field), kNoErr);
    ASSERT_TRUE(parser_.IsStroke(field));
    AIStrokeStyle stroke{};
    AIArtStylePaintData data{};
    ASSERT_EQ(parser_.GetStroke(field, &stroke, &data), kNoErr);
    stroke.width /= 2;
    ASSERT_EQ(parser_.SetStroke(field, &stroke, &data), kNoErr);
  }
  // Remove the front stroke, then build and apply the new style.
  AIParserPaintField front = nullptr;
  parser_.GetNthPaintField(parser, 0, &front);
  ASSERT_EQ(parser_.RemovePaintField(parser, front), kNoErr);
  ASSERT_EQ(parser_.DeletePaintField(front), kNoErr);
  AIArtStyleHandle changed = nullptr;
  ASSERT_EQ(parser_.CreateNewStyle(parser, &changed), kNoErr);
  ASSERT_EQ(artStyles_.SetArtStyle(Art("a"), changed), kNoErr);
  ASSERT_EQ(parser_.DisposeParser(parser), kNoErr);

  ASSERT_EQ(styles_.GetPathStyle(Art("a"), &style, nullptr), kNoErr);
  EXPECT_TRUE(style.strokePaint);
  EXPECT_EQ(style.stroke.width, 5);  // the casing, halved, is now the only stroke
  EXPECT_EQ(a.appearance().paint.size(), 1u);
  EXPECT_EQ(host_.documents().parsers.Count(), 0u);
  EXPECT_EQ(host_.documents().paintFields.Count(), 0u);
  EXPECT_EQ(Violations(), 0) << host_.transcript().Text();
}

TEST_F(StyleSuitesTest, PathStyleWritesReachTheAppearance) {
  AIPathStyle style{};
  ASSERT_EQ(styles_.GetPathStyle(Art("b"), &style, nullptr), kNoErr);
  EXPECT_FALSE(style.strokePaint);  // "b" has no stroke at all
  style.strokePaint = 1;
  style.stroke.color.kind = kGrayColor;
  style.stroke.color.c.g.gray = 0.5;
  style.stroke.width = 3;
  ASSERT_EQ(styles_.SetPathStyle(Art("b"), &style), kNoErr);
  AIArtStyleHandle artStyle = nullptr;
  ASSERT_EQ(artStyles_.GetArtStyle(Art("b"), &artStyle), kNoErr);
  AIStyleParser parser = nullptr;
  parser_.NewParser(&parser);
  parser_.ParseStyle(parser, artStyle);
  std::int32_t count = 0;
  parser_.CountPaintFields(parser, &count);
  ASSERT_EQ(count, 1);
  AIParserPaintField field = nullptr;
  parser_.GetNthPaintField(parser, 0, &field);
  AIStrokeStyle stroke{};
  ASSERT_EQ(parser_.GetStroke(field, &stroke, nullptr), kNoErr);
  EXPECT_EQ(stroke.width, 3);
  parser_.DisposeParser(parser);
}

TEST_F(StyleSuitesTest, LeftoverParsersAndFieldsAreReported) {
  AIStyleParser parser = nullptr;
  parser_.NewParser(&parser);
  AIArtStyleHandle artStyle = nullptr;
  artStyles_.GetArtStyle(Art("a"), &artStyle);
  parser_.ParseStyle(parser, artStyle);
  AIParserPaintField field = nullptr;
  parser_.GetNthPaintField(parser, 0, &field);
  parser_.RemovePaintField(parser, field);  // removed but never deleted
  EXPECT_EQ(parser_.DeletePaintField(reinterpret_cast<AIParserPaintField>(0x77)), kStaleHandleErr);
  host_.documents().CheckAllReleased("at the end of the test");
  EXPECT_EQ(Violations(), 3) << host_.transcript().Text();
}

TEST_F(StyleSuitesTest, SwatchesAreValidUntilDeleted) {
  auto document = host::ReadDocument(R"({"format": "laneworks-document", "version": 1,
      "swatches": {"customColors": [{"id": "spot", "name": "特色",
                                     "color": {"kind": "cmyk", "c": 0, "m": 1, "y": 1, "k": 0}}]},
      "layers": [{"id": "l", "title": "L", "art": []}]})");
  const AICustomColorHandle spot = document->swatches().customColors.FindById("spot");
  host_.documents().Replace(std::move(document));
  const AICustomColorSuite& custom = *host::suites::CustomColorSuite();
  EXPECT_EQ(custom.ValidateCustomColor(spot), kNoErr);
  doc().DeleteCustomColor(spot);
  EXPECT_EQ(custom.ValidateCustomColor(spot), kStaleHandleErr);
  EXPECT_EQ(custom.ValidateCustomColor(nullptr), kStaleHandleErr);
  AIRealMatrix m{1, 0, 0, 1, 0, 0};
  AIRealMatrix n = m;
  EXPECT_TRUE(host::suites::RealMathSuite()->AIRealMatrixEqual(&m, &n));
  n.ty = 0.5;
  EXPECT_FALSE(host::suites::RealMathSuite()->AIRealMatrixEqual(&m, &n));
}

}  // namespace
