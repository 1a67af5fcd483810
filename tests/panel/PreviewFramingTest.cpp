// The picture in the preview box: where a setting's picture lands, pixel by pixel.
#include <gtest/gtest.h>

#include <string>

#include "panel/PreviewFraming.h"

namespace {

// One character per pixel: '.' white, '#' red, '?' anything else.
std::string Rows(const PreviewBitmap& bitmap) {
  std::string rows;
  for (std::uint32_t y = 0; y < bitmap.Height(); ++y) {
    for (std::uint32_t x = 0; x < bitmap.Width(); ++x) {
      std::uint8_t r = 0, g = 0, b = 0;
      bitmap.ReadPixel(x, y, r, g, b);
      rows += r == 255 && g == 255 && b == 255 ? '.' : r == 255 && g == 0 && b == 0 ? '#' : '?';
    }
    rows += '\n';
  }
  return rows;
}

PreviewBitmap Red(std::uint32_t width, std::uint32_t height) {
  PreviewBitmap bitmap(width, height);
  for (std::uint32_t y = 0; y < height; ++y)
    for (std::uint32_t x = 0; x < width; ++x) bitmap.WritePixel(x, y, 255, 0, 0);
  return bitmap;
}

TEST(PreviewFramingTest, ASmallPictureSitsLeftCentredRoundedDownOnWhite) {
  EXPECT_EQ(Rows(FramePreview(Red(3, 2), 5, 5)),
            ".....\n"
            "###..\n"
            "###..\n"
            ".....\n"
            ".....\n");
  EXPECT_EQ(Rows(FramePreview(Red(2, 1), 4, 4)),
            "....\n"
            "##..\n"
            "....\n"
            "....\n");
}

TEST(PreviewFramingTest, ALargerPictureIsCutAndStaysCentred) {
  PreviewBitmap tall = Red(6, 5);
  tall.WritePixel(0, 0, 0, 0, 0);  // the top row, to see which rows are cut
  tall.WritePixel(0, 4, 0, 0, 0);
  // 5 rows in 2: the top one and a half rows (rounded down: 2) are cut, like the bottom.
  EXPECT_EQ(Rows(FramePreview(tall, 4, 2)),
            "####\n"
            "####\n");
  EXPECT_EQ(Rows(FramePreview(tall, 4, 4)),
            "####\n"
            "####\n"
            "####\n"
            "?###\n");
  EXPECT_EQ(Rows(FramePreview(Red(0, 0), 2, 1)), "..\n");
}

}  // namespace
