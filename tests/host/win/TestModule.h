// The test program as the plug-in's module: the host loads it through an entry point that
// answers every message, finds its icon resources and reads the GDI counts it exports.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host/core/PluginModule.h"
#include "host/core/Session.h"
#include "host/win/GuiCounts.h"
#include "host/win/MainWindow.h"
#include "host/win/PanelCommands.h"
#include "host/win/PanelDocks.h"
#include "panel/GuiCounts.h"

namespace testing_support {

// What the module's export answers.
extern LaneWorksGuiCounts gTestGuiCounts;

class TestModule : public host::PluginModule {
 public:
  SPPluginEntry Load(host::PluginProperties* properties, std::string* error) override;
  void Unload() override {}
  std::string FilePath() const override;
  std::string FileName() const override { return "host_win_tests.exe"; }
};

// A host with its main window, panels and session commands, and the test program started as
// its plug-in.
class PanelTest : public ::testing::Test {
 public:
  // What the panel's callbacks were told, in order.
  static std::vector<std::string>& Events();

 protected:
  PanelTest();
  void SetUp() override;
  void TearDown() override;

  // Makes a panel with every callback set to record into Events(); fails the test on an error.
  AIPanelRef Make(const char* id, double width, double height, bool resizable,
                  AIPanelFlyoutMenuRef menu = nullptr, std::int16_t states = 1);
  AIErr Create(const char* id, double width, double height, std::int16_t states, AIPanelRef* panel);
  HWND Platform(AIPanelRef panel);
  HWND Dock(AIPanelRef panel) { return GetParent(Platform(panel)); }
  static SIZE ClientSize(HWND window);

  void RunLines(const std::string& lines);
  bool Has(const std::string& line);
  long Find(const std::string& line);
  std::string Transcript() { return host_.transcript().Text(); }
  int Violations() { return host_.transcript().ViolationCount(); }

  host::MainWindow window_;
  host::Host host_;
  host::Session session_;
  host::PanelDocks docks_{host_};
  host::GuiCounts guiCounts_{host_};
  const AIPanelSuite& suite_ = *host::PanelDocks::Suite();
  const AIPanelFlyoutMenuSuite& menus_ = *host::FlyoutMenus::Suite();
};

// A string of the host's for the length of a call that copies its text.
class HostText {
 public:
  HostText(host::Host& host, const std::string& utf8);
  HostText(const HostText&) = delete;
  HostText& operator=(const HostText&) = delete;
  ~HostText() { host_.strings().Remove(ref_); }
  operator AIUnicodeStringRef() const { return ref_; }

 private:
  host::Host& host_;
  AIUnicodeStringRef ref_;
};

}  // namespace testing_support
