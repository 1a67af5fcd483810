#include "plugin/LaneWorksPlugin.h"

#include <new>

#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"
#include "plugin/PluginIdentity.h"
#include "plugin/PluginTexts.h"
#include "tools/PathWidthModifier.h"

LaneWorksPlugin::LaneWorksPlugin(SPPluginRef pluginRef) : Plugin(pluginRef) {
  SetPluginName(kLaneWorksPluginName);
}

ASErr LaneWorksPlugin::StartupPlugin(SPInterfaceMessage* message) {
  if (ASErr error = Plugin::StartupPlugin(message); error != kNoErr) return error;
  AddMenuItems();
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

void LaneWorksPlugin::AddMenuItems() {
  // An item the host refuses is simply missing; start-up goes on without it.
  const ai::UnicodeString widthText(kPathWidthModifierMenuText);
  const AIPlatformAddMenuItemDataUS widthItem{kObjectPathsMenuGroup, widthText.handle()};
  if (sAIMenu->AddMenuItem(PluginRef(), kPathWidthModifierMenuKey, &widthItem,
                           kMenuItemWantsUpdateOption, &widthModifierMenuItem_) != kNoErr) {
    widthModifierMenuItem_ = nullptr;
  }
}

ASErr LaneWorksPlugin::GoMenuItem(AIMenuMessage* message) {
  if (message->menuItem != nullptr && message->menuItem == widthModifierMenuItem_) {
    PathWidthModifier command(PluginRef());
    return command.Run();
  }
  return kNoErr;
}

ASErr LaneWorksPlugin::UpdateMenuItem(AIMenuMessage*) {
  // The host enables the width command itself, by what is selected.
  if (widthModifierMenuItem_ != nullptr)
    sAIMenu->UpdateMenuItemAutomatically(widthModifierMenuItem_, 1, 0, 0, 2, 32, 0, 0);
  return kNoErr;
}

Plugin* AllocatePlugin(SPPluginRef pluginRef) {
  return new (std::nothrow) LaneWorksPlugin(pluginRef);
}

Plugin* RecreatePluginAfterReload(Plugin* unloaded) {
  return RecreateAs<LaneWorksPlugin>(unloaded);
}
