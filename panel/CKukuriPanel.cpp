#include "panel/CKukuriPanel.h"

#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "frame/AppContext.h"
#include "frame/SuiteTables.h"
#include "panel/HostCallGuard.h"
#include "panel/PanelLabels.h"
#include "panel/PanelTexts.h"
#include "resources/resource.h"

namespace {

// The size of the preview box, which previews are made for.
constexpr std::int32_t kPreviewWidth = 120;
constexpr std::int32_t kPreviewHeight = 24;

}  // namespace

CKukuriPanel::CKukuriPanel(SPPluginRef pluginRef)
    : CMvPanel(pluginRef),
      store_(std::make_unique<OverlapSettingStore>(kPreviewWidth, kPreviewHeight)),
      controls_(*this) {}

CKukuriPanel::~CKukuriPanel() {
  store_.reset();
  if (flyoutMenu_ != nullptr) {
    sAIPanelFlyoutMenu->Destroy(flyoutMenu_);
    flyoutMenu_ = nullptr;
  }
  DestroyPanel();
}

ASErr CKukuriPanel::SetupPanelParameters() {
  const ASErr error = CMvPanel::SetupPanelParameters();
  panelId_.assign(kKukuriPanelId);
  panelTitle_.assign(kKukuriPanelTitle);
  minimumSize_ = AISize{120, 145};
  resizable_ = false;
  stateCount_ = 1;
  return error;
}

ASErr CKukuriPanel::CreateControls() {
  controls_.Create(window_, module_);
  sAIPanel->SetUserData(panel_, this);
  return CMvPanel::CreateControls();
}

ASErr CKukuriPanel::OnUIBrightnessChanged() {
  const ASErr error = CMvPanel::OnUIBrightnessChanged();
  const std::uint32_t icon =
      sAIUserInterfaceTheme->IsDarkTheme() ? IDI_OVERLAP_PANEL_DARK : IDI_OVERLAP_PANEL_LIGHT;
  sAIPanel->SetIconResourceIDs(panel_, &icon, &icon, 1);
  return error;
}

bool CKukuriPanel::HandleWindowMessage(LRESULT* result, HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) {
  if (controls_.HandleMessage(result, window, message, wParam, lParam)) return true;
  return CMvPanel::HandleWindowMessage(result, window, message, wParam, lParam);
}

void CKukuriPanel::UpdateCommandButtons() {
  std::int32_t layers = 0;
  if (sAILayer->CountLayers(&layers) != kNoErr) layers = 0;
  controls_.EnableCommandButtons(layers > 0);
}

ASErr CKukuriPanel::OnLayersChanged() {
  return RebuildLayerPathMap();
}

void CKukuriPanel::UpdateMaxWidthLabel() {
  // A text the host cannot make is shown empty rather than left stale.
  if (GuardedCall([&] {
        controls_.SetMaxWidthText(MaxWidthText(store_->Current()));
        return kNoErr;
      }) != kNoErr) {
    controls_.ClearMaxWidthText();
  }
}

void CKukuriPanel::RefreshCurrentSetting() {
  // Each part is shown on its own, so that one the host cannot make leaves the others current.
  const OverlapSetting* current = store_->Current();
  if (GuardedCall([&] {
        controls_.SetNameText(SettingNameText(current));
        return kNoErr;
      }) != kNoErr) {
    controls_.ClearNameText();
  }
  UpdateMaxWidthLabel();
  if (current != nullptr && current->Preview() != nullptr) {
    GuardedCall([&] {
      controls_.DrawPreview(*current->Preview());
      return kNoErr;
    });
  }
}

void CKukuriPanel::AcquireFromPanel(bool ctrl) {
  const AppContext context(pluginRef_);
  // A failed command still shows what is current now; the engine has told the user already.
  GuardedCall([&] { return AcquireSetting(*store_, ctrl); });
  RefreshCurrentSetting();
}

void CKukuriPanel::DeleteFromPanel(bool ctrl) {
  const AppContext context(pluginRef_);
  GuardedCall([&] { return DeleteOverlaps(*store_, ctrl); });
  RefreshCurrentSetting();
}

void CKukuriPanel::CreateFromPanel() {
  const AppContext context(pluginRef_);
  GuardedCall([&] { return CreateOverlapLines(*store_); });
}
