#pragma once

#include <string>
#include <string_view>

// The program's fixed texts to the user (UTF-8).
namespace selen::messages {

inline constexpr std::string_view kTitleHead = "Selen .. I have a good observation of the lunar occultation ";
inline constexpr std::string_view kTitleTail = " ... Quillet! .. Ver.1.2.0";
inline constexpr std::string_view kApplicationName = "Selen";

inline constexpr std::string_view kYearMissing = "年の項目は必ず入力してください。";
inline constexpr std::string_view kOverwrite = "同名のファイルが存在します。上書きしていいですか？";
inline constexpr std::string_view kBackupFailed = "バックアップファイルを作成できませんでした。";
inline constexpr std::string_view kOpenDiscards =
    "現在編集中の内容が失われます。ファイルからの読み込みを実行してよいですか？";
inline constexpr std::string_view kApplyDiscards =
    "現在編集中の内容が失われます。エディタの編集結果を項目入力や報告書出力に反映してよいですか？";
inline constexpr std::string_view kNewDiscards = "現在編集中の内容が失われます。報告を新規に作成しますか？";

// Our own words where the program has none of its own.
inline constexpr std::string_view kRecordsLeftOut =
    "1つの報告書に入る観測は999件までです。999件を超えた {} 件の観測は読み込んでいません（ファイルは変更されていません）。";
inline constexpr std::string_view kSettingsNotWritten = "設定ファイルに書き込めませんでした: {}";
inline constexpr std::string_view kSaveFailed = "報告書を保存できませんでした（元のファイルはそのままです）: {}";
// After a failed save whose undoing failed too: what is true instead of "元のファイルはそのままです".
inline constexpr std::string_view kSaveFailedNotUndone = "報告書を保存できませんでした: {}";
inline constexpr std::string_view kReportLeftAsBackup =
    "元の報告書は元の名前に戻せなかったため、バックアップ {} としてだけ残っています。";
inline constexpr std::string_view kOlderBackupLeftAs = "以前のバックアップは {} に残っています。";
inline constexpr std::string_view kCharacterRefused =
    "「{}」は報告書に書けない文字です（シフトJISにない文字です）。別の文字で入力してください。";
inline constexpr std::string_view kClipboardNotCp932 =
    "クリップボードの文字列に報告書で使えない文字が含まれています。予報リストや記録の行だけをコピーしてください。";
inline constexpr std::string_view kCloseWithUnsavedWork =
    "保存していない変更があります。閉じる前に報告書を保存しますか？";
inline constexpr std::string_view kOpenFailed = "報告書を読み込めませんでした: {}";
inline constexpr std::string_view kListingOpenFailed = "予報リストのファイルを読み込めませんでした: {}";
inline constexpr std::string_view kNoPastedRecord =
    "貼り付け欄の先頭に観測の記録行がないので、何も追加しませんでした。"
    "報告書の観測の行（年月日の8桁で始まり、19桁目が R、S、X のいずれかの行）を、"
    "1行目から1行に1件ずつ貼り付けてから「追加」を押してください。";

}  // namespace selen::messages

namespace selen::messages {

// The template with its "{}" replaced by `value`.
inline std::string withValue(std::string_view text, std::string_view value)
{
    std::string out(text);
    if (std::size_t at = out.find("{}"); at != std::string::npos)
        out.replace(at, 2, value);
    return out;
}

}  // namespace selen::messages
