#include <cmath>
#include <limits>

#include "host/core/Faultable.h"
#include "host/suites/ArtBounds.h"
#include "host/suites/ArtRendering.h"
#include "host/suites/RasterSuites.h"
#include "host/suites/SuiteSupport.h"

namespace host::suites {
namespace {

// The host renders no raster wider or higher than this, nor with more pixels in all.
constexpr double kMaxRasterSide = 32768;
constexpr double kMaxRasterPixels = 64.0 * 1024 * 1024;

// The members of a live set, all live art; null (with the code in *error) otherwise.
std::vector<const Art*> Members(AIArtSetHandle set, const char* function, AIErr* error) {
  std::vector<const Art*> members;
  const Documents::ArtList* list = FindLive(Docs().artSets, set, function, "an art set");
  if (list == nullptr) {
    *error = kStaleHandleErr;
    return members;
  }
  for (AIArtHandle handle : *list) {
    const Art* art = Docs().FindArt(handle, function);
    if (art == nullptr) {
      *error = Docs().RefusalCode();
      members.clear();
      return members;
    }
    members.push_back(art);
  }
  *error = kNoErr;
  return members;
}

AIErr ComputeArtBounds(AIArtSetHandle set, AIRealRect* bounds) {
  if (!Out(bounds, "ComputeArtBounds")) return kBadParameterErr;
  AIErr error = kNoErr;
  const std::vector<const Art*> members = Members(set, "ComputeArtBounds", &error);
  if (error != kNoErr) return error;
  *bounds = AIRealRect{0, 0, 0, 0};
  bool first = true;
  for (const Art* art : members) {
    const AIRealRect visual = VisualBounds(*art);
    if (first) {
      *bounds = visual;
      first = false;
      continue;
    }
    bounds->left = std::min(bounds->left, visual.left);
    bounds->top = std::max(bounds->top, visual.top);
    bounds->right = std::max(bounds->right, visual.right);
    bounds->bottom = std::min(bounds->bottom, visual.bottom);
  }
  return kNoErr;
}

// What the settings ask for, if this host offers it; a violation naming the problem otherwise.
bool Offered(const AIRasterizeSettings& settings) {
  std::string problem;
  if (settings.type != kRasterizeRGB) problem = "a raster type other than RGB";
  if (!(settings.resolution > 0) || !std::isfinite(settings.resolution))
    problem = "a resolution that is not a positive number";
  if (settings.antialiasing < 0 || settings.antialiasing > kAntialiasArtOptimized)
    problem = "anti-aliasing " + std::to_string(settings.antialiasing);
  if (settings.options != kRasterizeOptionsNone) problem = "rasterize options the host lacks";
  if (settings.ccoptions != kColorConvertForExport && settings.ccoptions != kColorConvertForPreview)
    problem = "colour conversion options " + std::to_string(settings.ccoptions);
  if (problem.empty()) return true;
  Log().Violation("Rasterize with " + problem);
  return false;
}

// The pixel count along a side of length points; 0 when it is not a usable size.
std::int32_t PixelsAlong(AIReal length, AIReal resolution) {
  const double pixels = std::ceil(length * resolution / 72 - 1e-9);
  if (!(pixels <= kMaxRasterSide)) return 0;
  return static_cast<std::int32_t>(std::max(pixels, 1.0));
}

// Where new raster art goes: against prep, or with none inside the current layer.
AIErr Destination(AIArtHandle prep, AIPaintOrder* order, Art** reference) {
  if (*order < kPlaceAbove || *order > kPlaceInsideOnBottom) {
    Log().Violation("Rasterize with paint order " + std::to_string(*order));
    return kBadParameterErr;
  }
  if (prep != nullptr) {
    *reference = Docs().FindArt(prep, "Rasterize");
    return *reference != nullptr ? kNoErr : Docs().RefusalCode();
  }
  Document* document = Docs().Require("Rasterize");
  if (document == nullptr) return kNoDocumentErr;
  if (document->currentLayer() == nullptr) return kBadStateErr;
  *reference = &document->currentLayer()->group();
  if (*order == kPlaceAbove) *order = kPlaceInsideOnTop;
  if (*order == kPlaceBelow) *order = kPlaceInsideOnBottom;
  return kNoErr;
}

AIErr Rasterize(AIArtSetHandle set, const AIRasterizeSettings* settings,
                const AIRealRect* artBounds, AIPaintOrder paintOrder, AIArtHandle prep,
                AIArtHandle* raster, AIRasterizeProgressProc progress) {
  if (!Out(raster, "Rasterize")) return kBadParameterErr;
  *raster = nullptr;
  if (settings == nullptr || artBounds == nullptr) {
    Log().Violation("Rasterize with null settings or bounds");
    return kBadParameterErr;
  }
  AIErr error = kNoErr;
  const std::vector<const Art*> members = Members(set, "Rasterize", &error);
  if (error != kNoErr) return error;
  if (!Offered(*settings)) return kBadParameterErr;
  const AIRealRect b = *artBounds;
  if (!std::isfinite(b.left) || !std::isfinite(b.top) || !std::isfinite(b.right) ||
      !std::isfinite(b.bottom) || b.right < b.left || b.top < b.bottom) {
    Log().Violation("Rasterize with bounds that are not a rectangle");
    return kBadParameterErr;
  }
  const std::int32_t width = PixelsAlong(b.right - b.left, settings->resolution);
  const std::int32_t height = PixelsAlong(b.top - b.bottom, settings->resolution);
  if (width == 0 || height == 0 || static_cast<double>(width) * height > kMaxRasterPixels) {
    return kOutOfMemoryErr;
  }
  Art* reference = nullptr;
  if (AIErr placed = Destination(prep, &paintOrder, &reference); placed != kNoErr) return placed;
  if (progress != nullptr && !progress(0, 1)) return kCanceledErr;

  Document& document = *Docs().current();
  render::Canvas canvas(width, height);
  const PixelMapping mapping{b.left, b.top, settings->resolution / 72};
  const bool antialias = settings->antialiasing >= kAntialiasArtOptimized;
  for (auto member = members.rbegin(); member != members.rend(); ++member) {
    DrawArt(canvas, **member, document.swatches(), mapping, antialias);
  }
  if (progress != nullptr && !progress(1, 1)) return kCanceledErr;

  error = Edit([&] {
    Art& made = document.NewArt(kRasterArt, paintOrder, *reference);
    made.image().bounds = b;
    made.image().source =
        "rasterised " + std::to_string(width) + " x " + std::to_string(height) + " px";
    *raster = made.handle();
  });
  if (error != kNoErr) return error;
  Docs().AddRaster(*raster, {width, height, canvas.Bytes()});
  return kNoErr;
}

}  // namespace

const AIRasterizeSuite* RasterizeSuite() {
  static const AIRasterizeSuite suite = {HOST_FAULTABLE(ComputeArtBounds),
                                         HOST_FAULTABLE(Rasterize)};
  return &suite;
}

}  // namespace host::suites
