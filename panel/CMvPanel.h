// The base of the plug-in's panels: one dockable host panel with its flyout menu and its
// platform window, which this class subclasses so that the window's messages and the host's
// panel callbacks arrive as virtual operations. It keeps the host's theme colours and paints
// static child controls with them.
//
// Life cycle: construct (nothing on the host side), Create once, destroy. Teardown order: stop
// routing (remove the window property, put the window procedure back), destroy the host panel,
// destroy the platform window, delete the static-control brush. Derived panels release what they
// add before that and what their child windows use after it (see DestroyPanel).
#pragma once

#include <windows.h>

#include <cstdint>

#include "hostapi/AIPanel.h"
#include "hostapi/AIUserInterfaceTheme.h"
#include "hostapi/IAIUnicodeString.h"
#include "panel/GuiObjects.h"

class CMvPanel {
 public:
  explicit CMvPanel(SPPluginRef pluginRef);
  CMvPanel(const CMvPanel&) = delete;
  CMvPanel& operator=(const CMvPanel&) = delete;

  virtual ~CMvPanel();
  // Sets the panel up with the host, makes its controls and shows it. The first failing host
  // call ends it with its code; what was made is undone by destruction.
  virtual ASErr Create();
  virtual ASErr Show(bool show);
  // False when the host cannot tell.
  virtual bool IsShown();
  // Reads the theme's colours again; the first failing query ends it with its code.
  virtual ASErr OnUIBrightnessChanged();
  // The host-side parameters and the flyout menu; derived panels give their own values.
  virtual ASErr SetupPanelParameters();
  virtual ASErr CreateControls();
  // The first step of destruction, leaving the object alive: stops routing, destroys the host
  // panel and the platform window.
  virtual void DestroyPanel();
  virtual void OnFlyoutMenuItem(std::uint32_t itemId);
  virtual void OnFlyoutMenuPreVisibility();
  virtual void OnVisibilityChanged(bool visible);
  virtual void OnSizeChanged();
  virtual void OnStateChanged(std::int16_t state);
  virtual void OnClosedByUser();
  // A message of the platform window; *result (preset to 0) is the answer when handled.
  virtual bool HandleWindowMessage(LRESULT* result, HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam);

 protected:
  // A theme colour as a native colour value.
  static COLORREF NativeColor(const AIUIThemeColor& color);

  SPPluginRef pluginRef_;
  AIPanelRef panel_ = nullptr;
  HWND window_ = nullptr;
  AIPanelFlyoutMenuRef flyoutMenu_ = nullptr;
  ai::UnicodeString panelId_;
  ai::UnicodeString panelTitle_;
  AIBoolean resizable_ = true;
  AISize minimumSize_{240, 320};
  std::int16_t stateCount_ = 1;
  AIUIThemeColor backgroundColor_{1.0, 0.0, 0.0, 0.0};
  AIUIThemeColor textColor_{1.0, 0.0, 0.0, 0.0};
  AIUIThemeColor borderColor_{1.0, 0.0, 0.0, 0.0};
  AIUIThemeColor editBackgroundColor_{1.0, 0.0, 0.0, 0.0};
  HMODULE module_ = nullptr;
  UniqueBrush staticBrush_;
  WNDPROC previousWindowProc_ = nullptr;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  ASErr RegisterEventCallbacks();
  void Subclass();
  void Unsubclass();

  bool subclassed_ = false;
};
