// Session commands that act on the plug-in's panel as a user would, and show what it holds.
#pragma once

#include "host/core/Session.h"
#include "host/win/PanelDocks.h"

namespace host {

// "panel ..." and "flyout ...".
void AddPanelCommands(Session& session, PanelDocks& docks);

}  // namespace host
