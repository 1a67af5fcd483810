#include "host/win/PanelCommands.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>

#include "host/win/PanelReading.h"
#include "host/win/Screenshot.h"
#include "host/win/WideText.h"

namespace host {
namespace {

using Panel = PanelDocks::Panel;

// The panel's push buttons, in the order the plug-in makes them.
constexpr const char* kButtons[] = {"acquire", "delete", "create"};

// The thread's Ctrl key held down or up, as the plug-in reads it with GetKeyState, for the
// scope; the keyboard state is put back after.
class CtrlKey {
 public:
  explicit CtrlKey(bool down) {
    GetKeyboardState(saved_);
    BYTE keys[256];
    std::memcpy(keys, saved_, sizeof keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  CtrlKey(const CtrlKey&) = delete;
  CtrlKey& operator=(const CtrlKey&) = delete;
  ~CtrlKey() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256] = {};
};

bool ParseNumber(const std::string& word, int* value) {
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), *value);
  return error == std::errc() && end == word.data() + word.size();
}

std::string RealText(AIReal value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string Icons(const Panel& panel) {
  if (panel.icons.empty()) return "no icon";
  std::string text = "icons";
  for (std::size_t i = 0; i < panel.icons.size(); ++i)
    text += " " + std::to_string(panel.icons[i]) + "/" + std::to_string(panel.rolloverIcons[i]);
  return text;
}

class PanelCommands {
 public:
  PanelCommands(Session& session, PanelDocks& docks)
      : session_(session), host_(session.host()), docks_(docks) {}

  std::string RunPanel(const Words& a) {
    if (a.empty()) return Describe();
    AIPanelRef handle = docks_.First();
    if (handle == nullptr) return "the plug-in has no panel";
    const std::string& verb = a[0];
    if (verb == "click" && (a.size() == 2 || (a.size() == 3 && a[2] == "ctrl")))
      return Click(handle, a[1], a.size() == 3);
    if (verb == "focus" && a.size() == 1) return Focus(*docks_.Get(handle));
    if (verb == "preview" && a.size() == 1) return Preview(*docks_.Get(handle));
    if (!docks_.Get(handle)->shown) return "the panel is hidden: a user cannot reach it";
    if (verb == "close" && a.size() == 1) {
      host_.transcript().Line("panel: close box clicked");
      SendMessageW(docks_.Get(handle)->dock.get(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return "";
    }
    if (verb == "resize" && a.size() == 3) return Resize(handle, a[1], a[2]);
    if (verb == "screenshot" && a.size() == 2) return Screenshot(*docks_.Get(handle), a[1]);
    if (verb == "state" && a.size() == 2) return State(handle, a[1]);
    return "unknown panel action or wrong number of words";
  }

  std::string RunFlyout(const Words& a) {
    AIPanelRef handle = docks_.First();
    if (handle == nullptr) return "the plug-in has no panel";
    if (!docks_.Get(handle)->shown) return "the panel is hidden: a user cannot open its menu";
    if (a.empty()) return Open(handle);
    if (a.size() == 2 && a[0] == "choose") return Choose(handle, a[1]);
    return "nothing, or choose and an item's id or text, expected";
  }

 private:
  std::string Describe() {
    AIPanelRef handle = docks_.First();
    Transcript& transcript = host_.transcript();
    if (handle == nullptr) {
      transcript.Line("panel: none");
      return "";
    }
    const PanelDocks::Panel& panel = *docks_.Get(handle);
    RECT client;
    GetClientRect(panel.platform, &client);
    transcript.Line("panel: " + std::string(panel.shown ? "shown" : "hidden") + ", " +
                    Quote(panel.title) + ", size " + std::to_string(client.right) + "x" +
                    std::to_string(client.bottom) + ", minimum " + RealText(panel.minimum.width) +
                    "x" + RealText(panel.minimum.height) + ", " +
                    (panel.resizable ? "resizable" : "fixed size") + ", " + Icons(panel));
    for (const std::string& line : DescribeControls(panel.platform)) transcript.Line(line);
    return "";
  }

  std::string Click(AIPanelRef handle, const std::string& which, bool ctrl) {
    std::size_t index = 0;
    while (index < std::size(kButtons) && which != kButtons[index]) ++index;
    if (index == std::size(kButtons)) return "acquire, delete or create expected";
    const std::vector<HWND> buttons = PushButtons(docks_.Get(handle)->platform);
    if (index >= buttons.size()) {
      return "the panel has no " + which + " button (" + std::to_string(buttons.size()) +
             " push buttons)";
    }
    HWND button = buttons[index];
    const std::string text = WindowText(button);
    // A user cannot click what is disabled or not shown; BM_CLICK would click it all the same.
    if (!IsWindowEnabled(button) || !IsWindowVisible(button)) {
      host_.transcript().Violation("the panel's button " + Quote(text) + " is " +
                                   (IsWindowEnabled(button) ? "hidden" : "disabled") +
                                   ": not clicked");
      return "";
    }
    host_.transcript().Line("clicked " + Quote(text) + (ctrl ? " (ctrl)" : ""));
    docks_.AsUser([button, ctrl] {
      CtrlKey key(ctrl);
      SendMessageW(button, BM_CLICK, 0, 0);
    });
    return "";
  }

  std::string Focus(const PanelDocks::Panel& panel) {
    HWND focus = GetFocus();
    std::string what = "other";
    if (focus == nullptr) {
      what = "none";
    } else if (focus == static_cast<HWND>(host_.AppWindow())) {
      what = "the host's main window";
    } else if (focus == panel.platform) {
      what = "the panel";
    } else if (focus == panel.dock.get()) {
      what = "the panel's dock";
    } else if (IsChild(panel.platform, focus)) {
      what = ClassName(focus) + " " + Quote(WindowText(focus));
    }
    host_.transcript().Line("focus: " + what);
    return "";
  }

  std::string Resize(AIPanelRef handle, const std::string& widthWord,
                     const std::string& heightWord) {
    int width = 0;
    int height = 0;
    if (!ParseNumber(widthWord, &width) || !ParseNumber(heightWord, &height) || width < 1 ||
        height < 1 || width > 4096 || height > 4096) {
      return "a width and a height in pixels expected";
    }
    const PanelDocks::Panel& panel = *docks_.Get(handle);
    if (!panel.resizable) return "the panel has a fixed size";
    // The dock keeps the panel's minimum, as it does when the user drags its frame.
    const SIZE dock = docks_.DockSizeFor(panel, {width, height});
    SetWindowPos(panel.dock.get(), nullptr, 0, 0, dock.cx, dock.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (const PanelDocks::Panel* resized = docks_.Get(handle)) {
      RECT client;
      GetClientRect(resized->platform, &client);
      host_.transcript().Line("panel: size " + std::to_string(client.right) + "x" +
                              std::to_string(client.bottom));
    }
    return "";
  }

  std::string Screenshot(const PanelDocks::Panel& panel, const std::string& file) {
    SIZE size = {};
    const std::string problem = WriteWindowPicture(panel.dock.get(), session_.Output(file), &size);
    if (!problem.empty()) return "no screenshot: " + problem;
    host_.transcript().Line("panel screenshot " + Quote(file) + ": " + std::to_string(size.cx) +
                            "x" + std::to_string(size.cy));
    return "";
  }

  std::string Preview(const PanelDocks::Panel& panel) {
    HWND box = FindPreviewBox(panel.platform);
    if (box == nullptr) {
      host_.transcript().Line("preview: none");
      return "";
    }
    const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(box, STM_GETIMAGE, IMAGE_BITMAP, 0));
    const std::vector<std::string> lines = DescribeBitmap(bitmap);
    host_.transcript().Line("preview: " + lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) host_.transcript().Line(lines[i]);
    return "";
  }

  std::string State(AIPanelRef handle, const std::string& word) {
    int state = 0;
    const int count = docks_.Get(handle)->stateCount;
    if (!ParseNumber(word, &state) || state < 0 || state >= count)
      return "a state from 0 to " + std::to_string(count - 1) + " expected";
    docks_.ChangeState(handle, static_cast<std::int16_t>(state));
    return "";
  }

  // The menu the panel shows; null (with a violation) when the plug-in destroyed it.
  const FlyoutMenus::Menu* ShownMenu(AIPanelRef handle) {
    const PanelDocks::Panel* panel = docks_.Get(handle);
    if (panel == nullptr || panel->flyoutMenu == nullptr) return nullptr;
    const FlyoutMenus::Menu* menu = host_.flyoutMenus().Get(panel->flyoutMenu);
    if (menu == nullptr)
      host_.transcript().Violation("the panel shows a flyout menu that is no longer live");
    return menu;
  }

  std::string Open(AIPanelRef handle) {
    if (docks_.Get(handle)->flyoutMenu == nullptr) return "the panel has no flyout menu";
    docks_.OpenFlyoutMenu(handle);
    const FlyoutMenus::Menu* menu = ShownMenu(handle);
    if (menu == nullptr) return "";
    Transcript& transcript = host_.transcript();
    transcript.Line(menu->empty() ? "flyout menu: empty" : "flyout menu:");
    for (const FlyoutMenus::Entry& entry : *menu) {
      transcript.Line(entry.separator ? "| ---"
                                      : "| " + std::to_string(entry.id) + " " + Quote(entry.text) +
                                            (entry.enabled ? " enabled" : " disabled"));
    }
    return "";
  }

  std::string Choose(AIPanelRef handle, const std::string& word) {
    if (docks_.Get(handle)->flyoutMenu == nullptr) return "the panel has no flyout menu";
    // The user opens the menu to choose from it: the plug-in hears of it first.
    docks_.OpenFlyoutMenu(handle);
    const FlyoutMenus::Menu* menu = ShownMenu(handle);
    if (menu == nullptr) return "";
    int id = -1;
    const bool byId = ParseNumber(word, &id) && id >= 0;
    for (const FlyoutMenus::Entry& entry : *menu) {
      if (byId ? entry.id != static_cast<std::uint32_t>(id) : entry.text != word) continue;
      if (entry.separator || !entry.enabled) {
        host_.transcript().Violation(
            "the flyout menu's " +
            (entry.separator ? "separator " + word + " cannot be chosen"
                             : "item " + Quote(entry.text) + " is disabled: not chosen"));
        return "";
      }
      docks_.ChooseFlyoutItem(handle, entry.id);
      return "";
    }
    host_.transcript().Violation("the flyout menu has no item " + Quote(word));
    return "";
  }

  Session& session_;
  Host& host_;
  PanelDocks& docks_;
};

}  // namespace

void AddPanelCommands(Session& session, PanelDocks& docks) {
  auto commands = std::make_shared<PanelCommands>(session, docks);
  session.Add("panel",
              "[click acquire|delete|create [ctrl] | focus | close | resize W H | "
              "screenshot FILE | preview | state N]",
              [commands](const Words& a) { return commands->RunPanel(a); });
  session.Add("flyout", "[choose ID|\"TEXT\"]",
              [commands](const Words& a) { return commands->RunFlyout(a); });
}

}  // namespace host
