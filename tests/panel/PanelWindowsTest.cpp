// The road panel through the real LaneWorks.aip and real windows, many times over: whatever the
// plug-in makes for its panel (windows, fonts, bitmaps, brushes) is gone again, by its own
// counts and by Windows' own account of the handles.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/core/Session.h"
#include "host/win/DllModule.h"
#include "host/win/GuiCounts.h"
#include "host/win/MainWindow.h"
#include "host/win/PanelCommands.h"
#include "host/win/PanelDocks.h"
#include "host/win/WideText.h"

namespace {

class PanelWindowsTest : public ::testing::Test {
 protected:
  PanelWindowsTest() {
    host_.SetAppWindow(window_.handle());
    host_.preferences().UseProfile(std::filesystem::temp_directory_path() /
                                   "LaneWorks panel windows test");
    session_.SetFolders(LANEWORKS_SOURCE_DIR "/tests/e2e", std::filesystem::temp_directory_path());
    host::AddPanelCommands(session_, panels_);
    guiCounts_.AddCommands(session_);
  }

  void Run(const std::string& line) { session_.RunLine(line); }

  LaneWorksGuiCounts Counts() {
    std::string why;
    const std::optional<LaneWorksGuiCounts> counts =
        host::ReadGuiCounts(host_.PluginFilePath(), &why);
    EXPECT_TRUE(counts.has_value()) << why;
    return counts.value_or(LaneWorksGuiCounts{});
  }

  // The panel's platform window and its n-th child.
  HWND Platform() {
    const host::PanelDocks::Panel* panel = panels_.Get(panels_.First());
    return panel != nullptr ? panel->platform : nullptr;
  }
  HWND Child(int n) {
    HWND child = GetWindow(Platform(), GW_CHILD);
    for (int i = 0; i < n && child != nullptr; ++i) child = GetWindow(child, GW_HWNDNEXT);
    return child;
  }
  // What a static control asks its parent for before it paints: the brush it is painted with.
  HBRUSH StaticBrush() {
    const HDC dc = GetDC(Child(4));
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(Platform(), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(Child(4))));
    ReleaseDC(Child(4), dc);
    return brush;
  }

  host::MainWindow window_;
  host::Host host_;
  host::Session session_{
      host_,
      [](const std::string& name) -> std::unique_ptr<host::PluginModule> {
        return std::make_unique<host::DllModule>(host::Widen(LANEWORKS_PLUGIN_DIR "/" + name));
      },
      "LaneWorks.aip"};
  host::PanelDocks panels_{host_};
  host::GuiCounts guiCounts_{host_};
};

TEST_F(PanelWindowsTest, StartingAndShuttingDownAHundredTimesLeavesNothing) {
  Run("open maps/roads.json");
  for (int i = 0; i < 100; ++i) {
    Run("start");
    ASSERT_NE(Platform(), nullptr) << host_.transcript().Text();
    const LaneWorksGuiCounts counts = Counts();
    ASSERT_EQ(counts.windows, 6) << "start " << i;
    ASSERT_EQ(counts.fonts, 1);
    ASSERT_EQ(counts.bitmaps, 1);  // the placeholder picture
    ASSERT_LE(counts.brushes, 1);
    ASSERT_EQ(counts.pens + counts.deviceContexts, 0);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(Child(0), WM_GETFONT, 0, 0));
    const auto picture = reinterpret_cast<HGDIOBJ>(SendMessageW(Child(3), STM_GETIMAGE, 0, 0));
    const HBRUSH brush = StaticBrush();
    ASSERT_NE(GetObjectType(font), 0u);
    ASSERT_NE(GetObjectType(picture), 0u);
    ASSERT_NE(GetObjectType(brush), 0u);
    Run("shutdown");
    // The host checked the counts before the plug-in's code went; Windows agrees.
    ASSERT_EQ(GetObjectType(font), 0u) << "start " << i;
    ASSERT_EQ(GetObjectType(picture), 0u);
    ASSERT_EQ(GetObjectType(brush), 0u);
    ASSERT_EQ(panels_.LiveCount(), 0u);
  }
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << host_.transcript().Text();
}

