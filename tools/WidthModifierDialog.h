// Dialog 130, in which the user chooses how the stroke-width command changes the strokes.
#pragma once

#include "hostapi/SPTypes.h"
#include "tools/WidthModifierSettings.h"

// Shows the dialog from the plug-in's own module, owned by the host's main window, on
// settings. 0 when OK passed the check (settings hold the values); 'STOP' for Cancel, the close
// box or Escape; -1 when the dialog could not be made; the host's error when one is thrown while
// the dialog is up. When the module or the owner cannot be had (no module of the plug-in's file
// is loaded, or the host fails the look-up) nothing is shown and the answer is 0, settings as
// they were, so that the command goes on with the values read.
ASErr ShowWidthModifierDialog(SPPluginRef plugin, WidthModifierSettings& settings);
