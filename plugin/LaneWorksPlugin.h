// The LaneWorks plug-in object: what the user sees of the plug-in is registered with the host
// here, and the host's messages for it are routed from here.
#pragma once

#include <memory>

#include "frame/Plugin.h"
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

  // Menu items, owned by the host.
  AIMenuItemHandle widthModifierMenuItem_ = nullptr;
  // Notifiers, owned by the host.
  AINotifierHandle shutdownNotifier_ = nullptr;
  // The scissors tool's handler: from start-up to the application's shutdown; none when it could
  // not be made.
  std::unique_ptr<MultiScissorsTool> scissorsTool_;
};
