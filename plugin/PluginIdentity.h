// How the plug-in names itself to the host.
#pragma once

inline constexpr char kLaneWorksPluginName[] = "Mivor-LaneWorks1.5";

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
