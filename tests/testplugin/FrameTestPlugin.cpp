#include "tests/testplugin/FrameTestPlugin.h"

#include <stdexcept>
#include <string>

#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"

namespace {

// Makes the plug-in's calls visible in the host's transcript.
void Say(const std::string& text) {
  sAIUser->MessageAlert(ai::UnicodeString(text).handle());
}

}  // namespace

FrameTestPlugin::FrameTestPlugin(SPPluginRef pluginRef) : Plugin(pluginRef) {
  SetPluginName("Frame Test Plugin");
}

ASErr FrameTestPlugin::StartupPlugin(SPInterfaceMessage* message) {
  if (ASErr error = Plugin::StartupPlugin(message); error != kNoErr) return error;
  LockPlugin(false);  // leave the host free to unload the module
  return kNoErr;
}

ASErr FrameTestPlugin::PostStartupPlugin() {
  Say("post-startup");
  return kNoErr;
}

ASErr FrameTestPlugin::Message(const char* caller, const char* selector, void* message) {
  return GuardedMessage(caller, selector, message);
}

ASErr FrameTestPlugin::Notify(AINotifierMessage* message) {
  Say(std::string("notify ") + message->type);
  return kNoErr;
}

ASErr FrameTestPlugin::GoMenuItem(AIMenuMessage* message) {
  switch (reinterpret_cast<std::uintptr_t>(message->menuItem)) {
    case kThrowHostError:
      throw ai::Error(kTestError);
    case kThrowOther:
      throw std::runtime_error("not a host error");
    case kReturnFailure:
      return kFailure;
    case kReturnUnhandled:
      return kUnhandledMsgErr;
    default:
      return kNoErr;
  }
}

Plugin* AllocatePlugin(SPPluginRef pluginRef) {
  return new (std::nothrow) FrameTestPlugin(pluginRef);
}

Plugin* RecreatePluginAfterReload(Plugin* unloaded) {
  return RecreateAs<FrameTestPlugin>(unloaded);
}
