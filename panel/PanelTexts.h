// What the road panel shows. UTF-8.
#pragma once

inline constexpr char kKukuriPanelId[] = "MvLaneWorks1.5KukuriPanelID";
inline constexpr char kKukuriPanelTitle[] = "重ね線";

inline constexpr char kAcquireButtonText[] = "設定取得";
inline constexpr char kDeleteButtonText[] = "重なり削除";
inline constexpr char kCreateButtonText[] = "作成";
// Put before the widest stroke of the current setting, in the user's stroke unit.
inline constexpr char kMaxWidthLabelPrefix[] = "最大幅 ";
