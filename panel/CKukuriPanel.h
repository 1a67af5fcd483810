// The road panel "重ね線": three command buttons that acquire, delete and create overlap lines,
// a preview of the current setting's stroke stack, the layer name of its front-most copy and
// its widest stroke in the user's stroke unit. It owns the engine's settings store.
#pragma once

#include <memory>

#include "engine/OverlapSettingStore.h"
#include "engine/StackCheckCommands.h"
#include "panel/CKukuriControls.h"
#include "panel/CMvPanel.h"

class CKukuriPanel : public CMvPanel {
 public:
  explicit CKukuriPanel(SPPluginRef pluginRef);
  // The store first, then the flyout menu, then the host panel with the windows; the controls'
  // font and picture last, once no window uses them.
  ~CKukuriPanel() override;

  ASErr OnUIBrightnessChanged() override;
  ASErr SetupPanelParameters() override;
  ASErr CreateControls() override;
  // The flyout menu, rebuilt from the store's lists every time it opens, and its commands.
  void OnFlyoutMenuPreVisibility() override;
  void OnFlyoutMenuItem(std::uint32_t itemId) override;
  bool HandleWindowMessage(LRESULT* result, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) override;

  // The buttons can be used while the document has layers.
  void UpdateCommandButtons();
  ASErr OnLayersChanged();
  void UpdateMaxWidthLabel();
  // The buttons' commands, each inside an application context.
  void AcquireFromPanel(bool ctrl);
  void DeleteFromPanel(bool ctrl);
  void CreateFromPanel();
  // Shows the current setting: name, widest stroke and picture.
  void RefreshCurrentSetting();

  OverlapSettingStore& Store() { return *store_; }

 private:
  // The preferences dialog, filled from the store; the store takes the values only after OK.
  void EditPreferences();

  std::unique_ptr<OverlapSettingStore> store_;
  StackCheckMemory stackCheck_;  // what the last check found for the repair
  CKukuriControls controls_;
};
