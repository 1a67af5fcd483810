// Snapping the cursor to artwork.
#pragma once

#include "hostapi/AIDocumentView.h"
#include "hostapi/AITool.h"

constexpr char kAICursorSnapSuite[] = "AI Cursor Snap Suite";
constexpr std::int32_t kAICursorSnapSuiteVersion = 16;

struct AICursorSnapSuite {
  // True when the user has snapping turned on for view; false for a stale view.
  AIBoolean (*UseAutoSnap)(AIDocumentViewHandle view);
  // *dstpoint gets srcpoint (artwork coordinates) snapped as control asks: control is a string
  // of snap targets and options made of letters and blanks ('A' snaps to anchor points of
  // visible art, within the host's hit tolerance). With nothing to snap to, *dstpoint is
  // srcpoint. event is the tool message's event record. A control string with other characters,
  // or null pointers, are refused with kBadParameterErr.
  AIErr (*Track)(AIDocumentViewHandle view, AIRealPoint srcpoint, const AIEvent* event,
                 const char* control, AIRealPoint* dstpoint);
};
