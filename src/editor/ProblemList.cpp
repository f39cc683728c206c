#include "ProblemList.h"

#include "Pages.h"

#include "report/Cp932.h"

#include <algorithm>

namespace selen {

namespace {

using enum ProblemCode;

// The offending characters as UTF-8, quoted; bytes that are not CP932 as "?".
std::string quoted(const std::string& cp932)
{
    cp932::Conversion text = cp932::toUtf8(cp932::cutToBytes(cp932, 40));
    return "「" + (text.ok ? text.text : std::string("?")) + "」";
}

std::string number(std::size_t n)
{
    return std::to_string(n);
}

std::string columnsText(const Problem& p)
{
    if (p.firstColumn == 0)
        return {};
    if (p.firstColumn == p.lastColumn || p.lastColumn == 0)
        return number(p.firstColumn) + "桁目";
    return number(p.firstColumn) + "〜" + number(p.lastColumn) + "桁目";
}

std::string fieldName(const Problem& p)
{
    return p.field ? "「" + std::string(fieldInfo(*p.field).caption) + "」" : std::string("項目");
}

// Where the problem is, as the pages name it.
std::string place(const Problem& p)
{
    if (losesText(p))
        return "読み込んだ報告書の" + number(p.line) + "行目: ";
    if (p.record > 0)
        return "観測 " + number(p.record) + ": ";
    if (p.site > 0)
        return "観測地の一覧 " + number(p.site) + "行目: ";
    if (p.observer > 0)
        return "観測者の一覧 " + number(p.observer) + "行目: ";
    return {};
}

std::string what(const Problem& p)
{
    switch (p.code) {
    case ByteOrderMark: return "先頭にBOMがあるため、最初の行" + quoted(p.found) + "が読み込まれていません";
    case FirstLineNotHeader: return "先頭の行はヘッダとしてだけ読まれ、観測地・観測者・観測の行としては読まれません";
    case SecondHeaderLine: return "2つ目のヘッダ行" + quoted(p.found) + "は読み込まれていません";
    case LineAfterMarker: return "メッセージの区切りの次の行" + quoted(p.found) + "は読み込まれていません";
    case UnrecognisedLine: return "報告書の行として読み取れないため読み込まれていません";
    case MissingYear: return "年のない観測の行は読み込まれていません";
    case YearOutOfRange: return "年が1600〜2200の範囲にありません";
    case RecordReadAsComment: return "観測の行が直前の観測のコメントとして読まれました";
    case RecordTooLong: return "行が長すぎるため、117桁より後ろは失われます";
    case SplitCharacter: return columnsText(p) + "で全角文字が分断されています";
    case SeparatorOverwritten: return "62桁目の" + quoted(p.found) + "は区切りの「/」に置き換わります";
    case CommentTooLong: return "コメントが長すぎるため、" + columnsText(p) + "から後ろは失われます";
    case CertaintyReadAsBlank: return "確実性の" + quoted(p.found) + "は選択肢にないため空白として読まれます";
    case TooManyRecords: return "999件を超えた観測は読み込まれていません";
    case TooManySites: return "52行を超えた観測地の行は読み込まれていません";
    case TooManyObservers: return "52行を超えた観測者の行は読み込まれていません";
    case MissingPlaceName: return "ヘッダの観測地名が未入力です";
    case MissingEmail: return "ヘッダのEmail addressが未入力です";
    case MissingRepresentative: return "ヘッダの観測代表者が未入力です";
    case NoSiteLine: return "観測地・望遠鏡の行がありません";
    case NoObserverLine: return "観測者の行がありません";
    case NonAscii:
        return columnsText(p) + "に半角英数字以外の文字" + (p.found.empty() ? std::string() : quoted(p.found))
            + "があります（固定桁には半角英数字だけが書けます）";
    case RequiredMissing: return fieldName(p) + "が未入力です";
    case CodeNotInList: return fieldName(p) + "の" + quoted(p.found) + "は選択肢にない記号です";
    case UnknownSite: return "観測地" + quoted(p.found) + "の行がありません";
    case UnknownObserver: return "観測者" + quoted(p.found) + "の行がありません";
    case NotADate: return fieldName(p) + "が日付として正しくありません";
    case NotATime: return fieldName(p) + "が時刻として正しくありません";
    case FutureDate: return "日付が明日より先になっています";
    }
    return {};
}

// The control of a site line's columns.
std::string siteControl(std::size_t column)
{
    struct Span {
        std::size_t first, last;
        const char* control;
    };
    static constexpr Span spans[] = {
        {5, 5, "ComboBox3"},    {6, 6, "ComboBox4"},   {7, 7, "ComboBox5"},   {9, 12, "Edit17"},
        {15, 18, "Edit18"},     {21, 21, "Label10"},   {22, 24, "Edit9"},     {25, 26, "Edit10"},
        {27, 28, "Edit11"},     {29, 32, "Edit21"},    {33, 33, "Label9"},    {34, 35, "Edit12"},
        {36, 37, "Edit13"},     {38, 39, "Edit14"},    {40, 43, "Edit22"},    {44, 45, "ComboBox1"},
        {47, 50, "Edit15"},     {51, 52, "Edit16"},    {53, 53, "ComboBox2"},
    };
    for (const Span& s : spans) {
        if (column >= s.first && column <= s.last)
            return s.control;
    }
    return "ListBox2";
}

// The observation field whose columns hold `column`.
std::string recordControl(const Problem& p)
{
    if (p.field)
        return std::string(fieldInfo(*p.field).formName);
    for (const FieldInfo& info : allFields()) {
        if (p.firstColumn >= info.columns.first && p.firstColumn <= info.columns.last())
            return std::string(info.formName);
    }
    return p.code == FutureDate ? "Edit23" : "ListBox4";
}

}  // namespace

std::string problemText(const Problem& problem)
{
    return place(problem) + what(problem);
}

ProblemTarget problemTarget(const Problem& p)
{
    ProblemTarget target;
    if (losesText(p)) {
        target.page = pages::kRead;
        target.textLine = p.line;
        target.formName = "Memo2";
        return target;
    }
    switch (p.code) {
    case MissingPlaceName: return {pages::kHeader, 0, 0, 0, 0, "Edit2"};
    case MissingEmail: return {pages::kHeader, 0, 0, 0, 0, "Edit3"};
    case MissingRepresentative: return {pages::kHeader, 0, 0, 0, 0, "Edit4"};
    case NoSiteLine: return {pages::kSites, 0, 1, 0, 0, "Edit9"};
    case NoObserverLine: return {pages::kSites, 0, 0, 1, 0, "Edit19"};
    default: break;
    }
    if (p.record > 0)
        return {pages::kObservations, p.record, 0, 0, 0, recordControl(p)};
    if (p.site > 0)
        return {pages::kSites, 0, p.site, 0, 0, siteControl(p.firstColumn)};
    if (p.observer > 0)
        return {pages::kSites, 0, 0, p.observer, 0, p.firstColumn >= 31 ? "Edit20" : "Edit19"};
    return target;
}

bool ProblemList::refresh(const Report& report, const RuleContext& context)
{
    std::vector<Problem> found = readerFindings_;
    checkReportItems(report, context, ItemLines{}, found);
    const auto same = [](const Problem& p, const ListedProblem& listed) { return p == listed.problem; };
    if (std::equal(found.begin(), found.end(), items_.begin(), items_.end(), same))
        return false;
    items_.clear();
    items_.reserve(found.size());
    for (Problem& p : found) {
        std::string text = problemText(p);
        ProblemTarget target = problemTarget(p);
        items_.push_back(ListedProblem{std::move(p), std::move(text), std::move(target)});
    }
    return true;
}

}  // namespace selen
