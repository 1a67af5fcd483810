// A small RGB picture of a setting: 3 bytes per pixel (red, green, blue), rows top to bottom,
// each row width × 3 bytes after the previous one. White when new; copies copy the pixels.
#pragma once

#include <cstdint>
#include <vector>

class PreviewBitmap {
 public:
  PreviewBitmap(std::uint32_t width, std::uint32_t height);

  std::uint32_t Width() const { return width_; }
  std::uint32_t Height() const { return height_; }
  // False outside the bitmap, leaving the outputs as they were.
  bool ReadPixel(std::uint32_t x, std::uint32_t y, std::uint8_t& red, std::uint8_t& green,
                 std::uint8_t& blue) const;
  // Ignored outside the bitmap.
  void WritePixel(std::uint32_t x, std::uint32_t y, std::uint8_t red, std::uint8_t green,
                  std::uint8_t blue);

 private:
  std::size_t Offset(std::uint32_t x, std::uint32_t y) const {
    return (static_cast<std::size_t>(y) * width_ + x) * 3;
  }

  std::uint32_t width_;
  std::uint32_t height_;
  std::vector<std::uint8_t> pixels_;
};
