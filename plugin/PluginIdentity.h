// How the plug-in names itself to the host.
#pragma once

inline constexpr char kLaneWorksPluginName[] = "Mivor-LaneWorks1.5";

// The prefix of the plug-in's preferences in the host's store.
inline constexpr char kLaneWorksPreferencePrefix[] = "Mivor-LaneWorks1.5";
