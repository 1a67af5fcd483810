// The session's panel commands: what a user does to the plug-in's panel, and what the host
// shows of it.
#include <wincodec.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "host/win/Owners.h"
#include "host/win/WideText.h"
#include "tests/host/win/TestModule.h"

namespace {

using testing_support::PanelTest;
using Texts = std::vector<std::string>;

std::vector<std::string> gClicks;
WNDPROC gPanelProcedure = nullptr;

// The plug-in's side of its panel: the platform window, subclassed, hears its buttons. The
// delete button leaves an application context open, as a faulty click handler would.
LRESULT CALLBACK Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    gClicks.push_back(std::to_string(LOWORD(wParam)) +
                      (GetKeyState(VK_CONTROL) < 0 ? " ctrl" : ""));
    if (LOWORD(wParam) == 2) {
      AIAppContextHandle context = nullptr;
      host::Host::Current().contexts().Push(host::Host::Current().PluginRef(), &context);
    }
    return 0;
  }
  return CallWindowProcW(gPanelProcedure, window, message, wParam, lParam);
}

HWND AddControl(HWND parent, const wchar_t* className, const std::string& text, DWORD style, int id,
                int top) {
  return CreateWindowExW(0, className, host::Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                         top, 120, 24, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

AIPanelFlyoutMenuRef gMenu = nullptr;

// The plug-in rebuilds its menu as it opens.
AIErr DisableSecondItem(AIPanelRef) {
  PanelTest::Events().push_back("flyout opening");
  return host::FlyoutMenus::Suite()->SetItemEnabled(gMenu, 3, 0);
}

TEST_F(PanelTest, ClicksReachTheSubclassedPanelWithTheCtrlKeyAndNeverADisabledButton) {
  const AIPanelRef panel = Make("Road", 120, 145, false);
  suite_.Show(panel, 1);
  const HWND platform = Platform(panel);
  gPanelProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(platform, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclassed)));
  // A check box is not one of the panel's push buttons.
  AddControl(platform, L"BUTTON", "自動", BS_AUTOCHECKBOX, 9, 0);
  AddControl(platform, L"BUTTON", "設定取得", BS_PUSHBUTTON, 1, 24);
  AddControl(platform, L"BUTTON", "重なり削除", BS_PUSHBUTTON, 2, 48);
  EnableWindow(AddControl(platform, L"BUTTON", "作成", BS_PUSHBUTTON, 3, 72), FALSE);
  gClicks.clear();

  RunLines("panel click acquire ctrl\npanel click acquire\npanel click create");
  EXPECT_EQ(gClicks, (Texts{"1 ctrl", "1"}));
  EXPECT_GE(GetKeyState(VK_CONTROL), 0) << "the Ctrl key was left down";
  EXPECT_TRUE(Has("clicked \"設定取得\" (ctrl)")) << Transcript();
  EXPECT_TRUE(Has("!! violation: the panel's button \"作成\" is disabled: not clicked"));
  EXPECT_EQ(Violations(), 1) << Transcript();

  // What a click leaves open is caught as after a message.
  RunLines("panel click delete");
  EXPECT_TRUE(Has("!! violation: 1 application context(s) left open after a panel event"))
      << Transcript();

  // The focus follows the click; the plug-in gives it back to the host's (hidden) main window.
  RunLines("panel focus");
  EXPECT_TRUE(Has("focus: Button \"重なり削除\"")) << Transcript();
  SetFocus(window_.handle());
  RunLines("panel focus");
  EXPECT_TRUE(Has("focus: the host's main window")) << Transcript();

  RunLines("panel");
  EXPECT_TRUE(Has("| Button \"自動\" 0,0 120x24 style 50000003 enabled font none")) << Transcript();
  EXPECT_TRUE(Has("| Button \"作成\" 0,72 120x24 style 58000000 disabled font none"));
  SetWindowLongPtrW(platform, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPanelProcedure));
}

TEST_F(PanelTest, TheFlyoutMenuShowsWhatItsOpeningMadeAndOnlyEnabledItemsAreChosen) {
  ASSERT_EQ(menus_.Create(&gMenu), kNoErr);
  {
    const testing_support::HostText settings(host_, "環境設定...");
    const testing_support::HostText remove(host_, "履歴を消去");
    menus_.AppendItem(gMenu, 1, settings);
    menus_.AppendSeparator(gMenu, 2);
    menus_.AppendItem(gMenu, 3, remove);
  }
  const AIPanelRef panel = Make("Road", 100, 100, false, gMenu);
  suite_.SetFlyoutMenuPreVisibilityProc(panel, &DisableSecondItem);
  suite_.Show(panel, 1);
  Events().clear();

  RunLines("flyout");
  const long menu = Find("flyout menu:");
  ASSERT_GE(menu, 0) << Transcript();
  const auto& lines = host_.transcript().Lines();
  EXPECT_EQ(Texts(lines.begin() + menu + 1, lines.begin() + menu + 4),
            (Texts{"| 1 \"環境設定...\" enabled", "| ---", "| 3 \"履歴を消去\" disabled"}));
  RunLines("flyout choose \"環境設定...\"\nflyout choose 3\nflyout choose 2\nflyout choose 9");
  // Each choice opens the menu first, as a user's does.
  EXPECT_EQ(Events(), (Texts{"flyout opening", "flyout opening", "chose 1", "flyout opening",
                             "flyout opening", "flyout opening"}));
  EXPECT_EQ(Violations(), 3) << Transcript();

  // Only a shown panel's menu can be opened.
  suite_.Show(panel, 0);
  RunLines("flyout");
  EXPECT_EQ(Violations(), 4) << Transcript();
  suite_.Destroy(panel);
  menus_.Destroy(gMenu);
}

