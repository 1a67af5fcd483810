// Turning art into raster art with the host's own renderer.
#pragma once

#include <cstdint>

#include "hostapi/AITypes.h"

constexpr char kAIRasterizeSuite[] = "AI Rasterize Suite";
constexpr std::int32_t kAIRasterizeSuiteVersion = 12;

// The colour model of the raster made.
using AIRasterizeType = std::int32_t;
constexpr AIRasterizeType kRasterizeRGB = 0;  // 8 bits per channel, red, green, blue

// How edges are smoothed: at or below kAntialiasNone every pixel is wholly inside or outside;
// kAntialiasArtOptimized gives edge pixels the share of their area that the art covers.
constexpr std::int16_t kAntialiasNone = 1;
constexpr std::int16_t kAntialiasArtOptimized = 2;

// Option bits of the rasterisation; this host offers none beyond the plain one.
using AIRasterizeOptions = std::int32_t;
constexpr AIRasterizeOptions kRasterizeOptionsNone = 0;

// How colours are converted to the raster's model.
using AIColorConvertOptions = std::int32_t;
constexpr AIColorConvertOptions kColorConvertForExport = 0;
constexpr AIColorConvertOptions kColorConvertForPreview = 1;  // as the colours show on screen

struct AIRasterizeSettings {
  AIRasterizeType type;
  AIReal resolution;  // pixels per inch (72 points), above 0
  std::int16_t antialiasing;
  AIRasterizeOptions options;
  AIColorConvertOptions ccoptions;
};

// Called now and then while a rasterisation runs; answering false cancels it. May be null.
using AIRasterizeProgressProc = AIBoolean (*)(std::int32_t current, std::int32_t total);

struct AIRasterizeSuite {
  // The bounds of what the members of artSet paint (their geometry widened by their strokes),
  // in artwork coordinates (top above bottom). An empty set gives an empty rectangle.
  AIErr (*ComputeArtBounds)(AIArtSetHandle artSet, AIRealRect* bounds);
  // Renders the members of artSet, the first member in front, into a new raster art of the
  // document placed by paintOrder relative to prep (for the inside orders, a group). The raster
  // covers artBounds: its pixel size is that rectangle at settings->resolution, rounded up, on
  // white. Members are drawn as they are painted, hidden or not. *raster is document art: the
  // plug-in removes it with DisposeArt when it no longer wants it. Settings the host does not
  // offer answer kBadParameterErr; a cancelling progress answers kCanceledErr with no raster.
  AIErr (*Rasterize)(AIArtSetHandle artSet, const AIRasterizeSettings* settings,
                     const AIRealRect* artBounds, AIPaintOrder paintOrder, AIArtHandle prep,
                     AIArtHandle* raster, AIRasterizeProgressProc progress);
};
