#include "panel/CMvPanel.h"

#include "frame/ResourceModule.h"
#include "frame/SuiteTables.h"
#include "panel/HostCallGuard.h"

namespace {

// The window property that leads the shared window procedure to its panel.
constexpr wchar_t kPanelProperty[] = L"TPNL";

// The panel object a host callback is meant for; null (with the host's code) when the host
// cannot give it.
ASErr PanelOf(AIPanelRef panel, CMvPanel** object) {
  AIPanelUserData data = nullptr;
  const ASErr error = sAIPanel->GetUserData(panel, &data);
  *object = error == kNoErr ? static_cast<CMvPanel*>(data) : nullptr;
  return error;
}

// Calls operation on the panel of a host callback; the host's code when it cannot give it.
template <typename Operation>
ASErr Forward(AIPanelRef panel, Operation&& operation) noexcept {
  return GuardedCall([&]() -> ASErr {
    CMvPanel* object = nullptr;
    if (ASErr error = PanelOf(panel, &object); error != kNoErr) return error;
    if (object != nullptr) operation(*object);
    return kNoErr;
  });
}

AIErr PanelOnFlyoutMenuPreVisibility(AIPanelRef panel) {
  return Forward(panel, [](CMvPanel& object) { object.OnFlyoutMenuPreVisibility(); });
}
AIErr PanelOnFlyoutMenu(AIPanelRef panel, std::uint32_t itemId) {
  return Forward(panel, [itemId](CMvPanel& object) { object.OnFlyoutMenuItem(itemId); });
}
AIErr PanelOnVisibilityChanged(AIPanelRef panel, AIBoolean visible) {
  return Forward(panel, [visible](CMvPanel& object) { object.OnVisibilityChanged(visible != 0); });
}
AIErr PanelOnSizeChanged(AIPanelRef panel) {
  return Forward(panel, [](CMvPanel& object) { object.OnSizeChanged(); });
}
AIErr PanelOnStateChanged(AIPanelRef panel, std::int16_t state) {
  return Forward(panel, [state](CMvPanel& object) { object.OnStateChanged(state); });
}
AIErr PanelOnClosedByUser(AIPanelRef panel) {
  return Forward(panel, [](CMvPanel& object) { object.OnClosedByUser(); });
}

std::uint8_t Channel(AIReal component) {
  // Truncated toward zero, low 8 bits kept; components outside 0 to 1 wrap, as they always have.
  return static_cast<std::uint8_t>(static_cast<std::int32_t>(component * 255.0) & 0xFF);
}

}  // namespace

CMvPanel::CMvPanel(SPPluginRef pluginRef) : pluginRef_(pluginRef) {}

CMvPanel::~CMvPanel() {
  DestroyPanel();
}

ASErr CMvPanel::Create() {
  if (ASErr error = SetupPanelParameters(); error != kNoErr) return error;
  if (ASErr error =
          sAIPanel->Create(pluginRef_, panelId_.handle(), panelTitle_.handle(), stateCount_,
                           &minimumSize_, resizable_, flyoutMenu_, this, &panel_);
      error != kNoErr) {
    panel_ = nullptr;
    return error;
  }
  AIWindowRef window = nullptr;
  if (ASErr error = sAIPanel->GetPlatformWindow(panel_, &window); error != kNoErr) return error;
  window_ = static_cast<HWND>(window);
  if (ASErr error = FindPluginModule(pluginRef_, &module_); error != kNoErr) return error;
  if (ASErr error =
          sAIPanel->SetFlyoutMenuPreVisibilityProc(panel_, &PanelOnFlyoutMenuPreVisibility);
      error != kNoErr) {
    return error;
  }
  if (ASErr error = sAIPanel->SetFlyoutMenuProc(panel_, &PanelOnFlyoutMenu); error != kNoErr)
    return error;
  CreateControls();
  Subclass();
  if (ASErr error = RegisterEventCallbacks(); error != kNoErr) return error;
  if (ASErr error = sAIPanel->SetUserData(panel_, this); error != kNoErr) return error;
  // The theme is read now too: otherwise static texts are painted with the constructor's
  // colours (black on black) until the user first switches the theme.
  OnUIBrightnessChanged();
  return Show(true);
}

