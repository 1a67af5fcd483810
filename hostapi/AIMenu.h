// Menu messages.
#pragma once

#include "hostapi/SPMessage.h"

constexpr char kAIMenuCaller[] = "AI Menu";
constexpr char kAIMenuGoSelector[] = "AI Go";
constexpr char kAIMenuUpdateSelector[] = "AI Update";

struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;  // the item chosen or to be updated
};

constexpr char kAIMenuSuite[] = "AI Menu Suite";
constexpr std::int32_t kAIMenuSuiteVersion = 11;
struct AIMenuSuite;  // functions are declared as the plug-in comes to call them
