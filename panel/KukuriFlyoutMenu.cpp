// The road panel's flyout menu: the recent settings, the settings of the last batch capture,
// the commands that clear them, capture a batch and open the preferences, and the check and
// repair of the document's overlap lines.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/Alerts.h"
#include "engine/OverlapOperations.h"
#include "engine/StackCheckCommands.h"
#include "frame/AppContext.h"
#include "frame/SuiteTables.h"
#include "panel/CKukuriPanel.h"
#include "panel/OverlapPreferencesDialog.h"
#include "panel/PanelLabels.h"
#include "panel/PanelTexts.h"

namespace {

// Item ids; separators have ids of their own.
enum : std::uint32_t {
  kHeadingId = 1,
  kNoHistoryId = 3,
  kNoBatchId = 7,
  kClearHistoryId = 10,
  kAcquireBatchId = 100,
  kClearBatchId = 101,
  kPreferencesId = 200,
  kCheckStacksId = 300,
  kRepairStacksId = 301,
  kFirstHistoryId = 1000,
  kFirstBatchId = 2000,
};
constexpr std::uint32_t kSeparatorIds[] = {2, 4, 5, 6, 8, 9, 11};

class MenuBuilder {
 public:
  explicit MenuBuilder(AIPanelFlyoutMenuRef menu) : menu_(menu) {}

  void Item(std::uint32_t id, const ai::UnicodeString& text) {
    if (!Left(id)) sAIPanelFlyoutMenu->AppendItem(menu_, id, text.handle());
  }
  void Item(std::uint32_t id, const char* text) { Item(id, ai::UnicodeString(text)); }
  void Item(std::uint32_t id, const char* text, bool enabled) {
    Item(id, text);
    sAIPanelFlyoutMenu->SetItemEnabled(menu_, id, enabled);
  }
  void Separator(std::uint32_t id) {
    if (!Left(id)) sAIPanelFlyoutMenu->AppendSeparator(menu_, id);
  }
  // Removes every item; those the host refuses to remove are remembered, so that the rebuild
  // never appends an id the menu still has.
  void RemoveAll() {
    std::uint32_t count = 0;
    sAIPanelFlyoutMenu->Size(menu_, &count);
    for (std::uint32_t index = count; index-- > 0;) {
      std::uint32_t id = 0;
      if (sAIPanelFlyoutMenu->GetItemID(menu_, index, &id) == kNoErr)
        sAIPanelFlyoutMenu->RemoveItem(menu_, id);
    }
    count = 0;
    sAIPanelFlyoutMenu->Size(menu_, &count);
    for (std::uint32_t index = 0; index < count; ++index) {
      std::uint32_t id = 0;
      if (sAIPanelFlyoutMenu->GetItemID(menu_, index, &id) == kNoErr) left_.push_back(id);
    }
  }

 private:
  bool Left(std::uint32_t id) const {
    return std::find(left_.begin(), left_.end(), id) != left_.end();
  }

  AIPanelFlyoutMenuRef menu_;
  std::vector<std::uint32_t> left_;  // items the host kept
};

std::string BatchAcquiredText(std::int32_t count) {
  std::string text = kBatchAcquiredMessage;
  text.replace(text.find("%d"), 2, std::to_string(count));
  return text;
}

}  // namespace

void CKukuriPanel::OnFlyoutMenuPreVisibility() {
  // Host errors of the menu calls are not looked at: the menu shows what could be made.
  MenuBuilder menu(flyoutMenu_);
  menu.RemoveAll();
  const OverlapSettingStore& store = *store_;
  menu.Item(kHeadingId, kRecentSettingsHeading, false);
  menu.Separator(kSeparatorIds[0]);
  for (std::int32_t i = 0; i < store.HistoryCount(); ++i)
    menu.Item(kFirstHistoryId + static_cast<std::uint32_t>(i),
              SettingNameText(store.HistoryItem(i)));
  if (store.HistoryCount() == 0) menu.Item(kNoHistoryId, kNoHistoryItem, false);
  menu.Separator(kSeparatorIds[1]);
  menu.Item(kClearHistoryId, kClearHistoryItem, store.HistoryCount() >= 1);
  menu.Separator(kSeparatorIds[2]);
  menu.Item(kAcquireBatchId, kAcquireBatchItem);
  menu.Separator(kSeparatorIds[3]);
  for (std::int32_t i = 0; i < store.BatchCount(); ++i)
    menu.Item(kFirstBatchId + static_cast<std::uint32_t>(i), SettingNameText(store.BatchItem(i)));
  if (store.BatchCount() == 0) menu.Item(kNoBatchId, kNoBatchItem, false);
  menu.Separator(kSeparatorIds[4]);
  menu.Item(kClearBatchId, kClearBatchItem, store.BatchCount() >= 1);
  menu.Separator(kSeparatorIds[5]);
  menu.Item(kPreferencesId, kPreferencesItem);
  menu.Separator(kSeparatorIds[6]);
  std::int32_t layers = 0;
  const bool documentOpen = sAILayer->CountLayers(&layers) == kNoErr && layers > 0;
  menu.Item(kCheckStacksId, kCheckStacksItem, documentOpen);
  menu.Item(kRepairStacksId, kRepairStacksItem, documentOpen && stackCheck_.mendable > 0);
}

void CKukuriPanel::OnFlyoutMenuItem(std::uint32_t itemId) {
  const AppContext context(pluginRef_);
  OverlapSettingStore& store = *store_;
  if (itemId >= kFirstHistoryId && itemId < kFirstBatchId) {
    store.SelectHistoryItem(static_cast<std::int32_t>(itemId - kFirstHistoryId));
    RefreshCurrentSetting();
  } else if (itemId >= kFirstBatchId) {
    // An id past the end of the list selects nothing; the panel is refreshed all the same.
    if (itemId - kFirstBatchId <= static_cast<std::uint32_t>(INT32_MAX))
      store.SelectBatchItem(static_cast<std::int32_t>(itemId - kFirstBatchId));
    RefreshCurrentSetting();
  } else if (itemId == kClearHistoryId) {
    store.ClearHistory();
  } else if (itemId == kAcquireBatchId) {
    store.ClearBatchList();
    AcquireBatch(store);
    if (store.BatchCount() == 0) {
      ShowMessageAlert(kBatchFoundNothingMessage);
    } else {
      ShowMessageAlert(BatchAcquiredText(store.BatchCount()).c_str());
    }
  } else if (itemId == kClearBatchId) {
    if (AskYesNo(kClearBatchQuestion)) store.ClearBatchList();
  } else if (itemId == kPreferencesId) {
    EditPreferences();
  } else if (itemId == kCheckStacksId) {
    CheckOverlapLines(store, stackCheck_);
  } else if (itemId == kRepairStacksId) {
    RepairOverlapLines(store, stackCheck_);
  }
}

void CKukuriPanel::EditPreferences() {
  OverlapPreferenceValues values{store_->MaxRecent(), store_->ProcessSinglePath(),
                                 store_->ReserveTopmostPath()};
  if (ShowOverlapPreferencesDialog(pluginRef_, values) != kNoErr) return;
  store_->SetMaxRecent(values.maxRecent);
  store_->SetProcessSinglePath(values.processSinglePath);
  store_->SetReserveTopmostPath(values.reserveTopmost);
}
