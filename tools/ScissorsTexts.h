// What the scissors tool shows the user. UTF-8.
#pragma once

inline constexpr char kScissorsToolName[] = "MvLaneWorks1.5 Multi Scissors";
inline constexpr char kScissorsToolTitle[] = "重なりパス切断ツール";
inline constexpr char kCutAtEndpointMessage[] = "閉じていないパスの端点では切断できません";
