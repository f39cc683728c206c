#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportCheck.h"
#include "report/ReportWriter.h"
#include "report/TextLines.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace selen {
namespace {

using Lines = std::vector<std::string>;
using Found = std::tuple<ProblemCode, std::size_t, std::size_t, std::size_t, std::size_t>;  // code, line, record, columns
using enum ProblemCode;

std::vector<Found> check(const Lines& lines)
{
    std::vector<Found> found;
    for (const Problem& p : checkReportText(test::crlf(lines)))
        found.emplace_back(p.code, p.line, p.record, p.firstColumn, p.lastColumn);
    return found;
}

// Lines 1-12: header (1-3), site A (5), observer A (7), record 1 with its
// comment (9-10), records 2 and 3 (11, 12).
Lines baseLines()
{
    const std::string text = buildReportText(test::completeReport());
    const std::vector<std::string_view> lines = splitLines(text);
    return Lines(lines.begin(), lines.end());
}

TEST(ReportCheck, FindsEachProblemOfTheTextAtItsLineAndColumns)
{
    EXPECT_TRUE(check(baseLines()).empty());
    const std::string kanji = cp932::fixed("亜");  // 0x88 0x9F
    const std::string marker(kMessageMarker);
    const std::tuple<const char*, std::function<void(Lines&)>, std::vector<Found>> cases[] = {
        {"byte-order mark", [](Lines& l) { l[0] = "\xEF\xBB\xBF" + l[0]; },
         {{MissingPlaceName, 0, 0, 0, 0}, {ByteOrderMark, 1, 0, 0, 0}}},
        {"first line", [](Lines& l) { l[0] = "hello"; }, {{MissingPlaceName, 0, 0, 0, 0}, {FirstLineNotHeader, 1, 0, 0, 0}}},
        {"second place name", [](Lines& l) { l[3] = "Place name     Osaka"; }, {{SecondHeaderLine, 4, 0, 0, 0}}},
        {"line after the marker", [&](Lines& l) { l.insert(l.end(), {"", "", marker, "    lost words", "    kept"}); },
         {{LineAfterMarker, 16, 0, 0, 0}}},
        {"marker, blank line, message", [&](Lines& l) { l.insert(l.end(), {"", "", marker, "    ", "garbage", "    1599 x"}); }, {}},
        {"unrecognised line", [](Lines& l) { l.insert(l.begin() + 5, "garbage"); }, {{UnrecognisedLine, 6, 0, 0, 0}}},
        {"stray comment", [](Lines& l) { l.insert(l.begin() + 10, "    second comment"); }, {{UnrecognisedLine, 11, 0, 0, 0}}},
        {"missing year", [](Lines& l) { l[10].replace(0, 4, "    "); }, {{MissingYear, 11, 0, 1, 4}}},
        {"year 1599", [](Lines& l) { l[10].replace(0, 4, "1599"); }, {{YearOutOfRange, 11, 0, 1, 4}}},
        {"yearless record after a record", [](Lines& l) { l[11].replace(0, 4, "    "); },
         {{RecordReadAsComment, 12, 2, 0, 0}}},
        {"record of 150 columns", [](Lines& l) { l[10] += "/" + std::string(88, 'c'); }, {{RecordTooLong, 11, 2, 118, 150}}},
        {"split at 62", [&](Lines& l) { l[10] += kanji + "c"; }, {{SplitCharacter, 11, 2, 62, 63}}},
        {"character in column 62", [](Lines& l) { l[10] += "x comment"; }, {{SeparatorOverwritten, 11, 2, 62, 62}}},
        {"separator in column 62", [](Lines& l) { l[10] += "/ comment"; }, {}},
        {"split at 117", [&](Lines& l) { l[10] += "/" + std::string(54, 'c') + kanji; },
         {{RecordTooLong, 11, 2, 118, 118}, {SplitCharacter, 11, 2, 117, 118}}},
        {"comment of 59", [](Lines& l) { l[9] = "    " + std::string(55, 'c'); }, {}},
        {"comment of 60", [](Lines& l) { l[9] = "    " + std::string(56, 'c'); }, {{CommentTooLong, 10, 1, 60, 60}}},
        {"comment of 70", [](Lines& l) { l[9] = "    " + std::string(66, 'c'); }, {{CommentTooLong, 10, 1, 60, 70}}},
        {"comment cut before a double-byte character", [&](Lines& l) { l[9] = "    " + std::string(54, 'c') + kanji; },
         {{CommentTooLong, 10, 1, 59, 60}}},
        {"comment with trailing blanks only", [](Lines& l) { l[9] = "    c" + std::string(70, ' '); }, {}},
        {"certainty Z", [](Lines& l) { l[10][42] = 'Z'; },
         {{CertaintyReadAsBlank, 11, 2, 43, 43}, {RequiredMissing, 11, 2, 43, 43}}},
        {"53 sites", [](Lines& l) { l.insert(l.begin() + 5, 52, "TB  R"); }, {{TooManySites, 57, 0, 0, 0}}},
        {"53 observers", [](Lines& l) { l.insert(l.begin() + 7, 52, "OB  X. Y"); }, {{TooManyObservers, 59, 0, 0, 0}}},
        {"1,000 records", [](Lines& l) { l.insert(l.end(), 997, test::completeRecord(4).reportLine()); }, {{TooManyRecords, 1009, 1000, 0, 0}}},
        // The rules of the report's items, found at their lines of the text.
        {"katakana in a record", [](Lines& l) { l[10][19] = '\xB1'; }, {{NonAscii, 11, 2, 20, 20}}},
        {"DEL in a record", [](Lines& l) { l[10][19] = '\x7F'; }, {{NonAscii, 11, 2, 20, 20}}},
        {"kanji observer name", [&](Lines& l) { l[6] = "OA  " + kanji + kanji + " Tanaka"; }, {{NonAscii, 7, 0, 5, 8}}},
        {"empty minute", [](Lines& l) { l[8].replace(10, 2, "  "); }, {{RequiredMissing, 9, 1, 11, 12}}},
        {"no site line", [](Lines& l) { l[4] = ""; }, {{NoSiteLine, 0, 0, 0, 0}}},
    };
    for (const auto& [name, edit, expected] : cases) {
        Lines lines = baseLines();
        edit(lines);
        EXPECT_EQ(check(lines), expected) << name;
    }
    // Each coded column is judged by its own list: "A" is a code of columns 19,
    // 34 and 36 only, "Z" of none.
    for (std::size_t column : {19, 27, 28, 34, 35, 36, 37, 47, 53, 54, 55, 56})
        for (char code : {'Z', 'A'}) {
            Lines lines = baseLines();
            lines[10][column - 1] = code;
            std::vector<Found> expected;
            if (code == 'Z' || (column != 19 && column != 34 && column != 36))
                expected.emplace_back(CodeNotInList, 11, 2, column, column);
            EXPECT_EQ(check(lines), expected) << "column " << column << " code " << code;
        }
}

// The bytes a problem names: what is lost, or what stands in the columns. A
// full report as written has no problem.
TEST(ReportCheck, NamesWhatIsLostAndFindsNothingInAWrittenReport)
{
    Lines lines = baseLines();
    lines[0] = "\xEF\xBB\xBF" + lines[0];
    lines[3] = "Email address  second@example.jp";
    lines[9] = "    " + std::string(54, 'c') + cp932::fixed("亜") + "d";
    std::vector<std::string> found;
    for (const Problem& p : checkReportText(test::crlf(lines)))
        found.push_back(p.found);
    EXPECT_EQ(found, (std::vector<std::string>{"", "Place name     Hachioji", "Email address  second@example.jp",
                                               "\x88\x9F" "d"}));
    EXPECT_TRUE(checkReportText(buildReportText(test::fullReport(60))).empty());
}

}  // namespace
}  // namespace selen
