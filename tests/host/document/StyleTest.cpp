// The focal fill and stroke, read from and written back to the appearance.
#include <gtest/gtest.h>

#include "TestDocuments.h"

namespace host {
namespace {

using testing::Stroke;

const AIStrokeStyle& StrokeAt(const Appearance& appearance, std::size_t index) {
  return std::get<AIStrokeStyle>(appearance.paint.at(index));
}

TEST(FocalStyle, IsTheFrontMostFillAndStrokeOfTheAppearance) {
  Appearance appearance;
  appearance.paint = {Stroke(GrayColor(0), 2), Stroke(GrayColor(1), 6),
                      AIFillStyle{RgbColor(1, 0, 0), false}, AIFillStyle{GrayColor(0.2), false}};
  appearance.evenOdd = true;
  const AIPathStyle style = FocalStyle(appearance);
  EXPECT_TRUE(style.strokePaint);
  EXPECT_EQ(style.stroke.width, 2);
  EXPECT_TRUE(style.fillPaint);
  EXPECT_EQ(style.fill.color.kind, kThreeColor);
  EXPECT_TRUE(style.evenodd);

  // No stroke at all, or a focal stroke of no colour: the stroke is not painted.
  Appearance fillOnly;
  fillOnly.paint = {AIFillStyle{GrayColor(0.5), false}};
  EXPECT_FALSE(FocalStyle(fillOnly).strokePaint);
  EXPECT_EQ(FocalStyle(fillOnly).stroke.width, DefaultStroke().width);
  Appearance unpainted;
  unpainted.paint = {Stroke(NoColor(), 3), Stroke(GrayColor(1), 6)};
  EXPECT_FALSE(FocalStyle(unpainted).strokePaint);
  EXPECT_FALSE(FocalStyle(Appearance{}).fillPaint);
}

TEST(FocalStyle, WritingAStyleChangesOnlyTheFocalFieldsAndReadsBackTheSame) {
  Appearance appearance;
  appearance.paint = {Stroke(GrayColor(0), 2), Stroke(GrayColor(1), 6)};

  AIPathStyle style = FocalStyle(appearance);
  style.stroke.width = 3.5;
  style.stroke.cap = kAIRoundCap;
  style.stroke.join = kAIBevelJoin;
  style.stroke.miterLimit = 10;
  style.stroke.dash = {2, {4, 1, 0, 0, 0, 0}, 0.5};
  style.stroke.overprint = true;
  style.fillPaint = true;
  style.fill = {CmykColor(0.1, 0.2, 0.3, 0.4), true};
  style.evenodd = true;
  ApplyFocalStyle(appearance, style);

  // The fill is new and goes behind everything; the back stroke is untouched.
  ASSERT_EQ(appearance.paint.size(), 3u);
  EXPECT_TRUE(std::holds_alternative<AIFillStyle>(appearance.paint[2]));
  EXPECT_EQ(StrokeAt(appearance, 1).width, 6);
  EXPECT_EQ(StrokeAt(appearance, 0).dash.length, 2);

  const AIPathStyle read = FocalStyle(appearance);
  EXPECT_EQ(read.stroke.width, 3.5);
  EXPECT_EQ(read.stroke.cap, kAIRoundCap);
  EXPECT_EQ(read.stroke.join, kAIBevelJoin);
  EXPECT_EQ(read.stroke.miterLimit, 10);
  EXPECT_EQ(read.stroke.dash.array[0], 4);
  EXPECT_EQ(read.stroke.dash.offset, 0.5);
  EXPECT_TRUE(read.stroke.overprint);
  EXPECT_EQ(read.fill.color.c.f.black, 0.4);
  EXPECT_TRUE(read.fill.overprint);
  EXPECT_TRUE(read.evenodd);

  // Turning the stroke off keeps the field and its values, without colour.
  style.strokePaint = false;
  ApplyFocalStyle(appearance, style);
  EXPECT_EQ(appearance.paint.size(), 3u);
  EXPECT_FALSE(FocalStyle(appearance).strokePaint);
  EXPECT_EQ(FocalStyle(appearance).stroke.width, 3.5);
  EXPECT_EQ(StrokeAt(appearance, 1).color.kind, kGrayColor);

  // A painted stroke on an appearance without one goes in front.
  Appearance fillOnly;
  fillOnly.paint = {AIFillStyle{GrayColor(0.5), false}};
  AIPathStyle withStroke = FocalStyle(fillOnly);
  withStroke.strokePaint = true;
  withStroke.stroke = Stroke(GrayColor(1), 1);
  ApplyFocalStyle(fillOnly, withStroke);
  ASSERT_EQ(fillOnly.paint.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<AIStrokeStyle>(fillOnly.paint[0]));
}

TEST(FocalStyle, EditsToTheAppearanceShowInThePathStyle) {
  Document document;
  Layer& layer = document.NewLayer(nullptr, kPlaceAbove, "L");
  Art& path = testing::AddPath(document, layer.group(), "p", {{0, 0}, {1, 0}});
  EXPECT_FALSE(document.PathStyle(path).strokePaint);

  path.appearance().paint.push_back(Stroke(GrayColor(1), 8));
  EXPECT_EQ(document.PathStyle(path).stroke.width, 8);
  path.appearance().paint.insert(path.appearance().paint.begin(), Stroke(GrayColor(0), 5));
  EXPECT_EQ(document.PathStyle(path).stroke.width, 5);
  path.appearance().paint.clear();  // as when every stroke was removed
  EXPECT_FALSE(document.PathStyle(path).strokePaint);
}

}  // namespace
}  // namespace host
