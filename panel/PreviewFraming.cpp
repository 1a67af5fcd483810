#include "panel/PreviewFraming.h"

PreviewBitmap FramePreview(const PreviewBitmap& preview, std::uint32_t width,
                           std::uint32_t height) {
  PreviewBitmap framed(width, height);
  const std::int64_t difference =
      static_cast<std::int64_t>(height) - static_cast<std::int64_t>(preview.Height());
  const std::int64_t top = difference >= 0 ? difference / 2 : -((1 - difference) / 2);
  for (std::uint32_t y = 0; y < preview.Height(); ++y) {
    const std::int64_t row = top + y;
    if (row < 0 || row >= height) continue;
    for (std::uint32_t x = 0; x < preview.Width() && x < width; ++x) {
      std::uint8_t red = 0, green = 0, blue = 0;
      preview.ReadPixel(x, y, red, green, blue);
      framed.WritePixel(x, static_cast<std::uint32_t>(row), red, green, blue);
    }
  }
  return framed;
}
