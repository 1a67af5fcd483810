// How the plug-in names itself to the host.
#pragma once

inline constexpr char kLaneWorksPluginName[] = "Mivor-LaneWorks1.5";

// Notifiers the plug-in adds.
inline constexpr char kShutdownNotifierName[] = "MvLaneWorks1.5 Application Shutdown Notifier";

// The prefix of the plug-in's preferences in the host's store.
inline constexpr char kLaneWorksPreferencePrefix[] = "Mivor-LaneWorks1.5";
