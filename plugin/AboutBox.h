// The About box: the plug-in's name and version, and a button that opens its web site in the
// user's default browser.
#pragma once

#include "hostapi/SPTypes.h"

// The address the About box opens.
inline constexpr wchar_t kLaneWorksWebSite[] = L"https://laneworks.example.org/";

// Shows the box modal to the host's main window; answers what the dialog call answers (0 once
// closed). Nothing is shown, and the host's code answered, when the host cannot give its main
// window or the plug-in's file; nothing is shown and 0 answered when the plug-in's module is not
// loaded.
ASErr ShowAboutBox(SPPluginRef plugin);
