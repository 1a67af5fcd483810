#include "host/win/DialogAutomation.h"

#include <cmath>

#include "host/win/DialogTemplates.h"
#include "host/win/Screenshot.h"
#include "host/win/WideText.h"

namespace host {
namespace {

constexpr UINT kStepDelay = USER_TIMER_MINIMUM;
constexpr UINT_PTR kStepTimer = 1;
constexpr wchar_t kTimerWindowClass[] = L"LaneWorksDialogAutomation";
constexpr int kMaxWaits = 500;  // steps, about five seconds

bool IsDialog(HWND window) {
  return ClassName(window) == "#32770";
}

int ControlId(HWND control) {
  return static_cast<short>(GetDlgCtrlID(control));  // static texts have -1
}

bool ParseId(const std::string& word, int* id) {
  if (word.empty() || word.size() > 5 || word.find_first_not_of("0123456789") != std::string::npos)
    return false;
  *id = std::stoi(word);
  return true;
}

// The words for a control's template styles.
std::string StyleWords(DWORD style, DWORD exStyle, const std::string& className) {
  std::string words;
  auto add = [&words](const char* word) { words += std::string(" ") + word; };
  if (className == "Button") {
    switch (style & BS_TYPEMASK) {
      case BS_DEFPUSHBUTTON:
        add("default");
        break;
      case BS_PUSHBUTTON:
        add("push");
        break;
      case BS_AUTORADIOBUTTON:
        add("autoradio");
        break;
      case BS_GROUPBOX:
        add("groupbox");
        break;
      default:
        add("button-type");
        words += std::to_string(style & BS_TYPEMASK);
    }
  } else if (className == "Static") {
    if ((style & SS_TYPEMASK) == SS_RIGHT) add("right");
  } else if (className == "Edit") {
    if (style & ES_AUTOHSCROLL) add("autohscroll");
  }
  if ((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE)) add("border");
  if (style & WS_TABSTOP) add("tabstop");
  if (style & WS_GROUP) add("group");
  return words;
}

}  // namespace

DialogAutomation* DialogAutomation::current_ = nullptr;

DialogAutomation::DialogAutomation(Host& host) : host_(host) {
  current_ = this;
  // The steps are timer messages of a window of its own, which the dialog's loop dispatches.
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &OnTimerWindow;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kTimerWindowClass;
  RegisterClassExW(&windowClass);  // fails harmlessly when registered by an earlier session
  timerWindow_ = CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  hook_ = SetWindowsHookExW(WH_CBT, &OnCbt, nullptr, GetCurrentThreadId());
}

DialogAutomation::~DialogAutomation() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  if (timerWindow_ != nullptr) DestroyWindow(timerWindow_);
  current_ = nullptr;
}

LRESULT CALLBACK DialogAutomation::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  DialogAutomation* self = current_;
  if (self != nullptr && code == HCBT_ACTIVATE) {
    const auto window = reinterpret_cast<HWND>(wParam);
    // A dialog that is already being driven may activate again; it is not a new one.
    if (window != self->dialog_ && IsDialog(window)) {
      self->dialog_ = window;
      self->shown_ = false;
      self->waits_ = 0;
      self->caption_ = WindowText(window);
      self->host_.transcript().Line("dialog " + Quote(self->caption_) + " opens");
      // The actions run from the dialog's message loop, once it has been set up and shown.
      self->Arm();
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK DialogAutomation::OnTimerWindow(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  if (message != WM_TIMER || wParam != kStepTimer)
    return DefWindowProcW(window, message, wParam, lParam);
  KillTimer(window, kStepTimer);
  if (current_ != nullptr) current_->Step();
  return 0;
}

void DialogAutomation::Arm() {
  SetTimer(timerWindow_, kStepTimer, kStepDelay, nullptr);
}

void DialogAutomation::Step() {
  if (dialog_ == nullptr) return;
  // Activation comes before the dialog is visible; once it has been seen, hiding ends it.
  if (!IsWindow(dialog_) || (shown_ && !IsWindowVisible(dialog_))) {
    dialog_ = nullptr;
    return;
  }
  if (!IsWindowVisible(dialog_)) {
    if (++waits_ < kMaxWaits) return Arm();
    host_.transcript().Violation("dialog " + Quote(caption_) + " never became visible");
  }
  shown_ = true;
  if (queue_.empty()) {
    host_.transcript().Violation("dialog " + Quote(caption_) +
                                 " is open and the script queued no action for it: cancelled");
    Cancel();
    return;
  }
  const Action action = queue_.front();
  queue_.pop_front();
  host_.transcript().Line("dialog action: " + action.words);
  Perform(action);
  Arm();  // the next action, or the check that the dialog has ended
}

void DialogAutomation::Cancel() {
  SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog_, IDCANCEL)));
  if (IsWindow(dialog_) && IsWindowVisible(dialog_)) {
    host_.transcript().Violation("dialog " + Quote(caption_) + " stays open after Cancel: ended");
    EndDialog(dialog_, IDCANCEL);
  }
  dialog_ = nullptr;
}

