// The LaneWorks plug-in object: what the user sees of the plug-in is registered with the host
// here, and the host's messages for it are routed from here.
#pragma once

#include <memory>

#include "frame/Plugin.h"
#include "panel/CKukuriPanel.h"
#include "tools/MultiScissorsTool.h"

class LaneWorksPlugin : public Plugin {
 public:
  explicit LaneWorksPlugin(SPPluginRef pluginRef);
  LaneWorksPlugin(LaneWorksPlugin&& unloaded) noexcept = default;
  ~LaneWorksPlugin() override = default;

  ASErr StartupPlugin(SPInterfaceMessage* message) override;
  ASErr ShutdownPlugin(SPInterfaceMessage* message) override;
  ASErr Message(const char* caller, const char* selector, void* message) override;
  ASErr SetGlobal(Plugin* plugin) override;
  ASErr GoMenuItem(AIMenuMessage* message) override;
  ASErr UpdateMenuItem(AIMenuMessage* message) override;
  ASErr Notify(AINotifierMessage* message) override;
  ASErr TrackToolCursor(AIToolMessage* message) override;
  ASErr ToolMouseDown(AIToolMessage* message) override;

 private:
  void AddMenuItems();
  ASErr AddScissorsTool();
  ASErr AddNotifiers();
  // The panel and the tool's handler go while the host still lends its suites.
  void ReleaseUserInterface();

  // Menu items, owned by the host.
  AIMenuItemHandle panelMenuItem_ = nullptr;
  AIMenuItemHandle widthModifierMenuItem_ = nullptr;
  AIMenuItemHandle aboutMenuItem_ = nullptr;
  // Notifiers, owned by the host.
  AINotifierHandle shutdownNotifier_ = nullptr;
  AINotifierHandle documentChangedNotifier_ = nullptr;
  AINotifierHandle brightnessChangedNotifier_ = nullptr;
  AINotifierHandle layerSetNotifier_ = nullptr;
  AINotifierHandle preferenceChangedNotifier_ = nullptr;
  // The road panel and the scissors tool's handler: from start-up to the application's
  // shutdown, after which no message reaches them. The tool's handler is missing when it could
  // not be made.
  std::unique_ptr<CKukuriPanel> panel_;
  std::unique_ptr<MultiScissorsTool> scissorsTool_;
};
