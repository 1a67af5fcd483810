// Reading the pixels of raster art.
#pragma once

#include <cstdint>

#include "hostapi/AITypes.h"

constexpr char kAIRasterSuite[] = "AI Raster Suite";
constexpr std::int32_t kAIRasterSuiteVersion = 10;

// A rectangle of whole pixels: columns left to right - 1, rows top to bottom - 1.
struct AIRect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
};

// Colour spaces of raster art.
constexpr std::int16_t kRasterRGBColorSpace = 2;  // red, green, blue

struct AIRasterRecord {
  AIRect bounds;              // the pixels, from (0, 0): width right - left, height bottom - top
  std::int32_t byteWidth;     // bytes of one row as the host keeps it
  std::int16_t colorSpace;    // kRasterRGBColorSpace
  std::int16_t bitsPerPixel;  // 24 for RGB
};

// A box of pixels and planes: columns left to right - 1, rows top to bottom - 1, channels
// front to back - 1.
struct AISlice {
  std::int32_t top;
  std::int32_t left;
  std::int32_t bottom;
  std::int32_t right;
  std::int32_t front;
  std::int32_t back;
};

constexpr int kMaxChannels = 32;

// The caller's memory that pixels are copied into. Channel c of the pixel at column x and row
// y of bounds goes to data + (y - bounds.top) * rowBytes + (x - bounds.left) * colBytes +
// channelInterleave[c] (+ c * planeBytes when planeBytes is not 0).
struct AITile {
  void* data;
  AISlice bounds;
  std::int32_t rowBytes;
  std::int32_t colBytes;
  std::int32_t planeBytes;
  std::int16_t channelInterleave[kMaxChannels];
};

struct AIRasterSuite {
  AIErr (*GetRasterInfo)(AIArtHandle raster, AIRasterRecord* info);
  // Copies the pixels of artSlice (within the raster's bounds) into the tile at workSlice (the
  // same size, within tile->bounds). Every byte written lies inside the tile's layout; a slice,
  // stride or channel order that would write outside it answers kBadParameterErr and writes
  // nothing. The tile's memory stays the caller's.
  AIErr (*GetRasterTile)(AIArtHandle raster, const AISlice* artSlice, AITile* tile,
                         const AISlice* workSlice);
};
