// Start-up, shut-down and about messages.
#pragma once

#include "hostapi/SPMessage.h"

constexpr char kSPInterfaceCaller[] = "SP Interface";
constexpr char kSPInterfaceStartupSelector[] = "Startup";
constexpr char kSPInterfaceShutdownSelector[] = "Shutdown";
constexpr char kSPInterfaceAboutSelector[] = "About";

struct SPInterfaceMessage {
  SPMessageData d;
};
