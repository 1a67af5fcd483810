// The texts of the road panel's two labels, made from the current setting.
#pragma once

#include "engine/OverlapSetting.h"
#include "hostapi/IAIUnicodeString.h"

// The title of the layer of the setting's front-most copy, without its enclosing layers; empty
// without a setting.
ai::UnicodeString SettingNameText(const OverlapSetting* current);

// "最大幅 " and the setting's widest stroke in the user's stroke unit, three decimals; empty
// without a setting or when no stroke is wider than 0.
ai::UnicodeString MaxWidthText(const OverlapSetting* current);
