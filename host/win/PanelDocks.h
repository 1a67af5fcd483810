// The host's panels over real windows. Each panel has a dock, a tool window owned by the host's
// main window and titled with the panel's title, whose client area is the panel's platform
// window: a plain child window that the plug-in fills with its controls and subclasses. The
// panel's callbacks fire on real events of the dock (shown, hidden, resized, closed with its
// close box) and on what the session does as a user (the flyout menu, a state change).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/core/HandleTable.h"
#include "host/core/Host.h"
#include "host/win/Owners.h"
#include "hostapi/AIPanel.h"

namespace host {

class PanelDocks : public ShutdownWatcher {
 public:
  struct Procs {
    AIPanelFlyoutMenuPreVisibilityProc flyoutOpening = nullptr;
    AIPanelFlyoutMenuProc flyoutChosen = nullptr;
    AIPanelVisibilityChangedNotifyProc visibilityChanged = nullptr;
    AIPanelSizeChangedNotifyProc sizeChanged = nullptr;
    AIPanelStateChangedNotifyProc stateChanged = nullptr;
    AIPanelClosedByUserNotifyProc closedByUser = nullptr;
  };
  struct Panel {
    std::string id;     // UTF-8
    std::string title;  // UTF-8
    std::int16_t stateCount;
    AISize minimum;
    bool resizable;
    AIPanelFlyoutMenuRef flyoutMenu;
    AIPanelUserData userData;
    WindowOwner dock;  // destroying it destroys the platform window and the plug-in's controls
    HWND platform;
    Procs procs;
    std::vector<std::uint32_t> icons;
    std::vector<std::uint32_t> rolloverIcons;
    bool shown = false;
    SIZE client;  // the platform window's size as last reported
  };

  // Publishes the AI Panel Suite over the core's placeholder and watches the plug-in's
  // shut-down. One at a time.
  explicit PanelDocks(Host& host);
  ~PanelDocks() override;
  PanelDocks(const PanelDocks&) = delete;
  PanelDocks& operator=(const PanelDocks&) = delete;

  // The panel the session acts on: the oldest live one; null when there is none.
  AIPanelRef First() const { return order_.empty() ? nullptr : order_.front(); }
  // A live panel, without a violation when it is not.
  Panel* Get(AIPanelRef panel) const { return panels_.Find(panel); }
  std::size_t LiveCount() const { return panels_.Count(); }

  // What a user does to a panel; each fires the panel's callbacks as the host application does.
  void SetShown(AIPanelRef panel, bool shown);
  void OpenFlyoutMenu(AIPanelRef panel);
  void ChooseFlyoutItem(AIPanelRef panel, std::uint32_t itemId);
  void ChangeState(AIPanelRef panel, std::int16_t state);
  // Runs an action of the user on the plug-in's windows, such as a click: edits it makes are
  // notified, and its application contexts checked, as after a message.
  void AsUser(const std::function<void()>& action);
  // The window size of a dock whose platform window is client pixels.
  SIZE DockSizeFor(const Panel& panel, SIZE client) const;

  void BeforeCodeUnloaded() override;

  static const AIPanelSuite* Suite();

 private:
  friend struct PanelSuiteFunctions;

  AIErr Create(SPPluginRef plugin, AIUnicodeStringRef id, AIUnicodeStringRef title,
               std::int16_t stateCount, const AISize* minimumSize, AIBoolean resizable,
               AIPanelFlyoutMenuRef flyoutMenu, AIPanelUserData userData, AIPanelRef* panel);
  void Destroy(AIPanelRef panel);
  // A live panel; null (with a violation naming function) otherwise.
  Panel* Find(AIPanelRef panel, const char* function);
  // Calls a callback of the panel as a user's event and writes what it answered.
  void Fire(const std::string& what, const std::function<AIErr()>& call);
  static LRESULT CALLBACK DockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnSize(AIPanelRef panel);
  void OnClose(AIPanelRef panel);

  static PanelDocks* current_;
  Host& host_;
  HandleTable<Panel, AIPanelRef, kPanelHandle> panels_;
  std::vector<AIPanelRef> order_;  // live panels, oldest first
  int depth_ = 0;                  // callbacks and user actions in progress
};

}  // namespace host
