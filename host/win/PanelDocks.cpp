#include "host/win/PanelDocks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "host/core/Faultable.h"
#include "host/win/WideText.h"

namespace host {
namespace {

constexpr wchar_t kDockClass[] = L"LaneWorksPanelDock";
constexpr wchar_t kPlatformClass[] = L"LaneWorksPanel";
constexpr int kIconSize = 23;
// Where the first dock appears on the screen; later ones are offset so none hides another.
constexpr int kDockLeft = 40;
constexpr int kDockTop = 40;
constexpr int kDockOffset = 32;

bool ValidMinimum(const AISize& size) {
  auto valid = [](AIReal value) { return std::isfinite(value) && value > 0 && value <= 4096; };
  return valid(size.width) && valid(size.height);
}

// The platform window's smallest size in whole pixels.
SIZE MinimumClient(const PanelDocks::Panel& panel) {
  return {static_cast<LONG>(std::ceil(panel.minimum.width)),
          static_cast<LONG>(std::ceil(panel.minimum.height))};
}

std::string SizeText(SIZE size) {
  return std::to_string(size.cx) + "x" + std::to_string(size.cy);
}

std::uint32_t BigEndian32(const unsigned char* bytes) {
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
         (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

// Why resource id of module is not a PNG icon of the panel's size; empty when it is one. The
// image's size is read from its header chunk, which a PNG file has first.
std::string IconProblem(HMODULE module, std::uint32_t id) {
  if (id == 0 || id > 0xFFFF) return "is not a resource id";
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNGI");
  if (resource == nullptr) return "names no \"PNGI\" resource of the plug-in's module";
  HGLOBAL loaded = LoadResource(module, resource);
  const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
  static constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes == nullptr || SizeofResource(module, resource) < 24 ||
      std::memcmp(bytes, kSignature, sizeof kSignature) != 0 ||
      std::memcmp(bytes + 12, "IHDR", 4) != 0) {
    return "is not a PNG image";
  }
  const std::uint32_t width = BigEndian32(bytes + 16);
  const std::uint32_t height = BigEndian32(bytes + 20);
  if (width == kIconSize && height == kIconSize) return "";
  return "is a PNG image of " + std::to_string(width) + "x" + std::to_string(height) +
         " pixels, not 23x23";
}

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);  // fails harmlessly when an earlier session registered it
}

std::string RealText(AIReal value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace

PanelDocks* PanelDocks::current_ = nullptr;

// The suite's functions: each asks for an armed fault first, then for a live panel.
struct PanelSuiteFunctions {
  template <typename Body>
  static AIErr WithPanel(AIPanelRef panel, const char* function, Body body) {
    PanelDocks* docks = PanelDocks::current_;
    if (docks == nullptr) return kBadStateErr;
    PanelDocks::Panel* found = docks->Find(panel, function);
    if (found == nullptr) return kStaleHandleErr;
    return body(*docks, *found);
  }
  template <typename Result>
  static AIErr Answer(PanelDocks& docks, Result* out, Result value, const char* function) {
    if (out == nullptr) {
      docks.host_.transcript().Violation(std::string(function) + " with a null result pointer");
      return kBadParameterErr;
    }
    *out = value;
    return kNoErr;
  }
  template <typename Proc>
  static AIErr SetProc(AIPanelRef panel, const char* function, Proc PanelDocks::Procs::*member,
                       Proc proc) {
    return WithPanel(panel, function, [&](PanelDocks&, PanelDocks::Panel& found) {
      found.procs.*member = proc;
      return kNoErr;
    });
  }

  static AIErr Create(SPPluginRef plugin, AIUnicodeStringRef id, AIUnicodeStringRef title,
                      std::int16_t stateCount, const AISize* minimumSize, AIBoolean resizable,
                      AIPanelFlyoutMenuRef flyoutMenu, AIPanelUserData userData,
                      AIPanelRef* panel) {
    PanelDocks* docks = PanelDocks::current_;
    if (docks == nullptr) return kBadStateErr;
    return docks->Create(plugin, id, title, stateCount, minimumSize, resizable, flyoutMenu,
                         userData, panel);
  }
  static AIErr Destroy(AIPanelRef panel) {
    return WithPanel(panel, "Destroy", [panel](PanelDocks& docks, PanelDocks::Panel&) {
      docks.Destroy(panel);
      return kNoErr;
    });
  }
  static AIErr Show(AIPanelRef panel, AIBoolean show) {
    return WithPanel(panel, "Show", [panel, show](PanelDocks& docks, PanelDocks::Panel&) {
      docks.SetShown(panel, show != 0);
      return kNoErr;
    });
  }
  static AIErr IsShown(AIPanelRef panel, AIBoolean* isShown) {
    return WithPanel(panel, "IsShown", [isShown](PanelDocks& docks, PanelDocks::Panel& found) {
      return Answer<AIBoolean>(docks, isShown, found.shown ? 1 : 0, "IsShown");
    });
  }
  static AIErr GetUserData(AIPanelRef panel, AIPanelUserData* userData) {
    return WithPanel(panel, "GetUserData", [userData](PanelDocks& docks, PanelDocks::Panel& found) {
      return Answer(docks, userData, found.userData, "GetUserData");
    });
  }
  static AIErr SetUserData(AIPanelRef panel, AIPanelUserData userData) {
    return WithPanel(panel, "SetUserData", [userData](PanelDocks&, PanelDocks::Panel& found) {
      found.userData = userData;
      return kNoErr;
    });
  }
  static AIErr GetPlatformWindow(AIPanelRef panel, AIWindowRef* window) {
    return WithPanel(
        panel, "GetPlatformWindow", [window](PanelDocks& docks, PanelDocks::Panel& found) {
          return Answer<AIWindowRef>(docks, window, found.platform, "GetPlatformWindow");
        });
  }
  static AIErr SetFlyoutMenuPreVisibilityProc(AIPanelRef panel,
                                              AIPanelFlyoutMenuPreVisibilityProc proc) {
    return SetProc(panel, "SetFlyoutMenuPreVisibilityProc", &PanelDocks::Procs::flyoutOpening,
                   proc);
  }
  static AIErr SetFlyoutMenuProc(AIPanelRef panel, AIPanelFlyoutMenuProc proc) {
    return SetProc(panel, "SetFlyoutMenuProc", &PanelDocks::Procs::flyoutChosen, proc);
  }
  static AIErr SetVisibilityChangedNotifyProc(AIPanelRef panel,
                                              AIPanelVisibilityChangedNotifyProc proc) {
    return SetProc(panel, "SetVisibilityChangedNotifyProc", &PanelDocks::Procs::visibilityChanged,
                   proc);
  }
  static AIErr SetSizeChangedNotifyProc(AIPanelRef panel, AIPanelSizeChangedNotifyProc proc) {
    return SetProc(panel, "SetSizeChangedNotifyProc", &PanelDocks::Procs::sizeChanged, proc);
  }
  static AIErr SetStateChangedNotifyProc(AIPanelRef panel, AIPanelStateChangedNotifyProc proc) {
    return SetProc(panel, "SetStateChangedNotifyProc", &PanelDocks::Procs::stateChanged, proc);
  }
  static AIErr SetClosedByUserNotifyProc(AIPanelRef panel, AIPanelClosedByUserNotifyProc proc) {
    return SetProc(panel, "SetClosedByUserNotifyProc", &PanelDocks::Procs::closedByUser, proc);
  }
  static AIErr SetIconResourceIDs(AIPanelRef panel, const std::uint32_t* iconIds,
                                  const std::uint32_t* rolloverIconIds, std::int32_t idCount) {
    return WithPanel(
        panel, "SetIconResourceIDs", [&](PanelDocks& docks, PanelDocks::Panel& found) -> AIErr {
          Transcript& transcript = docks.host_.transcript();
          if (idCount < 1 || idCount > 16 || iconIds == nullptr || rolloverIconIds == nullptr) {
            transcript.Violation("SetIconResourceIDs with " + std::to_string(idCount) +
                                 " id(s) or a null list");
            return kBadParameterErr;
          }
          const std::string file = docks.host_.PluginFilePath();
          HMODULE module = file.empty() ? nullptr : GetModuleHandleW(Widen(file).c_str());
          if (module == nullptr) {
            transcript.Violation("SetIconResourceIDs: the plug-in's module is not loaded");
            return kBadParameterErr;
          }
          const std::vector<std::uint32_t> icons(iconIds, iconIds + idCount);
          const std::vector<std::uint32_t> rollovers(rolloverIconIds, rolloverIconIds + idCount);
          for (const auto* list : {&icons, &rollovers}) {
            for (std::uint32_t id : *list) {
              const std::string problem = IconProblem(module, id);
              if (problem.empty()) continue;
              transcript.Violation("SetIconResourceIDs: the icon " + std::to_string(id) + " " +
                                   problem);
              return kBadParameterErr;
            }
          }
          found.icons = icons;
          found.rolloverIcons = rollovers;
          return kNoErr;
        });
  }
};

PanelDocks::PanelDocks(Host& host) : host_(host) {
  RegisterWindowClass(kDockClass, &DockProc, nullptr);
  // The plug-in subclasses the platform window: the host relies on nothing its procedure does.
  RegisterWindowClass(kPlatformClass, &DefWindowProcW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  current_ = this;
  host_.suites().Register(kAIPanelSuite, kAIPanelSuiteVersion, Suite());
  host_.AddWatcher(this);
}

PanelDocks::~PanelDocks() {
  host_.RemoveWatcher(this);
  for (AIPanelRef panel : std::vector(order_)) Destroy(panel);
  current_ = nullptr;
}

AIErr PanelDocks::Create(SPPluginRef plugin, AIUnicodeStringRef id, AIUnicodeStringRef title,
                         std::int16_t stateCount, const AISize* minimumSize, AIBoolean resizable,
                         AIPanelFlyoutMenuRef flyoutMenu, AIPanelUserData userData,
                         AIPanelRef* panel) {
  Transcript& transcript = host_.transcript();
  if (!host_.IsPlugin(plugin) || minimumSize == nullptr || panel == nullptr) {
    transcript.Violation(
        "Create of a panel with a bad plug-in reference, minimum size or result pointer");
    return kBadParameterErr;
  }
  Strings& strings = host_.strings();
  if (strings.Find(id, "Create") == nullptr || strings.Find(title, "Create") == nullptr)
    return kStaleHandleErr;
  const std::string idText = strings.Utf8(id, "Create");
  if (!ValidMinimum(*minimumSize) || stateCount < 1) {
    transcript.Violation("Create of the panel " + Quote(idText) + " with the minimum size " +
                         RealText(minimumSize->width) + "x" + RealText(minimumSize->height) +
                         " and " + std::to_string(stateCount) + " state(s)");
    return kBadParameterErr;
  }
  for (AIPanelRef other : order_) {
    if (Get(other)->id == idText) {
      transcript.Violation("Create of a second panel " + Quote(idText));
      return kBadParameterErr;
    }
  }
  if (flyoutMenu != nullptr && host_.flyoutMenus().Find(flyoutMenu, "Create") == nullptr)
    return kStaleHandleErr;

  Panel made{idText,
             strings.Utf8(title, "Create"),
             stateCount,
             *minimumSize,
             resizable != 0,
             flyoutMenu,
             userData,
             WindowOwner(),
             nullptr,
             Procs{},
             {},
             {},
             false,
             {}};
  made.client = MinimumClient(made);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
                      (made.resizable ? WS_THICKFRAME : 0);
  RECT frame = {0, 0, made.client.cx, made.client.cy};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOOLWINDOW);
  const int offset = kDockOffset * static_cast<int>(order_.size());
  made.dock.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kDockClass, Widen(made.title).c_str(), style,
                                  kDockLeft + offset, kDockTop + offset, frame.right - frame.left,
                                  frame.bottom - frame.top, static_cast<HWND>(host_.AppWindow()),
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
  if (made.dock.get() != nullptr) {
    made.platform = CreateWindowExW(0, kPlatformClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                    0, 0, made.client.cx, made.client.cy, made.dock.get(), nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  }
  if (made.platform == nullptr) {
    transcript.Line("Create: the host could not make the panel's windows (error " +
                    std::to_string(GetLastError()) + ")");
    return kBadStateErr;
  }
  // The frame the window system draws may differ from the estimate: the client area must fit.
  const SIZE dockSize = DockSizeFor(made, made.client);
  SetWindowPos(made.dock.get(), nullptr, 0, 0, dockSize.cx, dockSize.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  GetClientRect(made.dock.get(), &client);
  made.client = {client.right, client.bottom};
  MoveWindow(made.platform, 0, 0, client.right, client.bottom, FALSE);

  HWND dock = made.dock.get();
  *panel = panels_.Add(std::move(made));
  order_.push_back(*panel);
  // The dock finds its panel by the handle's value, so a destroyed panel is never reached.
  SetWindowLongPtrW(dock, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(*panel));
  return kNoErr;
}

void PanelDocks::Destroy(AIPanelRef handle) {
  Panel* panel = Get(handle);
  if (panel == nullptr) return;
  // Destroyed once the panel is forgotten, so that no message of its end reaches a callback.
  WindowOwner dock(panel->dock.release());
  panels_.Remove(handle);
  order_.erase(std::remove(order_.begin(), order_.end(), handle), order_.end());
}

PanelDocks::Panel* PanelDocks::Find(AIPanelRef handle, const char* function) {
  Panel* panel = Get(handle);
  if (panel == nullptr)
    host_.transcript().Violation(std::string(function) + " with a panel that is not live");
  return panel;
}

SIZE PanelDocks::DockSizeFor(const Panel& panel, SIZE client) const {
  RECT window, inside;
  GetWindowRect(panel.dock.get(), &window);
  GetClientRect(panel.dock.get(), &inside);
  return {client.cx + (window.right - window.left) - inside.right,
          client.cy + (window.bottom - window.top) - inside.bottom};
}

void PanelDocks::AsUser(const std::function<void()>& action) {
  // Callbacks inside a message, or inside another callback, are that one's business.
  const bool outermost = depth_ == 0 && !host_.InMessage();
  const int contexts = host_.contexts().Depth();
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(++d) {}
    ~Depth() { --depth; }
  };
  struct UserEvent {
    Host& host;
    explicit UserEvent(Host& h) : host(h) { host.EnterUserEvent(); }
    ~UserEvent() { host.LeaveUserEvent(); }
  };
  {
    Depth inside(depth_);
    const UserEvent event(host_);
    action();
  }
  if (!outermost) return;
  if (host_.contexts().Depth() != contexts) host_.contexts().CheckBalanced("after a panel event");
  host_.SendEditNotifications();
}

void PanelDocks::Fire(const std::string& what, const std::function<AIErr()>& call) {
  AsUser([&] {
    const AIErr result = call();
    host_.transcript().Line("panel callback: " + what + " -> " + FormatCode(result));
  });
}

void PanelDocks::SetShown(AIPanelRef handle, bool shown) {
  Panel* panel = Get(handle);
  if (panel == nullptr || panel->shown == shown) return;
  panel->shown = shown;
  // Showing a panel leaves the keyboard focus where it was, as the host application does.
  ShowWindow(panel->dock.get(), shown ? SW_SHOWNA : SW_HIDE);
  panel = Get(handle);  // the window's messages may have reached the plug-in
  if (panel == nullptr || panel->procs.visibilityChanged == nullptr) return;
  const auto proc = panel->procs.visibilityChanged;
  Fire(std::string("visibility changed (") + (shown ? "shown" : "hidden") + ")",
       [=] { return proc(handle, shown ? 1 : 0); });
}

void PanelDocks::OpenFlyoutMenu(AIPanelRef handle) {
  Panel* panel = Get(handle);
  if (panel == nullptr || panel->procs.flyoutOpening == nullptr) return;
  const auto proc = panel->procs.flyoutOpening;
  Fire("flyout menu opening", [=] { return proc(handle); });
}

void PanelDocks::ChooseFlyoutItem(AIPanelRef handle, std::uint32_t itemId) {
  Panel* panel = Get(handle);
  if (panel == nullptr || panel->procs.flyoutChosen == nullptr) return;
  const auto proc = panel->procs.flyoutChosen;
  Fire("flyout item " + std::to_string(itemId) + " chosen", [=] { return proc(handle, itemId); });
}

void PanelDocks::ChangeState(AIPanelRef handle, std::int16_t state) {
  Panel* panel = Get(handle);
  if (panel == nullptr || panel->procs.stateChanged == nullptr) return;
  const auto proc = panel->procs.stateChanged;
  Fire("state changed (" + std::to_string(state) + ")", [=] { return proc(handle, state); });
}

void PanelDocks::OnSize(AIPanelRef handle) {
  Panel* panel = Get(handle);
  if (panel == nullptr) return;
  RECT client;
  GetClientRect(panel->dock.get(), &client);
  MoveWindow(panel->platform, 0, 0, client.right, client.bottom, TRUE);
  const SIZE size = {client.right, client.bottom};
  if (size.cx == panel->client.cx && size.cy == panel->client.cy) return;
  panel->client = size;
  if (panel->procs.sizeChanged == nullptr) return;
  const auto proc = panel->procs.sizeChanged;
  Fire("size changed (" + SizeText(size) + ")", [=] { return proc(handle); });
}

void PanelDocks::OnClose(AIPanelRef handle) {
  // The host hides the panel and tells the plug-in; the panel lives on until it is destroyed.
  SetShown(handle, false);
  Panel* panel = Get(handle);
  if (panel == nullptr || panel->procs.closedByUser == nullptr) return;
  const auto proc = panel->procs.closedByUser;
  Fire("closed by user", [=] { return proc(handle); });
}

LRESULT CALLBACK PanelDocks::DockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PanelDocks* self = current_;
  const auto handle = reinterpret_cast<AIPanelRef>(GetWindowLongPtrW(window, GWLP_USERDATA));
  Panel* panel = self != nullptr && handle != nullptr ? self->Get(handle) : nullptr;
  if (panel == nullptr || panel->dock.get() != window) {
    // A dock being made or destroyed: closing it is not the user's to do.
    return message == WM_CLOSE ? 0 : DefWindowProcW(window, message, wParam, lParam);
  }
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) self->OnSize(handle);
      return 0;
    case WM_CLOSE:
      self->OnClose(handle);
      return 0;
    case WM_GETMINMAXINFO: {
      // The user cannot make the platform window smaller than the panel's minimum.
      const SIZE smallest = self->DockSizeFor(*panel, MinimumClient(*panel));
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallest.cx, smallest.cy};
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void PanelDocks::BeforeCodeUnloaded() {
  for (AIPanelRef handle : std::vector(order_)) {
    host_.transcript().Violation("the panel " + Quote(Get(handle)->id) +
                                 " was never destroyed by the plug-in");
    Destroy(handle);
  }
}

const AIPanelSuite* PanelDocks::Suite() {
  using F = PanelSuiteFunctions;
  static const AIPanelSuite suite = {HOST_FAULTABLE(F::Create),
                                     HOST_FAULTABLE(F::Destroy),
                                     HOST_FAULTABLE(F::Show),
                                     HOST_FAULTABLE(F::IsShown),
                                     HOST_FAULTABLE(F::GetUserData),
                                     HOST_FAULTABLE(F::SetUserData),
                                     HOST_FAULTABLE(F::GetPlatformWindow),
                                     HOST_FAULTABLE(F::SetFlyoutMenuPreVisibilityProc),
                                     HOST_FAULTABLE(F::SetFlyoutMenuProc),
                                     HOST_FAULTABLE(F::SetVisibilityChangedNotifyProc),
                                     HOST_FAULTABLE(F::SetSizeChangedNotifyProc),
                                     HOST_FAULTABLE(F::SetStateChangedNotifyProc),
                                     HOST_FAULTABLE(F::SetClosedByUserNotifyProc),
                                     HOST_FAULTABLE(F::SetIconResourceIDs)};
  return &suite;
}

}  // namespace host
