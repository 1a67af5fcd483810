// The LaneWorks plug-in object: what the user sees of the plug-in is registered with the host
// here, and the host's messages for it are routed from here.
#pragma once

#include "frame/Plugin.h"

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

 private:
  void AddMenuItems();

  // Menu items, owned by the host.
  AIMenuItemHandle widthModifierMenuItem_ = nullptr;
};
