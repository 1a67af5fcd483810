// The counts of what the plug-in's window, GDI and cursor owners hold, for the headless host's
// leak checks. Not part of the host's interface: the host application never asks.
#include "panel/GuiCounts.h"
#include "panel/GuiObjects.h"
#include "tools/UniqueCursor.h"

extern "C" __declspec(dllexport) void LaneWorksGetGuiCounts(LaneWorksGuiCounts* counts) noexcept {
  if (counts == nullptr) return;
  *counts = PanelGuiCounts();
  counts->cursors = UniqueCursor::LiveCount();
}
