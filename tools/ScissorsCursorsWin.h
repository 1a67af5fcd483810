// The scissors tool's cursors, loaded from the plug-in's own module.
#pragma once

#include <memory>

#include "hostapi/SPTypes.h"
#include "tools/ScissorsCursors.h"

// The three cursors of the plug-in's module, found from the plug-in's file. Null when the host
// cannot name that file or give its main window, or when the module is not loaded: the tool then
// works without its cursors.
std::unique_ptr<ScissorsCursorSet> LoadScissorsCursors(SPPluginRef plugin);
