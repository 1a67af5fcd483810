// Dockable host panels. The host gives each panel a dock window of its own (a tool window owned
// by the host's main window, titled with the panel's title) whose client area is the panel's
// platform window, a plain child window that the plug-in fills with its controls and may
// subclass. Everything runs on the host's user-interface thread.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIPanelSuite[] = "AI Panel Suite";
constexpr std::int32_t kAIPanelSuiteVersion = 4;

using AIPanelRef = struct _AIPanel*;
using AIPanelFlyoutMenuRef = struct _AIPanelFlyoutMenu*;
using AIPanelUserData = void*;

struct AISize {
  AIReal width;
  AIReal height;
};

// Callbacks the host makes on the panel's events; each answers a host error code, which the host
// does not look at. The host never calls them after the panel is destroyed.
// The user opened the panel's flyout menu: the plug-in may rebuild it now, before it is shown.
using AIPanelFlyoutMenuPreVisibilityProc = AIErr (*)(AIPanelRef panel);
// The user chose the flyout menu's item itemId.
using AIPanelFlyoutMenuProc = AIErr (*)(AIPanelRef panel, std::uint32_t itemId);
// The panel was shown or hidden.
using AIPanelVisibilityChangedNotifyProc = AIErr (*)(AIPanelRef panel, AIBoolean isVisible);
// The panel's size changed.
using AIPanelSizeChangedNotifyProc = AIErr (*)(AIPanelRef panel);
// The panel moved to state newState (0 to its state count - 1).
using AIPanelStateChangedNotifyProc = AIErr (*)(AIPanelRef panel, std::int16_t newState);
// The user closed the panel with its close box; the host has hidden it already.
using AIPanelClosedByUserNotifyProc = AIErr (*)(AIPanelRef panel);

struct AIPanelSuite {
  // Makes a hidden panel with its dock and platform windows. id names the panel for the host
  // (unique among live panels); title is shown on its dock. The dock is at least minimumSize
  // (pixels of the platform window) and can be resized by the user only when resizable.
  // flyoutMenu (may be null) is shown from the panel's menu button; the plug-in keeps owning it.
  // id and title are the caller's strings; the host copies their texts. *panel gets a reference
  // that the plug-in owns until it calls Destroy.
  AIErr (*Create)(SPPluginRef plugin, AIUnicodeStringRef id, AIUnicodeStringRef title,
                  std::int16_t stateCount, const AISize* minimumSize, AIBoolean resizable,
                  AIPanelFlyoutMenuRef flyoutMenu, AIPanelUserData userData, AIPanelRef* panel);
  // Destroys the panel with its dock and platform windows (and every child window the plug-in
  // put there); no callback follows.
  AIErr (*Destroy)(AIPanelRef panel);
  // Shows or hides the dock; the visibility callback follows when the state changes.
  AIErr (*Show)(AIPanelRef panel, AIBoolean show);
  AIErr (*IsShown)(AIPanelRef panel, AIBoolean* isShown);
  AIErr (*GetUserData)(AIPanelRef panel, AIPanelUserData* userData);
  AIErr (*SetUserData)(AIPanelRef panel, AIPanelUserData userData);
  // The panel's platform window (an HWND), owned by the host; valid until Destroy.
  AIErr (*GetPlatformWindow)(AIPanelRef panel, AIWindowRef* window);
  // Each replaces the panel's callback of its kind; null removes it.
  AIErr (*SetFlyoutMenuPreVisibilityProc)(AIPanelRef panel, AIPanelFlyoutMenuPreVisibilityProc);
  AIErr (*SetFlyoutMenuProc)(AIPanelRef panel, AIPanelFlyoutMenuProc proc);
  AIErr (*SetVisibilityChangedNotifyProc)(AIPanelRef panel,
                                          AIPanelVisibilityChangedNotifyProc proc);
  AIErr (*SetSizeChangedNotifyProc)(AIPanelRef panel, AIPanelSizeChangedNotifyProc proc);
  AIErr (*SetStateChangedNotifyProc)(AIPanelRef panel, AIPanelStateChangedNotifyProc proc);
  AIErr (*SetClosedByUserNotifyProc)(AIPanelRef panel, AIPanelClosedByUserNotifyProc proc);
  // The panel's icon: idCount resource ids of 23 x 23 pixel PNG images of resource type "PNGI"
  // in the plug-in's module, one list for the icon at rest and one for the icon under the
  // mouse. An id that names no such image is refused with kBadParameterErr.
  AIErr (*SetIconResourceIDs)(AIPanelRef panel, const std::uint32_t* iconIds,
                              const std::uint32_t* rolloverIconIds, std::int32_t idCount);
};
