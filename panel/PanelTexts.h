// What the road panel shows. UTF-8.
#pragma once

inline constexpr char kKukuriPanelId[] = "MvLaneWorks1.5KukuriPanelID";
inline constexpr char kKukuriPanelTitle[] = "重ね線";

inline constexpr char kAcquireButtonText[] = "設定取得";
inline constexpr char kDeleteButtonText[] = "重なり削除";
inline constexpr char kCreateButtonText[] = "作成";
// Put before the widest stroke of the current setting, in the user's stroke unit.
inline constexpr char kMaxWidthLabelPrefix[] = "最大幅 ";

// The flyout menu's entries, and what its commands tell the user.
inline constexpr char kRecentSettingsHeading[] = "▼最近使った設定";
inline constexpr char kNoHistoryItem[] = "(履歴がありません)";
inline constexpr char kClearHistoryItem[] = "履歴をクリア";
inline constexpr char kAcquireBatchItem[] = "一括設定取得";
inline constexpr char kNoBatchItem[] = "(未取得です)";
inline constexpr char kClearBatchItem[] = "一括取得した設定をクリア";
inline constexpr char kPreferencesItem[] = "環境設定...";
inline constexpr char kCheckStacksItem[] = "重なり線を検査";
inline constexpr char kRepairStacksItem[] = "検査結果を修復";
inline constexpr char kBatchFoundNothingMessage[] = "重なり線を取得できませんでした";
// %d: the number of settings in the batch list.
inline constexpr char kBatchAcquiredMessage[] = "%d組の設定を取得しました";
inline constexpr char kClearBatchQuestion[] = "クリアしてよろしいですか？";
