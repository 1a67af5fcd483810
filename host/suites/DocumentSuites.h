// The suites over the host's document: layers, art, art sets, paths, styles and swatches.
#pragma once

#include "hostapi/AIArt.h"
#include "hostapi/AIArtSet.h"
#include "hostapi/AIArtStyle.h"
#include "hostapi/AIArtStyleParser.h"
#include "hostapi/AICustomColor.h"
#include "hostapi/AIGradient.h"
#include "hostapi/AILayer.h"
#include "hostapi/AIPath.h"
#include "hostapi/AIPathStyle.h"
#include "hostapi/AIPattern.h"
#include "hostapi/AIRealMath.h"

namespace host::suites {

const AILayerSuite* LayerSuite();
const AIArtSuite* ArtSuite();
const AIArtSetSuite* ArtSetSuite();
const AIPathSuite* PathSuite();
const AIPathStyleSuite* PathStyleSuite();
const AIArtStyleSuite* ArtStyleSuite();
const AIArtStyleParserSuite* ArtStyleParserSuite();
const AIPatternSuite* PatternSuite();
const AICustomColorSuite* CustomColorSuite();
const AIGradientSuite* GradientSuite();
const AIRealMathSuite* RealMathSuite();

}  // namespace host::suites
