#include "ReportCheck.h"

#include "Cp932.h"
#include "ObservationCodeLists.h"
#include "ObservationItem.h"
#include "RecordLetters.h"
#include "Report.h"
#include "ReportReader.h"
#include "StringRoutines.h"
#include "TextLines.h"

#include <algorithm>
#include <array>
#include <optional>

namespace selen {

namespace {

using Lines = std::vector<std::string_view>;

struct CodedColumn {
    std::size_t column;
    const CodeList& (*list)();
};

constexpr std::array<CodedColumn, 13> kCodedColumns{{
    {columns::kCatalogue.first, &codes::catalogue},
    {columns::kPhenomenon.first, &codes::phenomenon},
    {columns::kLimb.first, &codes::limb},
    {columns::kPersonalEquationApplication.first, &codes::personalEquationApplication},
    {columns::kTimingMethod1.first, &codes::timingMethod1},
    {columns::kTimingMethod2.first, &codes::timingMethod2},
    {columns::kTimeSource.first, &codes::timeSource},
    {columns::kCertainty.first, &codes::certainty},
    {columns::kDoubleStarComponent.first, &codes::doubleStarComponent},
    {columns::kLightLevel.first, &codes::lightLevel},
    {columns::kSkyStability.first, &codes::skyCondition},
    {columns::kSkyTransparency.first, &codes::skyCondition},
    {columns::kRemarks.first, &codes::remarks},
}};

bool startsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

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

bool isHeaderLine(std::string_view line)
{
    return startsWith(line, kPlaceNameLabel) || startsWith(line, kEmailLabel)
        || startsWith(line, kRepresentativeLabel) || startsWith(line, kMessageLabel);
}

class Checker {
public:
    explicit Checker(std::string_view text) : lines_(splitLines(text)) {}

    std::vector<Problem> run()
    {
        end_ = messageMarkerLine(lines_).value_or(lines_.size());
        collectLetters();
        if (!lines_.empty() && !isBlankLine(lines_[0]) && !isHeaderLine(lines_[0]))
            add(ProblemCode::FirstLineNotHeader, 1);
        for (std::size_t i = 1; i < end_; ++i)
            i = checkLine(i);
        return std::move(problems_);
    }

private:
    void add(ProblemCode code, std::size_t line, std::size_t record = 0, std::size_t firstColumn = 0,
             std::size_t lastColumn = 0, std::string found = {})
    {
        problems_.push_back(Problem{code, line, record, firstColumn, lastColumn, std::move(found)});
    }

    void collectLetters()
    {
        std::size_t sites = 0;
        std::size_t observers = 0;
        for (std::size_t i = 1; i < end_; ++i) {
            std::string_view line = lines_[i];
            if (line.empty())
                continue;
            if (line.front() == 'T' && ++sites <= kMaxLetteredLines)
                siteLetters_.push_back(line.size() > 1 ? line[1] : ' ');
            if (line.front() == 'O' && ++observers <= kMaxLetteredLines)
                observerLetters_.push_back(line.size() > 1 ? line[1] : ' ');
        }
    }

    // Checks line i and returns the last line it consumed.
    std::size_t checkLine(std::size_t i)
    {
        std::string_view line = lines_[i];
        if (isBlankLine(line) || isHeaderLine(line))
            return i;
        if (line.front() == 'T' || line.front() == 'O') {
            bool site = line.front() == 'T';
            std::size_t& count = site ? siteCount_ : observerCount_;
            if (++count > kMaxLetteredLines)
                add(site ? ProblemCode::TooManySites : ProblemCode::TooManyObservers, i + 1);
            return i;
        }
        long long year = lineYear(line);
        if (isRecordYear(year))
            return checkRecord(i);
        if (looksLikeRecord(line)) {
            add(std::string_view(line).substr(0, 4).find_first_not_of(' ') == std::string_view::npos
                     ? ProblemCode::MissingYear
                     : ProblemCode::YearOutOfRange,
                 i + 1, 0, 1, 4, std::string(line.substr(0, 4)));
            return i;
        }
        add(ProblemCode::UnrecognisedLine, i + 1);
        return i;
    }

    std::size_t checkRecord(std::size_t i)
    {
        std::string_view line = lines_[i];
        const std::size_t record = ++recordCount_;
        const std::size_t lineNumber = i + 1;
        if (record > static_cast<std::size_t>(ObservationItem::kMaxRecords))
            add(ProblemCode::TooManyRecords, lineNumber, record);

        for (std::size_t col = 1; col <= std::min<std::size_t>(line.size(), ObservationItem::kReportColumns); ++col) {
            unsigned char c = static_cast<unsigned char>(line[col - 1]);
            if (c < 0x20 || c > 0x7E) {
                add(ProblemCode::NonAsciiInRecord, lineNumber, record, col, col, std::string(1, static_cast<char>(c)));
                break;
            }
        }
        for (const CodedColumn& coded : kCodedColumns) {
            char c = line.size() >= coded.column ? line[coded.column - 1] : ' ';
            if (!coded.list().hasCode(std::string(1, c)))
                add(ProblemCode::CodeNotInList, lineNumber, record, coded.column, coded.column, std::string(1, c));
        }
        checkLetter(line, columns::kSite.first, siteLetters_, ProblemCode::UnknownSite, lineNumber, record);
        checkLetter(line, columns::kObserver.first, observerLetters_, ProblemCode::UnknownObserver, lineNumber, record);
        if (line.size() > ObservationItem::kLength - ObservationItem::ColumnBase)
            add(ProblemCode::RecordTooLong, lineNumber, record, 118, line.size());
        for (std::size_t col : {std::size_t{61}, std::size_t{62}, std::size_t{117}}) {
            if (col < line.size() && cp932::isLeadByte(static_cast<unsigned char>(line[col - 1]))
                && !cp932::isTrailPosition(line, col - 1)) {
                add(ProblemCode::SplitCharacter, lineNumber, record, col, col + 1);
            }
        }

        if (i + 1 < end_ && startsWith(lines_[i + 1], "    ")) {
            std::string_view comment = lines_[i + 1];
            if (looksLikeRecord(comment))
                add(ProblemCode::RecordReadAsComment, i + 2, record);
            else if (comment.size() > 59)
                add(ProblemCode::CommentTooLong, i + 2, record, 60, comment.size());
            return i + 1;
        }
        return i;
    }

    void checkLetter(std::string_view line, std::size_t column, const std::vector<char>& letters, ProblemCode code,
                     std::size_t lineNumber, std::size_t record)
    {
        char letter = line.size() >= column ? line[column - 1] : ' ';
        if (letter == ' ')
            return;
        if (std::find(letters.begin(), letters.end(), letter) == letters.end())
            add(code, lineNumber, record, column, column, std::string(1, letter));
    }

    Lines lines_;
    std::size_t end_ = 0;
    std::vector<char> siteLetters_;
    std::vector<char> observerLetters_;
    std::size_t siteCount_ = 0;
    std::size_t observerCount_ = 0;
    std::size_t recordCount_ = 0;
    std::vector<Problem> problems_;
};

}  // namespace

std::vector<Problem> checkReportText(std::string_view text)
{
    return Checker(text).run();
}

}  // namespace selen