TEST_F(PanelTest, StateChangesStayWithinThePanelsStates) {
  suite_.Show(Make("Road", 100, 100, false, nullptr, 2), 1);
  Events().clear();
  RunLines("panel state 1\npanel state 2\npanel state -1");
  EXPECT_EQ(Events(), (Texts{"state 1"}));
  EXPECT_EQ(Violations(), 2) << Transcript();
}

TEST_F(PanelTest, ThePreviewIsTheBitmapOfTheStaticBitmapControlInRunsOfRows) {
  const AIPanelRef panel = Make("Road", 100, 100, false);
  const HWND platform = Platform(panel);
  RunLines("panel preview");
  EXPECT_TRUE(Has("preview: none"));

  // Two white-and-red rows, then a blue one (BGRA in memory).
  const std::uint32_t pixels[] = {0xFFFFFF, 0xFFFFFF, 0xFF0000, 0xFF0000, 0xFFFFFF, 0xFFFFFF,
                                  0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF};
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, 4, -3, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const host::ScreenDC screen;
  const host::GdiOwner<HBITMAP> bitmap(
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_NE(bits, nullptr);
  std::copy(std::begin(pixels), std::end(pixels), static_cast<std::uint32_t*>(bits));
  const HWND box = AddControl(platform, L"STATIC", "", SS_BITMAP, 5, 0);
  SendMessageW(box, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
  RunLines("panel preview");
  const long preview = Find("preview: 4x3");
  ASSERT_GE(preview, 0) << Transcript();
  const auto& lines = host_.transcript().Lines();
  EXPECT_EQ(Texts(lines.begin() + preview + 1, lines.end()),
            (Texts{"| 0-1: 2*ffffff 2*ff0000", "| 2: 4*0000ff"}));
  DestroyWindow(box);
}

// The colour of one pixel of a PNG file, as the system imaging component reads it back.
std::uint32_t PixelOf(const std::filesystem::path& file, UINT x, UINT y) {
  host::ComScope com;
  host::ComOwner<IWICImagingFactory> factory;
  host::ComOwner<IWICBitmapDecoder> decoder;
  host::ComOwner<IWICBitmapFrameDecode> frame;
  host::ComOwner<IWICFormatConverter> converter;
  std::uint32_t pixel = 0;
  const WICRect one = {static_cast<INT>(x), static_cast<INT>(y), 1, 1};
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, factory.outVoid())) ||
      FAILED(factory->CreateDecoderFromFilename(file.wstring().c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) ||
      FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->CopyPixels(&one, 4, 4, reinterpret_cast<BYTE*>(&pixel)))) {
    return 0;
  }
  return pixel;
}

TEST_F(PanelTest, TheScreenshotHoldsTheDocksPixelsAsTheScreenShowsThem) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "laneworks-panel-screenshot";
  std::filesystem::create_directories(folder);
  session_.SetFolders(".", folder);
  const AIPanelRef panel = Make("Road", 100, 80, false);
  RunLines("panel screenshot hidden.png");
  EXPECT_EQ(Violations(), 1) << "a hidden panel cannot be seen";

  suite_.Show(panel, 1);
  // The plug-in paints its panel in a colour of its own.
  const HWND platform = Platform(panel);
  const host::GdiOwner<HBRUSH> green(CreateSolidBrush(RGB(0, 160, 0)));
  SetClassLongPtrW(platform, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(green.get()));
  RunLines("panel screenshot panel.png");
  RECT rect, client;
  GetWindowRect(Dock(panel), &rect);
  GetClientRect(platform, &client);
  MapWindowPoints(platform, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const std::string size =
      std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
  EXPECT_TRUE(Has("panel screenshot \"panel.png\": " + size)) << Transcript();
  // The middle of the platform window, opaque.
  const std::uint32_t middle =
      PixelOf(folder / "panel.png", static_cast<UINT>((client.left + client.right) / 2 - rect.left),
              static_cast<UINT>((client.top + client.bottom) / 2 - rect.top));
  EXPECT_EQ(middle, 0xFF00A000u);
  SetClassLongPtrW(platform, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  std::filesystem::remove_all(folder);
}

}  // namespace
