// Drives the plug-in's modal dialogs the way a user would. The script queues actions; a CBT
// hook on the host's thread notices when a dialog activates, and the actions then run against
// its controls one at a time, through real window messages, from the dialog's own message loop.
// A dialog left open with nothing queued is a violation and is cancelled, so that a session
// never hangs.
#pragma once

#include <windows.h>

#include <deque>
#include <filesystem>
#include <string>

#include "host/core/Session.h"

namespace host {

class DialogAutomation {
 public:
  // Installs the hook for the calling thread; one automation at a time.
  explicit DialogAutomation(Host& host);
  ~DialogAutomation();
  DialogAutomation(const DialogAutomation&) = delete;
  DialogAutomation& operator=(const DialogAutomation&) = delete;

  // The "dialog" command of session scripts.
  void AddCommands(Session& session);
  // Each queued action that no dialog took is a violation; the queue is cleared.
  void CheckAllUsed();

 private:
  enum class Kind { kType, kClick, kOk, kCancel, kEscape, kClose, kRecord, kLayout, kScreenshot };
  struct Action {
    Kind kind;
    int id = 0;
    std::string text;
    std::filesystem::path file;  // of a screenshot
    std::string words;           // as the script wrote it, for the transcript
  };

  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK OnTimerWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::string Queue(const Session& session, const Words& words);
  void Arm();
  void Step();
  void Perform(const Action& action);
  void Press(int id, const std::string& what);
  void Cancel();
  void Record();
  void Layout();
  void Screenshot(const Action& action);
  HWND Control(int id, const std::string& what);

  static DialogAutomation* current_;
  Host& host_;
  HHOOK hook_ = nullptr;
  HWND timerWindow_ = nullptr;
  HWND dialog_ = nullptr;  // the dialog the actions run against
  std::string caption_;
  bool shown_ = false;  // seen visible, so that hiding means it has ended
  int waits_ = 0;       // steps waited for it to become visible
  std::deque<Action> queue_;
};

}  // namespace host
