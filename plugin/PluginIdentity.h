// How the plug-in names itself to the host.
#pragma once

#include "LaneWorksVersion.h"

inline constexpr char kLaneWorksPluginName[] = LANEWORKS_PLUGIN_NAME;

// The identifiers below keep their texts when the version changes: the host and the preferences
// a user has stored know the plug-in by them.

// Notifiers the plug-in adds, in the order it adds them.
inline constexpr char kShutdownNotifierName[] = "MvLaneWorks1.5 Application Shutdown Notifier";
inline constexpr char kDocumentChangedNotifierName[] = "MvLaneWorks1.5 Document Changed Notifier";
inline constexpr char kBrightnessChangedNotifierName[] =
    "MvLaneWorks1.5 UIBrightness Changed Notifier";
inline constexpr char kLayerSetNotifierName[] = "MvLaneWorks1.5 Layer Set Notifier";
inline constexpr char kPreferenceChangedNotifierName[] =
    "MvLaneWorks1.5 Preference Changed Notifier";

// The prefix of the plug-in's preferences in the host's store.
inline constexpr char kLaneWorksPreferencePrefix[] = "Mivor-LaneWorks1.5";
