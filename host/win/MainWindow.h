// The host's main window: a real top-level window that owns the plug-in's dialogs and panels.
// Hidden unless the session asks to show it.
#pragma once

#include <windows.h>

namespace host {

class MainWindow {
 public:
  MainWindow();
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND handle() const { return window_; }
  void Show(bool visible);

 private:
  HWND window_ = nullptr;
};

}  // namespace host
