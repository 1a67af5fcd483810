// The host asks plug-ins to give back memory.
#pragma once

#include "hostapi/SPMessage.h"

constexpr char kSPCacheCaller[] = "SP Cache";
constexpr char kSPPluginPurgeCachesSelector[] = "Plug-in Purge";

struct SPCacheMessage {
  SPMessageData d;
};