ASErr CMvPanel::RegisterEventCallbacks() {
  if (ASErr error = sAIPanel->SetVisibilityChangedNotifyProc(panel_, &PanelOnVisibilityChanged))
    return error;
  if (ASErr error = sAIPanel->SetSizeChangedNotifyProc(panel_, &PanelOnSizeChanged)) return error;
  if (ASErr error = sAIPanel->SetStateChangedNotifyProc(panel_, &PanelOnStateChanged)) return error;
  return sAIPanel->SetClosedByUserNotifyProc(panel_, &PanelOnClosedByUser);
}

void CMvPanel::Subclass() {
  // The property is in place before the procedure can run, and goes only after it is restored.
  SetPropW(window_, kPanelProperty, this);
  previousWindowProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CMvPanel::WindowProc)));
  subclassed_ = true;
}

void CMvPanel::Unsubclass() {
  if (!subclassed_) return;
  RemovePropW(window_, kPanelProperty);
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc_));
  subclassed_ = false;
}

void CMvPanel::DestroyPanel() {
  if (panel_ == nullptr) return;
  Unsubclass();
  sAIPanel->Destroy(panel_);
  if (window_ != nullptr) {
    // The host's Destroy normally takes the window with it.
    if (IsWindow(window_)) DestroyWindow(window_);
    staticBrush_.reset();
  }
  window_ = nullptr;
  panel_ = nullptr;
}

ASErr CMvPanel::Show(bool show) {
  return sAIPanel->Show(panel_, show);
}

bool CMvPanel::IsShown() {
  AIBoolean shown = false;
  return sAIPanel->IsShown(panel_, &shown) == kNoErr && shown != 0;
}

ASErr CMvPanel::OnUIBrightnessChanged() {
  const struct {
    std::int32_t kind;
    AIUIThemeColor* color;
  } colors[] = {{kAIUIBackgroundColor, &backgroundColor_},
                {kAIUITextColor, &textColor_},
                {kAIUIBorderColor, &borderColor_},
                {kAIUIEditBackgroundColor, &editBackgroundColor_}};
  for (const auto& [kind, color] : colors) {
    if (ASErr error = sAIUserInterfaceTheme->GetUIComponentColor(kAIUIComponentPanel, kind, color))
      return error;
  }
  return kNoErr;
}

ASErr CMvPanel::SetupPanelParameters() {
  minimumSize_ = AISize{240, 320};
  resizable_ = true;
  panelId_.assign("MvPanelID");
  panelTitle_.assign("MvPanel");
  stateCount_ = 1;
  return sAIPanelFlyoutMenu->Create(&flyoutMenu_);
}

ASErr CMvPanel::CreateControls() {
  return kNoErr;
}

void CMvPanel::OnFlyoutMenuItem(std::uint32_t) {}
void CMvPanel::OnFlyoutMenuPreVisibility() {}
void CMvPanel::OnVisibilityChanged(bool) {}
void CMvPanel::OnSizeChanged() {}
void CMvPanel::OnStateChanged(std::int16_t) {}
void CMvPanel::OnClosedByUser() {}

COLORREF CMvPanel::NativeColor(const AIUIThemeColor& color) {
  return RGB(Channel(color.red), Channel(color.green), Channel(color.blue));
}

bool CMvPanel::HandleWindowMessage(LRESULT* result, HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_CTLCOLORSTATIC) return false;
  const auto dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, NativeColor(textColor_));
  SetBkMode(dc, TRANSPARENT);
  // One brush at a time: the one handed out before is no longer painted with.
  staticBrush_.reset();
  staticBrush_ = UniqueBrush(CreateSolidBrush(NativeColor(backgroundColor_)));
  *result = reinterpret_cast<LRESULT>(staticBrush_.get());
  return true;
}

LRESULT CALLBACK CMvPanel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* panel = static_cast<CMvPanel*>(GetPropW(window, kPanelProperty));
  if (panel == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  const WNDPROC previous = panel->previousWindowProc_;
  if (message == WM_NCDESTROY) {
    // The window goes without the panel's asking (the host destroyed it): stop routing, so that
    // the panel never touches a window that is gone.
    panel->Unsubclass();
    panel->window_ = nullptr;
    return previous != nullptr ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
  }
  LRESULT result = 0;
  bool handled = false;
  GuardedCall([&]() -> ASErr {
    handled = panel->HandleWindowMessage(&result, window, message, wParam, lParam);
    return kNoErr;
  });
  if (handled) return result;
  return previous != nullptr ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
}
