// The suites that render art into raster art and read its pixels back.
#pragma once

#include "hostapi/AIRaster.h"
#include "hostapi/AIRasterize.h"

namespace host::suites {

const AIRasterizeSuite* RasterizeSuite();
const AIRasterSuite* RasterSuite();

}  // namespace host::suites
