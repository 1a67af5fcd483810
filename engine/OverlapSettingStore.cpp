#include "engine/OverlapSettingStore.h"

#include <algorithm>
#include <utility>

#include "engine/SettingEquality.h"
#include "frame/SuiteTables.h"

namespace {

constexpr char kPreferencePrefix[] = "Mivor-LaneWorks1.5";
constexpr char kMaxRecentKey[] = "Max Recent Setting";
constexpr char kProcessSinglePathKey[] = "Do Process Single Path";
constexpr char kReserveTopmostPathKey[] = "Reserve Topmost Path";

// Reads an integer preference into value, which keeps its default when the key is missing.
void ReadInteger(const char* key, std::int32_t& value) {
  std::int32_t read = value;
  if (sAIPreference->GetIntegerPreference(kPreferencePrefix, key, &read) == kNoErr) value = read;
}

// The flags are written as booleans. A store that keeps the kind of each value refuses to read
// them back as integers; they are then read as the booleans they are, so that they survive.
void ReadFlag(const char* key, std::int32_t& value) {
  std::int32_t read = value;
  if (sAIPreference->GetIntegerPreference(kPreferencePrefix, key, &read) == kNoErr) {
    value = read;
    return;
  }
  AIBoolean flag = value != 0 ? 1 : 0;
  if (sAIPreference->GetBooleanPreference(kPreferencePrefix, key, &flag) == kNoErr)
    value = flag != 0 ? 1 : 0;
}

void WriteFlag(const char* key, std::int32_t value) {
  sAIPreference->PutBooleanPreference(kPreferencePrefix, key, value != 0 ? 1 : 0);
}

const OverlapSetting* Item(const std::vector<std::unique_ptr<OverlapSetting>>& list,
                           std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
  return list[static_cast<std::size_t>(index)].get();
}

}  // namespace

OverlapSettingStore::OverlapSettingStore(std::int32_t previewWidth, std::int32_t previewHeight)
    : previewWidth_(previewWidth), previewHeight_(previewHeight) {
  ReadInteger(kMaxRecentKey, maxRecent_);
  sAIPreference->PutIntegerPreference(kPreferencePrefix, kMaxRecentKey, maxRecent_);
  ReadFlag(kProcessSinglePathKey, processSinglePath_);
  WriteFlag(kProcessSinglePathKey, processSinglePath_);
  ReadFlag(kReserveTopmostPathKey, reserveTopmostPath_);
  WriteFlag(kReserveTopmostPathKey, reserveTopmostPath_);
}

void OverlapSettingStore::SetMaxRecent(std::int32_t value) {
  maxRecent_ = value;
  sAIPreference->PutIntegerPreference(kPreferencePrefix, kMaxRecentKey, value);
}

void OverlapSettingStore::SetProcessSinglePath(std::int32_t value) {
  processSinglePath_ = value;
  WriteFlag(kProcessSinglePathKey, value);
}

void OverlapSettingStore::SetReserveTopmostPath(std::int32_t value) {
  reserveTopmostPath_ = value;
  WriteFlag(kReserveTopmostPathKey, value);
}

std::unique_ptr<OverlapSetting> OverlapSettingStore::NewSetting() const {
  return std::make_unique<OverlapSetting>(previewWidth_, previewHeight_);
}

const OverlapSetting* OverlapSettingStore::HistoryItem(std::int32_t index) const {
  return Item(history_, index);
}

const OverlapSetting* OverlapSettingStore::BatchItem(std::int32_t index) const {
  return Item(batch_, index);
}

void OverlapSettingStore::AddToHistory(const OverlapSetting& setting) {
  auto copy = std::make_unique<OverlapSetting>(setting);
  std::vector<bool> dropped(history_.size(), false);
  MarkEqual(*copy, dropped);
  CommitHistory(copy, dropped);
}

void OverlapSettingStore::RemoveEqualFromHistory(const OverlapSetting& setting) {
  std::vector<bool> dropped(history_.size(), false);
  MarkEqual(setting, dropped);
  std::unique_ptr<OverlapSetting> none;
  CommitHistory(none, dropped);
}

void OverlapSettingStore::MarkEqual(const OverlapSetting& setting,
                                    std::vector<bool>& dropped) const {
  for (std::size_t i = 0; i < history_.size(); ++i) {
    if (!dropped[i] && SettingsEqual(*history_[i], setting)) dropped[i] = true;
  }
}

void OverlapSettingStore::CommitHistory(std::unique_ptr<OverlapSetting>& front,
                                        const std::vector<bool>& dropped) {
  std::vector<std::unique_ptr<OverlapSetting>> next;
  next.reserve(history_.size() + 1);  // the one step that can fail, before anything moves
  const bool added = front != nullptr;
  if (added) next.push_back(std::move(front));
  for (std::size_t i = 0; i < history_.size(); ++i) {
    if (!dropped[i]) next.push_back(std::move(history_[i]));
  }
  if (added && next.size() > static_cast<std::size_t>(std::max(maxRecent_, 0))) next.pop_back();
  history_ = std::move(next);
}

void OverlapSettingStore::Replace(std::unique_ptr<OverlapSetting> next, std::vector<bool> dropped) {
  const bool keepFormer = current_ && !SettingsEqual(*current_, *next);
  if (keepFormer) MarkEqual(*current_, dropped);
  std::unique_ptr<OverlapSetting> none;
  CommitHistory(keepFormer ? current_ : none, dropped);
  current_ = std::move(next);
}

void OverlapSettingStore::MakeCurrent(std::unique_ptr<OverlapSetting> setting) {
  if (!setting) return;
  std::vector<bool> dropped(history_.size(), false);
  MarkEqual(*setting, dropped);
  Replace(std::move(setting), std::move(dropped));
}

void OverlapSettingStore::SelectHistoryItem(std::int32_t index) {
  if (Item(history_, index) == nullptr) return;
  auto chosen = std::make_unique<OverlapSetting>(*history_[static_cast<std::size_t>(index)]);
  // The item leaves the history even when it is equal to nothing (a colour of no kind).
  std::vector<bool> dropped(history_.size(), false);
  dropped[static_cast<std::size_t>(index)] = true;
  MarkEqual(*chosen, dropped);
  Replace(std::move(chosen), std::move(dropped));
}

void OverlapSettingStore::SelectBatchItem(std::int32_t index) {
  const OverlapSetting* item = Item(batch_, index);
  if (item == nullptr) return;
  Replace(std::make_unique<OverlapSetting>(*item), std::vector<bool>(history_.size(), false));
}

void OverlapSettingStore::AppendToBatch(std::unique_ptr<OverlapSetting> setting) {
  if (setting) batch_.push_back(std::move(setting));
}
