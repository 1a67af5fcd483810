#include "plugin/LaneWorksPlugin.h"

#include <new>

#include "plugin/PluginIdentity.h"

LaneWorksPlugin::LaneWorksPlugin(SPPluginRef pluginRef) : Plugin(pluginRef) {
  SetPluginName(kLaneWorksPluginName);
}

ASErr LaneWorksPlugin::StartupPlugin(SPInterfaceMessage* message) {
  if (ASErr error = Plugin::StartupPlugin(message); error != kNoErr) return error;
  // A second lock: the host keeps the module loaded until it quits.
  LockPlugin(true);
  return kNoErr;
}

ASErr LaneWorksPlugin::ShutdownPlugin(SPInterfaceMessage* message) {
  return Plugin::ShutdownPlugin(message);
}

ASErr LaneWorksPlugin::Message(const char* caller, const char* selector, void* message) {
  return GuardedMessage(caller, selector, message);
}

ASErr LaneWorksPlugin::SetGlobal(Plugin*) {
  return kNoErr;
}

Plugin* AllocatePlugin(SPPluginRef pluginRef) {
  return new (std::nothrow) LaneWorksPlugin(pluginRef);
}

Plugin* RecreatePluginAfterReload(Plugin* unloaded) {
  return RecreateAs<LaneWorksPlugin>(unloaded);
}
