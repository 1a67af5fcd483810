// The module the plug-in was loaded from, whose resources hold its dialogs and pictures: found
// from the plug-in's file as the host knows it.
#pragma once

#include <windows.h>

#include "hostapi/SPTypes.h"

// *module gets the loaded module of the plug-in's file, or null when no module of that file is
// loaded; the answer is the host's error when it cannot name the file.
ASErr FindPluginModule(SPPluginRef plugin, HMODULE* module);