HWND DialogAutomation::Control(int id, const std::string& what) {
  HWND control = GetDlgItem(dialog_, id);
  if (control == nullptr) {
    host_.transcript().Violation("dialog " + Quote(caption_) + " has no control " +
                                 std::to_string(id) + " to " + what);
    return nullptr;
  }
  // A user cannot reach a disabled control (BM_CLICK would click it all the same).
  if (!IsWindowEnabled(control) || !IsWindowVisible(control)) {
    host_.transcript().Violation("control " + std::to_string(id) + " of dialog " + Quote(caption_) +
                                 " is disabled or hidden: cannot " + what);
    return nullptr;
  }
  return control;
}

void DialogAutomation::Press(int id, const std::string& what) {
  if (HWND button = Control(id, what)) SendMessageW(button, BM_CLICK, 0, 0);
}

void DialogAutomation::Perform(const Action& action) {
  switch (action.kind) {
    case Kind::kType:
      if (HWND edit = Control(action.id, "type into it")) {
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        const std::wstring text = Widen(action.text);
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
      }
      break;
    case Kind::kClick:
      Press(action.id, "click it");
      break;
    case Kind::kOk:
      Press(IDOK, "press OK");
      break;
    case Kind::kCancel:
      Press(IDCANCEL, "press Cancel");
      break;
    case Kind::kEscape: {
      // Through the queue, so that the dialog manager turns the key into Cancel itself.
      HWND focus = GetFocus();
      HWND target =
          focus != nullptr && (focus == dialog_ || IsChild(dialog_, focus)) ? focus : dialog_;
      PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      PostMessageW(target, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001u));
      break;
    }
    case Kind::kClose:
      // A user can only click a close box the dialog has.
      if ((GetWindowLongPtrW(dialog_, GWL_STYLE) & WS_SYSMENU) == 0) {
        host_.transcript().Violation("dialog " + Quote(caption_) + " has no close box to click");
        break;
      }
      PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case Kind::kRecord:
      Record();
      break;
    case Kind::kLayout:
      Layout();
      break;
    case Kind::kScreenshot:
      Screenshot(action);
      break;
  }
}

