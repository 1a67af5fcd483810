#include "tools/WidthModifierCommand.h"

#include "tools/StrokeWidthChange.h"

ASErr RunWidthModifierCommand(const WidthModifierDialog& dialog) {
  WidthModifierSettings settings;
  ReadWidthModifierPreferences(settings);
  if (ASErr result = dialog(settings)) return result;
  // Stored before the art is looked at, so that they are kept when nothing is selected too.
  WriteWidthModifierPreferences(settings);
  return ChangeSelectedStrokeWidths(settings);
}
