#include "plugin/LaneWorksPlugin.h"

#include <cstring>
#include <new>
#include <utility>

#include "engine/LayerPathMap.h"
#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"
#include "plugin/PluginIdentity.h"
#include "plugin/PluginTexts.h"
#include "resources/resource.h"
#include "tools/PathWidthModifier.h"
#include "tools/ScissorsCursorsWin.h"
#include "tools/ScissorsTexts.h"

LaneWorksPlugin::LaneWorksPlugin(SPPluginRef pluginRef) : Plugin(pluginRef) {
  SetPluginName(kLaneWorksPluginName);
}

ASErr LaneWorksPlugin::StartupPlugin(SPInterfaceMessage* message) {
  if (ASErr error = Plugin::StartupPlugin(message); error != kNoErr) return error;
  AddMenuItems();
  if (ASErr error = AddScissorsTool(); error != kNoErr) return error;
  if (ASErr error = sAINotifier->AddNotifier(PluginRef(), kShutdownNotifierName,
                                             kAIApplicationShutdownNotifier, &shutdownNotifier_);
      error != kNoErr) {
    return error;
  }
  // A second lock: the host keeps the module loaded until it quits.
  LockPlugin(true);
  return kNoErr;
}

ASErr LaneWorksPlugin::ShutdownPlugin(SPInterfaceMessage* message) {
  // The map's host strings go back while the string suite is still acquired.
  ClearLayerPathMap();
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

ASErr LaneWorksPlugin::AddScissorsTool() {
  // Without its handler the tool is still added; its messages then answer 0.
  std::unique_ptr<ScissorsCursorSet> cursors = LoadScissorsCursors(PluginRef());
  scissorsTool_.reset(new (std::nothrow) MultiScissorsTool(PluginRef(), std::move(cursors)));
  AIAddToolData tool{};
  tool.title = tool.tooltip = kScissorsToolTitle;
  tool.normalIconID = IDI_SCISSORS_TOOL_LIGHT;
  tool.darkIconID = IDI_SCISSORS_TOOL_DARK;
  tool.iconType = kPNGIconType;
  tool.sameGroupAs = tool.sameToolsetAs = kNoTool;
  AIToolHandle handle = nullptr;
  return sAITool->AddTool(PluginRef(), kScissorsToolName, &tool, kToolWantsToTrackCursorOption,
                          &handle);
}

ASErr LaneWorksPlugin::Notify(AINotifierMessage* message) {
  // The tool's cursors go before the host quits.
  if (message->type != nullptr && std::strcmp(message->type, kAIApplicationShutdownNotifier) == 0) {
    scissorsTool_.reset();
  }
  return kNoErr;
}

ASErr LaneWorksPlugin::TrackToolCursor(AIToolMessage* message) {
  return scissorsTool_ != nullptr ? scissorsTool_->TrackCursor(*message) : kNoErr;
}

ASErr LaneWorksPlugin::ToolMouseDown(AIToolMessage* message) {
  return scissorsTool_ != nullptr ? scissorsTool_->MouseDown(*message) : kNoErr;
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