void DialogAutomation::Record() {
  for (HWND control = GetWindow(dialog_, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    const std::string className = ClassName(control);
    std::string line = "control " + std::to_string(ControlId(control)) + " " + className + " " +
                       Quote(WindowText(control));
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (className == "Button" && type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) {
      line += SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? " checked" : " unchecked";
    }
    line += IsWindowEnabled(control) ? " enabled" : " disabled";
    host_.transcript().Line(line);
  }
}

void DialogAutomation::Layout() {
  // Pixels back to dialog units: exact, since the dialog's own rounding is below half a unit.
  RECT base = {0, 0, 400, 800};
  MapDialogRect(dialog_, &base);
  auto x = [&base](LONG pixels) { return std::lround(pixels * 400.0 / base.right); };
  auto y = [&base](LONG pixels) { return std::lround(pixels * 800.0 / base.bottom); };

  RECT client;
  GetClientRect(dialog_, &client);
  std::string font = "none";
  if (auto handle = reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0))) {
    LOGFONTW logFont = {};
    GetObjectW(handle, sizeof logFont, &logFont);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    font = Quote(Narrow(logFont.lfFaceName)) + " " +
           std::to_string(MulDiv(std::abs(logFont.lfHeight), 72, dpi));
  }
  // The styles are the template's, as the plug-in wrote them; the window's own change at run
  // time (the default button follows the focus).
  const auto module = reinterpret_cast<HMODULE>(GetWindowLongPtrW(dialog_, GWLP_HINSTANCE));
  const std::optional<DialogTemplate> made = FindDialogTemplate(module, Widen(caption_));
  if (!made) {
    host_.transcript().Violation("dialog " + Quote(caption_) +
                                 " was made from no extended template of its module");
    return;
  }
  const DWORD style = made->style;
  host_.transcript().Line(
      "layout dialog " + std::to_string(x(client.right)) + "x" + std::to_string(y(client.bottom)) +
      " font " + font + ((style & WS_CAPTION) == WS_CAPTION ? " caption" : "") +
      (style & WS_SYSMENU ? " sysmenu" : "") + (style & WS_POPUP ? " popup" : ""));
  // The dialog manager makes the controls in the template's order, each below the one before.
  std::size_t index = 0;
  for (HWND control = GetWindow(dialog_, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT), ++index) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
    const std::string className = ClassName(control);
    const int id = ControlId(control);
    std::string styles = " (not in the template)";
    if (index < made->controls.size() && made->controls[index].id == id) {
      styles = StyleWords(made->controls[index].style, made->controls[index].exStyle, className);
    }
    host_.transcript().Line("layout " + std::to_string(id) + " " + className + " " +
                            std::to_string(x(rect.left)) + "," + std::to_string(y(rect.top)) + " " +
                            std::to_string(x(rect.right - rect.left)) + "x" +
                            std::to_string(y(rect.bottom - rect.top)) + styles);
  }
}

void DialogAutomation::Screenshot(const Action& action) {
  SIZE size = {};
  const std::string problem = WriteWindowPicture(dialog_, action.file, &size);
  if (!problem.empty()) {
    host_.transcript().Line("no screenshot: " + problem);
    return;
  }
  host_.transcript().Line("dialog picture " + std::to_string(size.cx) + "x" +
                          std::to_string(size.cy));
}

std::string DialogAutomation::Queue(const Session& session, const Words& a) {
  if (a.empty()) return "an action expected";
  Action action{Kind::kRecord, 0, "", {}, ""};
  const std::string& verb = a[0];
  if (verb == "type" && a.size() == 3) {
    if (!ParseId(a[1], &action.id)) return "a control id expected";
    action.kind = Kind::kType;
    action.text = a[2];
    action.words = "type " + a[1] + " " + Quote(a[2]);
  } else if (verb == "click" && a.size() == 2) {
    if (!ParseId(a[1], &action.id)) return "a control id expected";
    action.kind = Kind::kClick;
    action.words = "click " + a[1];
  } else if (verb == "screenshot" && a.size() == 2) {
    action.kind = Kind::kScreenshot;
    action.file = session.Output(a[1]);
    action.words = "screenshot " + Quote(a[1]);
  } else if (a.size() == 1 && (verb == "ok" || verb == "cancel" || verb == "escape" ||
                               verb == "close" || verb == "record" || verb == "layout")) {
    action.kind = verb == "ok"       ? Kind::kOk
                  : verb == "cancel" ? Kind::kCancel
                  : verb == "escape" ? Kind::kEscape
                  : verb == "close"  ? Kind::kClose
                  : verb == "record" ? Kind::kRecord
                                     : Kind::kLayout;
    action.words = verb;
  } else {
    return "unknown action or wrong number of words";
  }
  queue_.push_back(std::move(action));
  return "";
}

void DialogAutomation::AddCommands(Session& session) {
  session.Add("dialog",
              "type ID \"TEXT\" | click ID | ok | cancel | escape | close | record | layout | "
              "screenshot FILE",
              [this, &session](const Words& a) { return Queue(session, a); });
}

void DialogAutomation::CheckAllUsed() {
  for (const Action& action : queue_)
    host_.transcript().Violation("dialog action " + Quote(action.words) +
                                 " was queued but no dialog took it");
  queue_.clear();
}

}  // namespace host
