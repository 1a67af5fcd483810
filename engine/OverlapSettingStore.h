// The engine's settings: the current setting, the most-recently-used history of former current
// settings (index 0 the most recent), the list of the last batch capture, and the three engine
// preferences, read when the store is made and written back at once when they change. The store
// owns every setting it holds; the lists hold copies, never a setting held elsewhere. A change
// that fails midway (a host error thrown) leaves everything as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/OverlapSetting.h"

class OverlapSettingStore {
 public:
  // Reads the preferences (the defaults where a key is missing) and writes them back.
  OverlapSettingStore(std::int32_t previewWidth, std::int32_t previewHeight);

  std::int32_t MaxRecent() const { return maxRecent_; }
  std::int32_t ProcessSinglePath() const { return processSinglePath_; }
  std::int32_t ReserveTopmostPath() const { return reserveTopmostPath_; }
  // Each stores the value and writes its preference at once.
  void SetMaxRecent(std::int32_t value);
  void SetProcessSinglePath(std::int32_t value);
  void SetReserveTopmostPath(std::int32_t value);

  // A new empty setting with the store's preview size.
  std::unique_ptr<OverlapSetting> NewSetting() const;

  const OverlapSetting* Current() const { return current_.get(); }
  std::int32_t HistoryCount() const { return static_cast<std::int32_t>(history_.size()); }
  std::int32_t BatchCount() const { return static_cast<std::int32_t>(batch_.size()); }
  // Null out of range.
  const OverlapSetting* HistoryItem(std::int32_t index) const;
  const OverlapSetting* BatchItem(std::int32_t index) const;

  // Takes setting over as the current one. History settings equal to it are dropped; the former
  // current setting, unless equal to it, goes to the front of the history.
  void MakeCurrent(std::unique_ptr<OverlapSetting> setting);
  // Puts a copy of setting at the front of the history, drops the settings equal to it, and
  // then, if the history is longer than the maximum, drops its last setting (one, never more).
  void AddToHistory(const OverlapSetting& setting);
  void RemoveEqualFromHistory(const OverlapSetting& setting);
  // Makes a copy of history item index current: the item leaves the history (with every setting
  // equal to it) and the former current setting takes the front. Nothing out of range.
  void SelectHistoryItem(std::int32_t index);
  // Makes a copy of batch item index current; the batch list stays as it is, the former current
  // setting goes to the history. Nothing out of range.
  void SelectBatchItem(std::int32_t index);
  void AppendToBatch(std::unique_ptr<OverlapSetting> setting);
  void ClearHistory() { history_.clear(); }
  void ClearBatchList() { batch_.clear(); }

 private:
  // Each change of the lists compares first and then commits with moves only, so that a failing
  // comparison (the host's string suite throws) leaves the store as it was.

  // Flags the history items equal to setting, skipping those already flagged.
  void MarkEqual(const OverlapSetting& setting, std::vector<bool>& dropped) const;
  // The history without the flagged items and with front (unless null) moved in first, then one
  // setting fewer if front made it longer than the maximum.
  void CommitHistory(std::unique_ptr<OverlapSetting>& front, const std::vector<bool>& dropped);
  // Installs next as current, dropping the flagged history items, and hands the former current
  // setting to the history.
  void Replace(std::unique_ptr<OverlapSetting> next, std::vector<bool> dropped);

  std::int32_t maxRecent_ = 10;
  std::int32_t processSinglePath_ = 1;
  std::int32_t reserveTopmostPath_ = 0;
  std::int32_t previewWidth_;
  std::int32_t previewHeight_;
  std::unique_ptr<OverlapSetting> current_;
  std::vector<std::unique_ptr<OverlapSetting>> history_;
  std::vector<std::unique_ptr<OverlapSetting>> batch_;
};
