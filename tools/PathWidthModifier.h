// The stroke-width command, run when its menu item is chosen: a dialog for how the strokes
// change, then every stroke of the selected paths changed.
#pragma once

#include "hostapi/SPTypes.h"

class PathWidthModifier {
 public:
  explicit PathWidthModifier(SPPluginRef plugin) : plugin_(plugin) {}
  virtual ~PathWidthModifier() = default;

  // 0 when done (also when nothing was selected), 'STOP' when the dialog was cancelled, or the
  // error that stopped the work.
  virtual ASErr Run();

 private:
  SPPluginRef plugin_;
};
