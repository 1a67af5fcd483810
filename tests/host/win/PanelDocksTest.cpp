// The panel suite over real windows, called as the plug-in calls it.
#include <vector>

#include "host/win/WideText.h"
#include "tests/host/win/TestModule.h"

namespace {

using testing_support::PanelTest;
using Texts = std::vector<std::string>;

TEST_F(PanelTest, APanelIsAHiddenToolWindowOfTheMainWindowAroundItsPlatformWindow) {
  const AIPanelRef panel = Make("Road", 120.5, 145, false);
  const HWND platform = Platform(panel);
  const HWND dock = GetParent(platform);
  ASSERT_NE(dock, nullptr);
  EXPECT_EQ(GetWindow(dock, GW_OWNER), window_.handle());
  EXPECT_EQ(host::WindowText(dock), "重ね線");
  const LONG style = GetWindowLongW(dock, GWL_STYLE);
  EXPECT_TRUE(GetWindowLongW(dock, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(style & WS_SYSMENU) << "no close box";
  EXPECT_FALSE(style & WS_THICKFRAME) << "a fixed-size panel has a frame the user can drag";
  EXPECT_TRUE(GetWindowLongW(platform, GWL_STYLE) & WS_CHILD);
  // The platform window fills the dock's client area, which is at least the minimum.
  const SIZE client = ClientSize(dock);
  EXPECT_GE(client.cx, 121);
  EXPECT_GE(client.cy, 145);
  EXPECT_EQ(ClientSize(platform).cx, client.cx);
  EXPECT_EQ(ClientSize(platform).cy, client.cy);

  AIBoolean shown = 1;
  EXPECT_EQ(suite_.IsShown(panel, &shown), kNoErr);
  EXPECT_EQ(shown, 0);
  EXPECT_FALSE(IsWindowVisible(dock));
  AIPanelUserData data = nullptr;
  EXPECT_EQ(suite_.GetUserData(panel, &data), kNoErr);
  EXPECT_EQ(data, &Events());
  EXPECT_EQ(suite_.SetUserData(panel, this), kNoErr);
  EXPECT_EQ(suite_.GetUserData(panel, &data), kNoErr);
  EXPECT_EQ(data, this);

  EXPECT_TRUE(GetWindowLongW(Dock(Make("Other", 50, 50, true)), GWL_STYLE) & WS_THICKFRAME);
  EXPECT_EQ(Violations(), 0) << Transcript();

  // Ids are unique among live panels; a panel has a size and at least one state.
  AIPanelRef refused = nullptr;
  EXPECT_EQ(Create("Road", 10, 10, 1, &refused), kBadParameterErr);
  EXPECT_EQ(Create("Small", 0, 10, 1, &refused), kBadParameterErr);
  EXPECT_EQ(Create("Stateless", 10, 10, 0, &refused), kBadParameterErr);
  EXPECT_EQ(refused, nullptr);
  EXPECT_EQ(Violations(), 3) << Transcript();
  // A failure the script arms comes before anything is made.
  RunLines("fail Create");
  EXPECT_EQ(Create("Third", 10, 10, 1, &refused), FourCharCode("FAIL"));
  EXPECT_EQ(docks_.LiveCount(), 2u);
}

TEST_F(PanelTest, ShowingAndHidingTellThePluginOncePerChange) {
  const AIPanelRef panel = Make("Road", 100, 100, false);
  const HWND dock = Dock(panel);
  EXPECT_EQ(suite_.Show(panel, 1), kNoErr);
  EXPECT_EQ(suite_.Show(panel, 1), kNoErr);
  EXPECT_TRUE(IsWindowVisible(dock));
  AIBoolean shown = 0;
  EXPECT_EQ(suite_.IsShown(panel, &shown), kNoErr);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(suite_.Show(panel, 0), kNoErr);
  EXPECT_EQ(suite_.Show(panel, 0), kNoErr);
  EXPECT_FALSE(IsWindowVisible(dock));
  EXPECT_EQ(Events(), (Texts{"shown", "hidden"}));
  EXPECT_TRUE(Has("panel callback: visibility changed (shown) -> 0")) << Transcript();
  EXPECT_EQ(Violations(), 0) << Transcript();
}

TEST_F(PanelTest, TheCloseBoxHidesThePanelBeforeTellingThePluginAndKeepsIt) {
  const AIPanelRef panel = Make("Road", 100, 100, false);
  suite_.Show(panel, 1);
  Events().clear();
  RunLines("panel close");
  EXPECT_EQ(Events(), (Texts{"hidden", "closed"}));
  EXPECT_TRUE(IsWindow(Dock(panel)));
  EXPECT_FALSE(IsWindowVisible(Dock(panel)));
  EXPECT_EQ(Violations(), 0) << Transcript();
  RunLines("panel close");  // a hidden panel has no close box to click
  EXPECT_EQ(Events().size(), 2u);
  EXPECT_EQ(Violations(), 1) << Transcript();
}

TEST_F(PanelTest, ResizingTheDockFillsThePlatformWindowAndKeepsTheMinimum) {
  const AIPanelRef panel = Make("Road", 100, 80, true);
  suite_.Show(panel, 1);
  Events().clear();
  RunLines("panel resize 200 150\npanel resize 200 150\npanel resize 10 10");
  EXPECT_EQ(Events(), (Texts{"size", "size"})) << Transcript();
  EXPECT_TRUE(Has("panel callback: size changed (200x150) -> 0")) << Transcript();
  EXPECT_TRUE(Has("panel: size 100x80")) << Transcript();
  EXPECT_EQ(ClientSize(Platform(panel)).cx, 100);
  EXPECT_EQ(ClientSize(Platform(panel)).cy, 80);
  EXPECT_EQ(Violations(), 0) << Transcript();

  // A fixed-size dock cannot be resized by the user.
  suite_.Destroy(panel);
  suite_.Show(Make("Fixed", 100, 80, false), 1);
  RunLines("panel resize 200 150");
  EXPECT_EQ(Violations(), 1) << Transcript();
}

TEST_F(PanelTest, DestroyTakesEveryWindowWithItAndLeavesTheReferenceStale) {
  const AIPanelRef panel = Make("Road", 100, 100, false);
  suite_.Show(panel, 1);
  const HWND platform = Platform(panel);
  const HWND dock = GetParent(platform);
  const HWND button = CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                      platform, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(button, nullptr);
  Events().clear();
  EXPECT_EQ(suite_.Destroy(panel), kNoErr);
  EXPECT_FALSE(IsWindow(dock));
  EXPECT_FALSE(IsWindow(platform));
  EXPECT_FALSE(IsWindow(button));
  EXPECT_TRUE(Events().empty()) << "a callback after Destroy";
  EXPECT_EQ(Violations(), 0) << Transcript();

  AIWindowRef window = nullptr;
  EXPECT_EQ(suite_.GetPlatformWindow(panel, &window), kStaleHandleErr);
  EXPECT_EQ(suite_.Show(panel, 1), kStaleHandleErr);
  EXPECT_EQ(suite_.Destroy(panel), kStaleHandleErr);
  EXPECT_EQ(suite_.IsShown(reinterpret_cast<AIPanelRef>(&window), nullptr), kStaleHandleErr);
  EXPECT_EQ(Violations(), 4) << Transcript();
  EXPECT_TRUE(Has("!! violation: GetPlatformWindow with a panel that is not live"));
  RunLines("panel");
  EXPECT_TRUE(Has("panel: none"));
}

TEST_F(PanelTest, IconsAre23PixelPngResourcesOfThePluginsModule) {
  const AIPanelRef panel = Make("Road", 120, 145, false);
  const std::uint32_t good[] = {101, 101};
  const std::uint32_t small[] = {102};
  const std::uint32_t otherType[] = {103};
  const std::uint32_t missing[] = {104};
  EXPECT_EQ(suite_.SetIconResourceIDs(panel, good, good, 1), kNoErr);
  EXPECT_EQ(Violations(), 0) << Transcript();
  EXPECT_EQ(suite_.SetIconResourceIDs(panel, good, small, 1), kBadParameterErr);
  EXPECT_EQ(suite_.SetIconResourceIDs(panel, otherType, good, 1), kBadParameterErr);
  EXPECT_EQ(suite_.SetIconResourceIDs(panel, missing, good, 1), kBadParameterErr);
  EXPECT_EQ(suite_.SetIconResourceIDs(panel, good, good, 0), kBadParameterErr);
  EXPECT_EQ(Violations(), 4) << Transcript();
  EXPECT_TRUE(
      Has("!! violation: SetIconResourceIDs: the icon 102 is a PNG image of 16x16 pixels, not "
          "23x23"))
      << Transcript();
  // The lists refused did not replace the good one.
  RunLines("panel");
  EXPECT_TRUE(
      Has("panel: hidden, \"重ね線\", size 120x145, minimum 120x145, fixed size, icons 101/101"))
      << Transcript();
  EXPECT_EQ(suite_.SetIconResourceIDs(panel, good, good, 2), kNoErr);
  RunLines("panel");
  EXPECT_TRUE(
      Has("panel: hidden, \"重ね線\", size 120x145, minimum 120x145, fixed size, icons "
          "101/101 101/101"))
      << Transcript();
}

TEST_F(PanelTest, WhatThePluginLeavesAtShutdownIsReportedAndItsWindowsGo) {
  const HWND dock = Dock(Make("Road", 100, 100, false));
  AIPanelFlyoutMenuRef menu = nullptr;
  ASSERT_EQ(menus_.Create(&menu), kNoErr);
  testing_support::gTestGuiCounts = {0, 1, 0, 2, 0, 0, 0};
  RunLines("gdi\nshutdown");
  EXPECT_TRUE(Has("gdi: windows 0, fonts 1, bitmaps 0, brushes 2, pens 0, dcs 0, cursors 0"))
      << Transcript();
  const long counts = Find(
      "!! violation: the plug-in still holds 1 font(s), 2 brush(es) after the application shut "
      "down");
  const long shutdown = Find("send \"SP Interface\" \"Shutdown\" -> 0");
  const long panel = Find("!! violation: the panel \"Road\" was never destroyed by the plug-in");
  EXPECT_TRUE(counts >= 0 && shutdown > counts && panel > shutdown) << Transcript();
  EXPECT_TRUE(Has("!! violation: 1 flyout menu(s) never destroyed by the plug-in")) << Transcript();
  EXPECT_EQ(Violations(), 3) << Transcript();
  EXPECT_FALSE(IsWindow(dock));
}

}  // namespace
