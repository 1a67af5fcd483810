// The course of the stroke-width command, apart from its window: settings from the defaults
// and the preferences, the dialog, the preferences stored, then the selected art changed.
#pragma once

#include <functional>

#include "hostapi/SPTypes.h"
#include "tools/WidthModifierSettings.h"

// Shows the dialog on settings: 0 when confirmed (settings then hold the values), 'STOP' when
// cancelled, another code when it could not be shown.
using WidthModifierDialog = std::function<ASErr(WidthModifierSettings& settings)>;

ASErr RunWidthModifierCommand(const WidthModifierDialog& dialog);
