#include "engine/PreviewBitmap.h"

PreviewBitmap::PreviewBitmap(std::uint32_t width, std::uint32_t height)
    : width_(width), height_(height), pixels_(std::size_t{width} * height * 3, 255) {}

bool PreviewBitmap::ReadPixel(std::uint32_t x, std::uint32_t y, std::uint8_t& red,
                              std::uint8_t& green, std::uint8_t& blue) const {
  if (x >= width_ || y >= height_) return false;
  const std::size_t at = Offset(x, y);
  red = pixels_[at];
  green = pixels_[at + 1];
  blue = pixels_[at + 2];
  return true;
}

void PreviewBitmap::WritePixel(std::uint32_t x, std::uint32_t y, std::uint8_t red,
                               std::uint8_t green, std::uint8_t blue) {
  if (x >= width_ || y >= height_) return;
  const std::size_t at = Offset(x, y);
  pixels_[at] = red;
  pixels_[at + 1] = green;
  pixels_[at + 2] = blue;
}
