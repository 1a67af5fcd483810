#include "host/win/MainWindow.h"

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"LaneWorksHeadlessHost";

void RegisterWindowClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  registered = RegisterClassExW(&windowClass) != 0;
}

}  // namespace

MainWindow::MainWindow() {
  RegisterWindowClass();
  window_ = CreateWindowExW(0, kClassName, L"LaneWorks headless host", WS_OVERLAPPEDWINDOW, 0, 0,
                            1024, 768, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void MainWindow::Show(bool visible) {
  if (window_ != nullptr) ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
}

}  // namespace host
