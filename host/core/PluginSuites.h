// Suites through which a plug-in speaks of itself: SP Access, SP Plug-ins and AI File Path.
#pragma once

#include "hostapi/AIFilePath.h"
#include "hostapi/SPAccess.h"
#include "hostapi/SPPlugins.h"

namespace host {

const SPAccessSuite* AccessSuite();
const SPPluginsSuite* PluginsSuite();
const AIFilePathSuite* FilePathSuite();

}  // namespace host
