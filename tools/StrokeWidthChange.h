// Changes every stroke of the appearance of each selected path, as the settings say. A stroke
// whose new width is zero or less is removed; fills, effects and the other properties of each
// stroke stay as they were.
#pragma once

#include "hostapi/SPTypes.h"
#include "tools/WidthModifierSettings.h"

// 0 also when nothing is selected or no style parser can be had; otherwise the first host error,
// with the paths changed before it kept.
ASErr ChangeSelectedStrokeWidths(const WidthModifierSettings& settings);
