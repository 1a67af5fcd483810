// Texts the engine shows the user, exactly as they appear.
#pragma once

// Asked for every stacked copy that is locked or hidden.
inline constexpr char kUnlockOverlapQuestion[] =
    "重なり線がロックまたは非表示状態です。ロック解除・表示しますか？";
inline constexpr char kUnlockFailedError[] = "ロック解除または表示に失敗しました";

// Acquiring, creating and deleting overlap lines.
inline constexpr char kNoOverlapFoundMessage[] = "重なり線が見つかりません";
inline constexpr char kSelectPathMessage[] = "パスを選択して実行してください";
inline constexpr char kLayerMissingMessage[] = "設定に記憶されたレイヤーが存在しません";
inline constexpr char kCreateInLockedLayerQuestion[] =
    "重なり線を作成するレイヤーがロックまたは非表示です。ロック解除・表示して作成しますか？";
inline constexpr char kSwatchMissingError[] =
    "必要なカラースウォッチが現在のドキュメントにありません";
inline constexpr char kOverlapExistsQuestion[] = "既に重なり線があるようですが、作成しますか？";
