// The preferences dialog of the road panel, "重ね線の環境設定": which copy delete keeps, whether
// acquiring takes paths without copies, and how many recent settings the history keeps.
#pragma once

#include "hostapi/SPTypes.h"
#include "panel/OverlapPreferences.h"

// Shows the dialog with values, modal to the host's main window. 0 after OK, with values as the
// user left them; 'STOP' after Cancel or Esc, values untouched; the host's code when it cannot
// give its main window or the plug-in's file. Without the plug-in's module no dialog can be
// shown: the answer is 0 with values untouched.
ASErr ShowOverlapPreferencesDialog(SPPluginRef plugin, OverlapPreferenceValues& values);
