#include "engine/SettingPreview.h"

#include <cmath>
#include <new>
#include <numeric>

#include "engine/HostObjects.h"
#include "engine/OverlapSetting.h"
#include "frame/SuiteTables.h"

namespace {

// The layer group of the current layer, when that layer can be drawn into; null otherwise.
AIArtHandle DrawingGroup() {
  AILayerHandle layer = nullptr;
  if (sAILayer->GetCurrentLayer(&layer) != kNoErr || layer == nullptr) return nullptr;
  AIBoolean editable = 0;
  if (sAILayer->GetLayerEditable(layer, &editable) != kNoErr || !editable) return nullptr;
  AIArtHandle group = nullptr;
  if (sAIArt->GetFirstArtOfLayer(layer, &group) != kNoErr) return nullptr;
  return group;
}

// One line from (0, 0) to (length, 0) per entry, front-most last, each with its entry's style.
AIErr DrawLines(const OverlapSetting& setting, AIArtHandle group, AIReal length,
                TemporaryArt& lines) {
  const AIPathSegment segments[2] = {{{0, 0}, {0, 0}, {0, 0}, 1},
                                     {{length, 0}, {length, 0}, {length, 0}, 1}};
  for (const StrokeLayerEntry& entry : setting.Entries()) {
    AIArtHandle line = nullptr;
    if (AIErr error = sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &line); error != kNoErr)
      return error;
    lines.Add(line);
    if (AIErr error = sAIPath->SetPathSegments(line, 0, 2, segments); error != kNoErr) return error;
    if (AIErr error = sAIPathStyle->SetPathStyle(line, &entry.style); error != kNoErr) return error;
  }
  return kNoErr;
}

// Reads the whole raster into a bitmap; the raster's bytes 0, 1 and 2 of a pixel are red, green
// and blue.
AIErr ReadRaster(AIArtHandle raster, std::unique_ptr<PreviewBitmap>& bitmap) {
  AIRasterRecord info{};
  if (AIErr error = sAIRaster->GetRasterInfo(raster, &info); error != kNoErr) return error;
  const std::int64_t width = std::int64_t{info.bounds.right} - info.bounds.left;
  const std::int64_t height = std::int64_t{info.bounds.bottom} - info.bounds.top;
  const std::int64_t bytesPerPixel = info.bitsPerPixel / 8;
  // A raster without three bytes per pixel, or too large to address, cannot be read as RGB.
  if (width <= 0 || height <= 0 || bytesPerPixel < 3 || bytesPerPixel > 32 ||
      bytesPerPixel * width > INT32_MAX || bytesPerPixel * width * height > INT32_MAX) {
    return kBadParameterErr;
  }
  const std::int64_t rowBytes = bytesPerPixel * width;
  HostBlock block;
  if (AIErr error = block.Allocate(static_cast<std::uint64_t>(rowBytes * height)); error != kNoErr)
    return error;
  const AISlice slice{info.bounds.top,
                      info.bounds.left,
                      info.bounds.bottom,
                      info.bounds.right,
                      0,
                      static_cast<std::int32_t>(bytesPerPixel)};
  AITile tile{};
  tile.data = block.Bytes();
  tile.bounds = slice;
  tile.rowBytes = static_cast<std::int32_t>(rowBytes);
  tile.colBytes = static_cast<std::int32_t>(bytesPerPixel);
  tile.planeBytes = 0;
  std::iota(std::begin(tile.channelInterleave), std::end(tile.channelInterleave), std::int16_t{0});
  if (AIErr error = sAIRaster->GetRasterTile(raster, &slice, &tile, &slice); error != kNoErr)
    return error;
  bitmap = std::make_unique<PreviewBitmap>(static_cast<std::uint32_t>(width),
                                           static_cast<std::uint32_t>(height));
  const std::uint8_t* bytes = block.Bytes();
  for (std::int64_t y = 0; y < height; ++y) {
    for (std::int64_t x = 0; x < width; ++x) {
      const std::uint8_t* pixel = bytes + y * rowBytes + x * bytesPerPixel;
      bitmap->WritePixel(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), pixel[0],
                         pixel[1], pixel[2]);
    }
  }
  return kNoErr;
}

AIErr Render(const OverlapSetting& setting, std::unique_ptr<PreviewBitmap>& bitmap) {
  const AIReal widest = setting.MaxStrokeWidth();
  const AIReal height = setting.PreviewHeight();
  const AIReal width = setting.PreviewWidth();
  // Nothing to scale by: no entries, or only strokes of width 0 (which paint nothing).
  if (!(widest > 0) || !std::isfinite(widest) || !(width > 0) || !(height > 0))
    return kBadParameterErr;
  const AIReal resolution = height * 72 / widest * 0.5;
  if (!std::isfinite(resolution)) return kBadParameterErr;
  const AIArtHandle group = DrawingGroup();
  if (group == nullptr) return kBadStateErr;
  const AIReal length = width * 72 / resolution;

  // Declared in the order of making: given back in the reverse order on every way out.
  TemporaryArt lines;
  if (AIErr error = DrawLines(setting, group, length, lines); error != kNoErr) return error;
  const std::vector<AIArtHandle> frontFirst(lines.Handles().rbegin(), lines.Handles().rend());
  ListedArtSet set;
  if (AIErr error = set.Fill(frontFirst); error != kNoErr) return error;
  AIRealRect bounds{};
  if (AIErr error = sAIRasterize->ComputeArtBounds(set.Handle(), &bounds); error != kNoErr)
    return error;
  const AIRasterizeSettings settings{kRasterizeRGB, resolution, kAntialiasArtOptimized,
                                     kRasterizeOptionsNone, kColorConvertForPreview};
  TemporaryArt raster;
  AIArtHandle rasterArt = nullptr;
  if (AIErr error = sAIRasterize->Rasterize(set.Handle(), &settings, &bounds, kPlaceInsideOnTop,
                                            group, &rasterArt, nullptr);
      error != kNoErr) {
    return error;
  }
  raster.Add(rasterArt);
  return ReadRaster(rasterArt, bitmap);
}

}  // namespace

void BuildPreview(OverlapSetting& setting) {
  try {
    std::unique_ptr<PreviewBitmap> bitmap;
    if (Render(setting, bitmap) == kNoErr && bitmap) setting.SetPreview(std::move(*bitmap));
  } catch (const ai::Error&) {
    // No picture; the setting stays as it was.
  } catch (const std::bad_alloc&) {
  }
}
