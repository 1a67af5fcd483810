// How the plug-in names itself to the host.
#pragma once

inline constexpr char kLaneWorksPluginName[] = "Mivor-LaneWorks1.5";
