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

// Checking and repairing overlap lines. %d: a count as a decimal number.
inline constexpr char kNoCheckSettingsMessage[] =
    "検査に使う設定がありません。設定取得か一括設定取得を先に実行してください。";
inline constexpr char kNoUsableCheckSettingsMessage[] =
    "検査に使える設定がありません。設定のレイヤーかカラースウォッチがドキュメントにありません。";
inline constexpr char kCheckFoundNothingMessage[] = "問題のある重なり線は見つかりませんでした。";
inline constexpr char kCheckResultMessage[] =
    "検査結果：欠けている重なり線 %d、ずれたコピー %d、重複したコピー %d、レイヤー違いのコピー %d";
inline constexpr char kCheckUnmatchedLine[] =
    "修復できないもの：どの設定とも合わない重なり線 "
    "%d（コピーのスタイルをすべて持つ設定がないため）";
inline constexpr char kCheckUnusableSettingsLine[] =
    "検査に使わなかった設定 %d組（レイヤーかカラースウォッチがドキュメントにないため）";
inline constexpr char kCheckFailedError[] =
    "重なり線を検査できませんでした。ドキュメントは変更していません。";
inline constexpr char kRepairedMessage[] = "%d件を修復しました。";
inline constexpr char kRepairDeclinedLine[] =
    "ロック解除・表示しなかった重なり線の %d件は修復していません。";
inline constexpr char kRepairFailedError[] =
    "エラーのため修復を中断しました。修復中だった重なり線は元のままです。";
