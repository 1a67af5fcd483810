// The road panel through the real LaneWorks.aip and real windows, many times over: whatever the
// plug-in makes for its panel (windows, fonts, bitmaps, brushes) is gone again, by its own
// counts and by Windows' own account of the handles.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
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

// The pixels of a shown window as the screen shows them, after it painted.
std::vector<COLORREF> ScreenPixels(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  std::vector<COLORREF> pixels(static_cast<std::size_t>(width * height));
  const auto* bgra = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 1 && std::abs(GetGValue(a) - GetGValue(b)) <= 1 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 1;
}

// The static texts are painted in the theme's panel colours, in both themes and after a switch
// while the panel is shown: the background of the labels, their text, and beside them the
// system's button face and the preview's white picture.
TEST_F(PanelWindowsTest, StaticTextsTakeTheThemesPanelColours) {
  Run("open maps/roads.json");
  Run("start");
  Run("select r1-casing");
  Run("panel click acquire");
  struct Theme {
    const char* command;
    COLORREF background, text;  // the host's greys 0.94 and 0.10, or 0.20 and 0.90
  };
  for (const Theme& theme : {Theme{"theme light", RGB(240, 240, 240), RGB(26, 26, 26)},
                             Theme{"theme dark", RGB(51, 51, 51), RGB(230, 230, 230)},
                             Theme{"theme light", RGB(240, 240, 240), RGB(26, 26, 26)}}) {
    SCOPED_TRACE(theme.command);
    Run(theme.command);
    for (const int label : {4, 5}) {  // the layer name and the widest stroke
      const std::vector<COLORREF> pixels = ScreenPixels(Child(label));
      ASSERT_FALSE(pixels.empty());
      const auto background = std::count_if(pixels.begin(), pixels.end(),
                                            [&](COLORREF c) { return Near(c, theme.background); });
      const auto text = std::count_if(pixels.begin(), pixels.end(),
                                      [&](COLORREF c) { return Near(c, theme.text); });
      EXPECT_GT(background * 2, static_cast<long>(pixels.size())) << "label " << label;
      EXPECT_GT(text, 0) << "label " << label;
    }
    const std::vector<COLORREF> button = ScreenPixels(Child(0));
    EXPECT_EQ(button[button.size() / 2 + 3], GetSysColor(COLOR_BTNFACE));
    const std::vector<COLORREF> preview = ScreenPixels(Child(3));
    EXPECT_EQ(preview[preview.size() / 2 - 50], RGB(255, 255, 255));
  }
  Run("shutdown");
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << host_.transcript().Text();
}

}  // namespace
