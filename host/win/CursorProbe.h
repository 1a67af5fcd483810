// Which of the plug-in's cursors the host shows now, for transcripts of tool sessions.
#pragma once

#include <string>

namespace host {

// The plug-in module's cursor resource (134, 135 or 136) that the current cursor shows: its
// number; "none" without a cursor, "other" for any other cursor, "no module" when the module of
// pluginFile is not loaded. Cursors are compared by their pictures and hot spots, since the
// plug-in holds copies of its own.
std::string DescribeCurrentCursor(const std::string& pluginFile);

}  // namespace host
