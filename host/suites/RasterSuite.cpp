#include <cstring>

#include "host/core/Faultable.h"
#include "host/suites/RasterSuites.h"
#include "host/suites/SuiteSupport.h"

namespace host::suites {
namespace {

constexpr std::int32_t kChannels = 3;  // red, green, blue

// The pixels of live raster art made by Rasterize; null with the code in *error otherwise.
const Documents::RasterPixels* PixelsOf(AIArtHandle raster, const char* function, AIErr* error) {
  const Art* art = Docs().FindArt(raster, function);
  if (art == nullptr) {
    *error = Docs().RefusalCode();
    return nullptr;
  }
  if (art->type() != kRasterArt) {
    Log().Violation(std::string(function) + " with art that is not raster art");
    *error = kBadParameterErr;
    return nullptr;
  }
  const Documents::RasterPixels* pixels = Docs().FindRaster(raster);
  if (pixels == nullptr) {
    Log().Line(std::string(function) + ": raster art read from a file has no pixels here");
    *error = kBadStateErr;
  }
  return pixels;
}

AIErr GetRasterInfo(AIArtHandle raster, AIRasterRecord* info) {
  if (!Out(info, "GetRasterInfo")) return kBadParameterErr;
  AIErr error = kNoErr;
  const Documents::RasterPixels* pixels = PixelsOf(raster, "GetRasterInfo", &error);
  if (pixels == nullptr) return error;
  *info = AIRasterRecord{{0, 0, pixels->width, pixels->height},
                         pixels->width * kChannels,
                         kRasterRGBColorSpace,
                         static_cast<std::int16_t>(8 * kChannels)};
  return kNoErr;
}

bool Empty(const AISlice& s) {
  return s.right <= s.left || s.bottom <= s.top || s.back <= s.front;
}

bool Within(const AISlice& inner, const AISlice& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom && inner.front >= outer.front && inner.back <= outer.back;
}

// The tile byte offset of channel c of the pixel at (x, y) of the tile's bounds.
std::int64_t Offset(const AITile& tile, std::int64_t x, std::int64_t y, std::int32_t c) {
  return (y - tile.bounds.top) * tile.rowBytes + (x - tile.bounds.left) * tile.colBytes +
         static_cast<std::int64_t>(c) * tile.planeBytes + tile.channelInterleave[c];
}

// What is wrong with copying artSlice into the tile at workSlice, or an empty text.
std::string TileProblem(const Documents::RasterPixels& pixels, const AISlice& art,
                        const AITile& tile, const AISlice& work) {
  const AISlice whole{0, 0, pixels.height, pixels.width, 0, kChannels};
  if (Empty(art) || !Within(art, whole)) return "a slice outside the raster";
  if (art.right - art.left != work.right - work.left ||
      art.bottom - art.top != work.bottom - work.top ||
      art.back - art.front != work.back - work.front)
    return "slices of different sizes";
  if (!Within(work, tile.bounds)) return "a work slice outside the tile";
  if (tile.data == nullptr) return "a tile without memory";
  if (tile.rowBytes < 0 || tile.colBytes < 0 || tile.planeBytes < 0) return "negative strides";
  for (std::int32_t c = work.front; c < work.back; ++c) {
    if (c < 0 || c >= kMaxChannels || tile.channelInterleave[c] < 0)
      return "a channel order outside the tile";
  }
  // A tile in a block of this host is checked against the block's end.
  const std::uint8_t* start = nullptr;
  const std::uint64_t size = Host::Current().blocks().Containing(tile.data, &start);
  if (size != 0) {
    std::int64_t last = 0;
    for (std::int32_t c = work.front; c < work.back; ++c)
      last = std::max(last, Offset(tile, work.right - 1, work.bottom - 1, c));
    const auto skip =
        reinterpret_cast<std::uintptr_t>(tile.data) - reinterpret_cast<std::uintptr_t>(start);
    if (static_cast<std::uint64_t>(last) + skip >= size)
      return "a tile layout that runs past its block";
  }
  return {};
}

AIErr GetRasterTile(AIArtHandle raster, const AISlice* artSlice, AITile* tile,
                    const AISlice* workSlice) {
  if (artSlice == nullptr || tile == nullptr || workSlice == nullptr) {
    Log().Violation("GetRasterTile with a null slice or tile");
    return kBadParameterErr;
  }
  AIErr error = kNoErr;
  const Documents::RasterPixels* pixels = PixelsOf(raster, "GetRasterTile", &error);
  if (pixels == nullptr) return error;
  if (const std::string problem = TileProblem(*pixels, *artSlice, *tile, *workSlice);
      !problem.empty()) {
    Log().Violation("GetRasterTile with " + problem);
    return kBadParameterErr;
  }
  auto* data = static_cast<std::uint8_t*>(tile->data);
  const std::int32_t dx = workSlice->left - artSlice->left, dy = workSlice->top - artSlice->top;
  const std::int32_t dc = workSlice->front - artSlice->front;
  for (std::int32_t y = artSlice->top; y < artSlice->bottom; ++y) {
    for (std::int32_t x = artSlice->left; x < artSlice->right; ++x) {
      const std::size_t pixel =
          (static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels->width) +
           static_cast<std::size_t>(x)) *
          kChannels;
      for (std::int32_t c = artSlice->front; c < artSlice->back; ++c) {
        data[Offset(*tile, x + dx, y + dy, c + dc)] =
            pixels->bytes[pixel + static_cast<std::size_t>(c)];
      }
    }
  }
  return kNoErr;
}

}  // namespace

const AIRasterSuite* RasterSuite() {
  static const AIRasterSuite suite = {HOST_FAULTABLE(GetRasterInfo), HOST_FAULTABLE(GetRasterTile)};
  return &suite;
}

}  // namespace host::suites
