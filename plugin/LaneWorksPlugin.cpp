#include "plugin/LaneWorksPlugin.h"

#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "engine/LayerPathMap.h"
#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"
#include "plugin/AboutBox.h"
#include "plugin/PluginIdentity.h"
#include "plugin/PluginTexts.h"
#include "plugin/SDKAboutPluginsHelper.h"
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
  {
    SDKAboutPluginsHelper about(message->d.basic);
    if (ASErr error = about.AddAboutPluginsMenuItem(
            PluginRef(), kAboutGroupName, kAboutGroupItemText, kAboutMenuText, &aboutMenuItem_)) {
      return error;
    }
  }
  // The settings store inside reads the engine's preferences.
  panel_ = std::make_unique<CKukuriPanel>(PluginRef());
  if (ASErr error = panel_->Create(); error != kNoErr) return error;
  if (ASErr error = AddScissorsTool(); error != kNoErr) return error;
  if (ASErr error = AddNotifiers(); error != kNoErr) return error;
  // A second lock: the host keeps the module loaded until it quits.
  LockPlugin(true);
  return kNoErr;
}

ASErr LaneWorksPlugin::AddNotifiers() {
  const struct {
    const char* name;
    const char* type;
    AINotifierHandle* handle;
  } notifiers[] = {
      {kShutdownNotifierName, kAIApplicationShutdownNotifier, &shutdownNotifier_},
      {kDocumentChangedNotifierName, kAIDocumentChangedNotifier, &documentChangedNotifier_},
      {kBrightnessChangedNotifierName, kAIUIBrightnessChangedNotifier, &brightnessChangedNotifier_},
      {kLayerSetNotifierName, kAILayerSetNotifier, &layerSetNotifier_},
      {kPreferenceChangedNotifierName, kAIPreferenceChangedNotifier, &preferenceChangedNotifier_},
  };
  for (const auto& notifier : notifiers) {
    if (ASErr error =
            sAINotifier->AddNotifier(PluginRef(), notifier.name, notifier.type, notifier.handle)) {
      return error;
    }
  }
  return kNoErr;
}

ASErr LaneWorksPlugin::ShutdownPlugin(SPInterfaceMessage* message) {
  // Normally gone at the application's shutdown already.
  ReleaseUserInterface();
  // The map's host strings go back while the string suite is still acquired.
  ClearLayerPathMap();
  return Plugin::ShutdownPlugin(message);
}

void LaneWorksPlugin::ReleaseUserInterface() {
  panel_.reset();
  scissorsTool_.reset();
}

ASErr LaneWorksPlugin::Message(const char* caller, const char* selector, void* message) {
  return GuardedMessage(caller, selector, message);
}

ASErr LaneWorksPlugin::SetGlobal(Plugin*) {
  return kNoErr;
}

void LaneWorksPlugin::AddMenuItems() {
  // An item the host refuses is simply missing; start-up goes on without it.
  const ai::UnicodeString panelText(kKukuriPanelMenuText);
  const AIPlatformAddMenuItemDataUS panelItem{kToolPalettesMenuGroup, panelText.handle()};
  if (sAIMenu->AddMenuItem(PluginRef(), kKukuriPanelMenuKey, &panelItem, kMenuItemWantsUpdateOption,
                           &panelMenuItem_) != kNoErr) {
    panelMenuItem_ = nullptr;
  }
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
  if (message->type == nullptr) return kNoErr;
  const auto is = [message](const char* type) { return std::strcmp(message->type, type) == 0; };
  // The panel's answers are its own business: a notification always succeeds.
  if (is(kAIUIBrightnessChangedNotifier)) {
    if (panel_ != nullptr) panel_->OnUIBrightnessChanged();
  } else if (is(kAIDocumentChangedNotifier)) {
    if (panel_ != nullptr) panel_->UpdateCommandButtons();
  } else if (is(kAILayerSetNotifier)) {
    if (panel_ != nullptr) panel_->OnLayersChanged();
  } else if (is(kAIPreferenceChangedNotifier)) {
    if (panel_ != nullptr) panel_->UpdateMaxWidthLabel();
  } else if (is(kAIApplicationShutdownNotifier)) {
    // The tool's cursors and the panel's windows go before the host quits.
    ReleaseUserInterface();
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
  if (message->menuItem == nullptr) return kNoErr;
  if (message->menuItem == aboutMenuItem_) return ShowAboutBox(PluginRef());
  if (message->menuItem == panelMenuItem_) {
    return panel_ != nullptr ? panel_->Show(!panel_->IsShown()) : kNoErr;
  }
  if (message->menuItem == widthModifierMenuItem_) {
    PathWidthModifier command(PluginRef());
    return command.Run();
  }
  return kNoErr;
}

ASErr LaneWorksPlugin::UpdateMenuItem(AIMenuMessage*) {
  // The panel's item is checked while the panel is shown.
  if (panelMenuItem_ != nullptr && panel_ != nullptr)
    sAIMenu->CheckItem(panelMenuItem_, panel_->IsShown());
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