// Start-up and shut-down once for every host call each makes, with that call failing: the
// plug-in either starts or reports the failure, and in the end holds nothing. Releases are left
// out: a panel the host failed to destroy stays with the host, whatever the plug-in does.
TEST_F(PanelWindowsTest, EachFailingCallAtStartUpOrShutDownLeavesNothing) {
  Run("open maps/roads.json");
  auto recordCalls = [this](const char* line) {
    host_.faults().Record(true);
    Run(line);
    std::vector<std::string> calls = host_.faults().Recorded();
    host_.faults().Record(false);
    return calls;
  };
  // The first start-up also adds the menu entries that outlive the plug-in; later ones do not.
  Run("start");
  Run("shutdown");
  const std::vector<std::string> startup = recordCalls("start");
  const std::vector<std::string> shutdown = recordCalls("shutdown");
  ASSERT_GT(startup.size(), 20u);
  ASSERT_GT(shutdown.size(), 2u);
  auto isRelease = [](const std::string& function) {
    return function == "Destroy" || function == "FlyoutMenu.Destroy" || function == "Dispose" ||
           function == "PopAppContext";
  };
  for (const bool atStartup : {true, false}) {
    const std::vector<std::string>& calls = atStartup ? startup : shutdown;
    for (std::size_t k = 1; k <= calls.size(); ++k) {
      const std::string& function = calls[k - 1];
      if (isRelease(function)) continue;
      SCOPED_TRACE((atStartup ? "start-up call " : "shut-down call ") + std::to_string(k) + ", " +
                   function);
      const int violations = host_.transcript().ViolationCount();
      const std::string failing = "fail-call " + std::to_string(k);
      if (atStartup) Run(failing);
      Run("start");
      if (!atStartup) Run(failing);
      Run("shutdown");
      ASSERT_EQ(panels_.LiveCount(), 0u);
      ASSERT_EQ(host_.transcript().ViolationCount(), violations) << host_.transcript().Text();
    }
  }
}

TEST_F(PanelWindowsTest, AHundredAcquiresKeepOnePictureAndOneBrush) {
  Run("open maps/roads.json");
  Run("start");
  Run("select r1-casing");
  const LaneWorksGuiCounts before = Counts();
  HBRUSH previousBrush = StaticBrush();
  for (int i = 0; i < 100; ++i) {
    Run("panel click acquire");
    const HBRUSH brush = StaticBrush();
    // Each brush handed out replaces the one before, which is deleted.
    ASSERT_EQ(GetObjectType(previousBrush), 0u) << "click " << i;
    previousBrush = brush;
    const LaneWorksGuiCounts counts = Counts();
    ASSERT_EQ(counts.brushes, 1) << "click " << i;
    ASSERT_EQ(counts.bitmaps, 1);  // the preview picture replaced the one before
    ASSERT_EQ(counts.windows, before.windows);
    ASSERT_EQ(counts.fonts, before.fonts);
    ASSERT_EQ(counts.pens + counts.deviceContexts, 0);
  }
  Run("panel");
  Run("shutdown");
  EXPECT_EQ(GetObjectType(previousBrush), 0u);
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << host_.transcript().Text();
}

// A button's command, once for every host call it makes with that call failing: however the
// command ends, the panel is refreshed and the keyboard goes back to the document.
TEST_F(PanelWindowsTest, EachFailingCallOfAButtonStillHandsTheFocusBack) {
  struct Button {
    const char* setup;
    const char* click;
  };
  const Button buttons[] = {
      {"select r1-casing", "panel click acquire"},
      {"select r1-fill", "panel click delete ctrl"},
      {"select r1-casing\npanel click acquire\ndeselect-all\nselect q", "panel click create"},
  };
  auto prepare = [this](const Button& button) {
    Run("open maps/roads.json");
    Run("start");
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
      end = std::string(button.setup).find('\n', start);
      Run(std::string(button.setup).substr(start, end - start));
    }
    SetFocus(Child(0));
  };
  // A failure the engine reports is acknowledged; a question answered Yes.
  host_.alerts().SetAnswerer([](host::Alerts::Kind kind, const std::string&) {
    return kind == host::Alerts::Kind::kQuestion ? host::Alerts::Answer::kYes
                                                 : host::Alerts::Answer::kOk;
  });
  for (const Button& button : buttons) {
    prepare(button);
    host_.faults().Record(true);
    Run(button.click);
    const std::vector<std::string> calls = host_.faults().Recorded();
    host_.faults().Record(false);
    Run("shutdown");
    ASSERT_GT(calls.size(), 5u) << button.click;
    for (std::size_t k = 1; k <= calls.size(); ++k) {
      SCOPED_TRACE(std::string(button.click) + ": call " + std::to_string(k) + ", " + calls[k - 1]);
      prepare(button);
      Run("fail-call " + std::to_string(k));
      Run(button.click);
      // Without the host's main window there is nowhere to hand the focus.
      if (calls[k - 1] != "GetPlatformAppWindow") {
        EXPECT_EQ(GetFocus(), window_.handle());
      }
      Run("shutdown");
      ASSERT_EQ(panels_.LiveCount(), 0u);
    }
  }
}

}  // namespace
