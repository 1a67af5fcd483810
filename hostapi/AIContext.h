// Application contexts: a plug-in that works outside a host message (from its own window)
// brackets the work with PushAppContext and PopAppContext.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIContextSuite[] = "AI Context Suite";
constexpr std::int32_t kAIContextSuiteVersion = 10;

struct AIContextSuite {
  // Opens a context for the plug-in; every push must be balanced by one PopAppContext with the
  // returned handle, innermost first.
  AIErr (*PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
  AIErr (*PopAppContext)(AIAppContextHandle context);
  // The host's main window, the owner for the plug-in's modal dialogs. Owned by the host.
  AIErr (*GetPlatformAppWindow)(AIWindowRef* window);
};
