// What the plug-in's owners of windows, GDI objects and cursors hold at this moment. Wine's
// GetGuiResources always answers 0, so the owners count for themselves; LaneWorks.aip exports
// LaneWorksGetGuiCounts (beside PluginMain, and only for this) so that the headless host can show
// the counts and check that nothing is left when the plug-in has shut its panel and tool down.
#pragma once

#include <cstdint>

struct LaneWorksGuiCounts {
  std::int32_t windows;  // child and top-level windows the plug-in made and has not destroyed
  std::int32_t fonts;
  std::int32_t bitmaps;
  std::int32_t brushes;
  std::int32_t pens;
  std::int32_t deviceContexts;  // memory device contexts
  std::int32_t cursors;
};

// The export's name and type: fills *counts; callable at any time while the module is loaded.
inline constexpr char kLaneWorksGuiCountsExport[] = "LaneWorksGetGuiCounts";
extern "C" {
using LaneWorksGuiCountsProc = void (*)(LaneWorksGuiCounts* counts);
}
