// A minimal plug-in on the frame, for testing the frame and the host from outside. Unlike
// LaneWorks it does not keep itself locked, so the host may unload and reload it. Its menu
// handler reads the menu item as a number that says how to fail.
#pragma once

#include "frame/Plugin.h"

class FrameTestPlugin : public Plugin {
 public:
  // Menu item values and what GoMenuItem then does.
  enum MenuBehaviour : std::uintptr_t {
    kAnswerZero = 0,
    kThrowHostError = 1,   // throws ai::Error('TEST')
    kThrowOther = 2,       // throws a standard exception
    kReturnFailure = 3,    // returns 'FAIL'
    kReturnUnhandled = 4,  // returns '!MSG'
  };
  static constexpr ASErr kTestError = FourCharCode("TEST");
  static constexpr ASErr kFailure = FourCharCode("FAIL");

  explicit FrameTestPlugin(SPPluginRef pluginRef);
  FrameTestPlugin(FrameTestPlugin&& unloaded) noexcept = default;

  ASErr StartupPlugin(SPInterfaceMessage* message) override;
  ASErr PostStartupPlugin() override;
  ASErr Message(const char* caller, const char* selector, void* message) override;
  ASErr Notify(AINotifierMessage* message) override;
  ASErr GoMenuItem(AIMenuMessage* message) override;
};
