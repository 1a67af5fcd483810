// Keeping a plug-in loaded, and the unload and reload messages of a plug-in that is not kept.
#pragma once

#include "hostapi/SPMessage.h"

constexpr char kSPAccessCaller[] = "SP Access";
constexpr char kSPAccessUnloadSelector[] = "Unload";
constexpr char kSPAccessReloadSelector[] = "Reload";

struct SPAccessMessage {
  SPMessageData d;
};

constexpr char kSPAccessSuite[] = "SP Access Suite";
constexpr std::int32_t kSPAccessSuiteVersion = 3;

struct SPAccessSuite {
  // Adds one lock on the plug-in's module; while any lock is held the host does not unload it.
  // The plug-in must give the returned reference back with ReleasePlugin.
  SPErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
  // Removes the lock taken by AcquirePlugin; the reference is invalid afterwards.
  SPErr (*ReleasePlugin)(SPAccessRef access);
};
