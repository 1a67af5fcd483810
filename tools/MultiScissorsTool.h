// The multi-path scissors tool: one click cuts every path under the clicked point, so that all
// stacked copies of a road are cut at once. Closed paths are opened at the cut, open paths split
// in two; the pieces that begin at the cut are selected afterwards.
#pragma once

#include <memory>
#include <vector>

#include "hostapi/AIDocumentView.h"
#include "hostapi/AIHitTest.h"
#include "hostapi/AITool.h"
#include "hostapi/AITypes.h"
#include "tools/ScissorsCursors.h"

class MultiScissorsTool {
 public:
  // Snap targets and options asked of the host's cursor snapping.
  static constexpr char kSnapControl[] = "ATFGP v i o";
  // Art objects taken from under the point in one click, at most.
  static constexpr int kSearchLimit = 1000;

  // cursors may be null: the tool then works without changing the cursor.
  MultiScissorsTool(SPPluginRef plugin, std::unique_ptr<ScissorsCursorSet> cursors);
  MultiScissorsTool(const MultiScissorsTool&) = delete;
  MultiScissorsTool& operator=(const MultiScissorsTool&) = delete;

  // "AI Track Cursor": the cursor for what lies under the cursor position.
  ASErr TrackCursor(const AIToolMessage& message);
  // "AI Mouse Down": the cut. A host error stops the search; everything hidden for it is shown
  // again, the selection is left alone and the error is answered. Cuts already made stay.
  ASErr MouseDown(const AIToolMessage& message);

 private:
  // What one click has done so far, in order.
  struct Click {
    std::vector<AIArtHandle> hidden;  // hidden for the search, shown again at the end
    std::vector<AIArtHandle> cut;     // selected at the end
  };

  ASErr CutPoint(AIDocumentViewHandle view, const AIToolMessage& message, AIRealPoint* point);
  ASErr Search(AIRealPoint point, Click& click);
  ASErr SearchPass(AIRealPoint point, Click& click, bool* done);
  ASErr CutPath(AIArtHandle path, AIHitRef hit, Click& click, AIArtHandle* piece);
  void Show(ScissorsCursor cursor);

  SPPluginRef plugin_;
  std::unique_ptr<ScissorsCursorSet> cursors_;
};

// Clears the selection layer by layer. Errors are ignored; answers 0.
ASErr DeselectAllArt();
