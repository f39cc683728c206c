#include "ReportCheck.h"

#include "Cp932.h"
#include "ReportReader.h"
#include "StringRoutines.h"
#include "TextLines.h"

#include <algorithm>

namespace selen {

namespace {

using Lines = std::vector<std::string_view>;
using enum ProblemCode;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A line with digits or blanks in the year columns and a full date and
// time after them: what a record with a lost or mistyped year looks like.
bool looksLikeRecord(std::string_view line)
{
    if (line.size() < 14)
        return false;
    bool yearColumnsPlain = std::all_of(line.begin(), line.begin() + 4, [](char c) { return isDigit(c) || c == ' '; });
    bool dateDigits = std::all_of(line.begin() + 4, line.begin() + 14, isDigit);
    return yearColumnsPlain && dateDigits;
}

Problem recordProblem(ProblemCode code, std::size_t line, std::size_t record, std::size_t first = 0,
                      std::size_t last = 0, std::string_view found = {})
{
    Problem problem{code};
    problem.line = static_cast<std::uint32_t>(line);
    problem.record = static_cast<std::uint32_t>(record);
    problem.firstColumn = static_cast<std::uint32_t>(first);
    problem.lastColumn = static_cast<std::uint32_t>(last);
    problem.found = found;
    return problem;
}

Problem lineProblem(ProblemCode code, std::size_t line, std::string_view found = {})
{
    return recordProblem(code, line, 0, 0, 0, found);
}

// What the reader passes over, in its words for the coordinator.
void passedOverLines(const ReadReport& read, const Lines& lines, bool byteOrderMark, std::vector<Problem>& out)
{
    using Reason = PassedOverLine::Reason;
    std::size_t recordsBeyond = 0;
    for (const PassedOverLine& passed : read.passedOver) {
        const std::string_view line = lines[passed.line - 1];
        switch (passed.reason) {
        case Reason::FirstLine:
            if (!byteOrderMark)  // said with the mark
                out.push_back(lineProblem(FirstLineNotHeader, passed.line, line));
            break;
        case Reason::SecondHeader:
            out.push_back(lineProblem(SecondHeaderLine, passed.line, line));
            break;
        case Reason::AfterMarker:
            out.push_back(lineProblem(LineAfterMarker, passed.line, line));
            break;
        case Reason::BeyondSites:
            out.push_back(lineProblem(TooManySites, passed.line));
            break;
        case Reason::BeyondObservers:
            out.push_back(lineProblem(TooManyObservers, passed.line));
            break;
        case Reason::BeyondRecords:
            out.push_back(recordProblem(TooManyRecords, passed.line,
                                        static_cast<std::size_t>(ObservationItem::kMaxRecords) + ++recordsBeyond));
            break;
        case Reason::NotRecognised:
            if (looksLikeRecord(line)) {
                const bool blank = line.substr(0, 4).find_first_not_of(' ') == std::string_view::npos;
                out.push_back(
                    recordProblem(blank ? MissingYear : YearOutOfRange, passed.line, 0, 1, 4, line.substr(0, 4)));
            } else {
                out.push_back(lineProblem(UnrecognisedLine, passed.line, line));
            }
            break;
        }
    }
}

// What reading a record line and its comment line cuts or changes.
void recordLineProblems(std::string_view line, std::string_view next, std::size_t lineNumber, std::size_t record,
                        std::vector<Problem>& out)
{
    const char certainty = line.size() >= 43 ? line[42] : ' ';
    if (!isCertaintyCode(certainty)) {
        out.push_back(recordProblem(CertaintyReadAsBlank, lineNumber, record, 43, 43, line.substr(42, 1)));
        out.back().field = FieldId::Certainty;
    }
    constexpr std::size_t kKeptColumns = ObservationItem::kLength - ObservationItem::ColumnBase;
    if (line.size() > kKeptColumns)
        out.push_back(recordProblem(RecordTooLong, lineNumber, record, kKeptColumns + 1, line.size(),
                                    line.substr(kKeptColumns)));
    bool separatorSplit = false;
    for (std::size_t col : {std::size_t{61}, std::size_t{62}, kKeptColumns}) {
        if (col < line.size() && cp932::isLeadByte(static_cast<unsigned char>(line[col - 1]))
            && !cp932::isTrailPosition(line, col - 1)) {
            out.push_back(recordProblem(SplitCharacter, lineNumber, record, col, col + 1, line.substr(col - 1, 2)));
            separatorSplit = separatorSplit || col != kKeptColumns;
        }
    }
    constexpr std::size_t kSeparator = columns::kSeparator.first;
    if (!separatorSplit && line.size() >= kSeparator && line[kSeparator - 1] != ' ' && line[kSeparator - 1] != '/')
        out.push_back(recordProblem(SeparatorOverwritten, lineNumber, record, kSeparator, kSeparator,
                                    line.substr(kSeparator - 1, 1)));
    // The reader takes the line after a record as its comment when it
    // begins with four blanks.
    if (!isCommentLine(next))
        return;
    if (looksLikeRecord(next)) {
        out.push_back(recordProblem(RecordReadAsComment, lineNumber + 1, record, 0, 0, next));
        return;
    }
    const std::string_view body = next.substr(ObservationItem::kCommentIndent);
    const std::size_t kept = cp932::safeCutLength(body, columns::kCommentArea.width);
    const std::string_view lost = body.substr(kept);
    if (hasNonSpace(lost)) {
        const std::size_t first = ObservationItem::kCommentIndent + kept + 1;
        out.push_back(recordProblem(CommentTooLong, lineNumber + 1, record, first, next.size(), lost));
    }
}

bool byLine(const Problem& a, const Problem& b)
{
    return a.line < b.line;
}

}  // namespace

std::vector<Problem> readingProblems(std::string_view text, const Lines& lines, const ReadReport& read)
{
    // Few, sorted by line on their own.
    std::vector<Problem> problems;
    const bool byteOrderMark = text.starts_with(kByteOrderMark);
    if (byteOrderMark)
        problems.push_back(lineProblem(ByteOrderMark, 1, lines.front().substr(kByteOrderMark.size())));
    passedOverLines(read, lines, byteOrderMark, problems);
    for (std::size_t i = 0; i < read.recordLines.size(); ++i) {
        const std::size_t at = read.recordLines[i];
        recordLineProblems(lines[at - 1], at < lines.size() ? lines[at] : std::string_view{}, at, i + 1, problems);
    }
    std::stable_sort(problems.begin(), problems.end(), byLine);
    return problems;
}

std::vector<Problem> checkReportText(std::string_view text, const RuleContext& context)
{
    const Lines lines = splitLines(text);
    const ReadReport read = parseReportLines(lines);
    std::vector<Problem> problems = readingProblems(text, lines, read);

    // The rules of the items, possibly thousands, come in line order when
    // the file has its blocks in the usual order; they are merged in after
    // the reader's problems of the same line.
    const auto items = static_cast<std::ptrdiff_t>(problems.size());
    checkReportItems(read.report, context, ItemLines{&read.recordLines, &read.siteLines, &read.observerLines},
                     problems);
    if (std::is_sorted(problems.begin() + items, problems.end(), byLine))
        std::inplace_merge(problems.begin(), problems.begin() + items, problems.end(), byLine);
    else
        std::stable_sort(problems.begin(), problems.end(), byLine);
    return problems;
}

}  // namespace selen
