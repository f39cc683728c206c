#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportCheck.h"
#include "report/ReportWriter.h"

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

// Lines 1-10: header, site A, observer A, record 1 with its comment (7-8), records 2 and 3 (9, 10).
Lines baseLines()
{
    return {"Place name     Tokyo", "", SiteLine::create(0).text(), "", "OA  N. Tanaka", "",
            test::plainRecord(1).reportLine(), "    comment", test::plainRecord(2).reportLine(),
            test::plainRecord(3).reportLine()};
}

TEST(ReportCheck, FindsEachProblemAtItsLineAndColumnsAndNoneInAWrittenReport)
{
    EXPECT_TRUE(checkReportText(buildReportText(test::fullReport(60))).empty());
    const std::string kanji = cp932::fixed("亜");
    const std::tuple<const char*, std::function<void(Lines&)>, std::vector<Found>> cases[] = {
        {"as written", [](Lines&) {}, {}},
        {"missing year", [](Lines& l) { l[8].replace(0, 4, "    "); }, {{MissingYear, 9, 0, 1, 4}}},
        {"year 1599", [](Lines& l) { l[8].replace(0, 4, "1599"); }, {{YearOutOfRange, 9, 0, 1, 4}}},
        {"yearless record after a record", [](Lines& l) { l[9].replace(0, 4, "    "); }, {{RecordReadAsComment, 10, 2, 0, 0}}},
        {"katakana in a record", [](Lines& l) { l[8][19] = '\xB1'; }, {{NonAsciiInRecord, 9, 2, 20, 20}}},
        {"unknown site", [](Lines& l) { l[8][59] = 'C'; }, {{UnknownSite, 9, 2, 60, 60}}},
        {"unknown observer", [](Lines& l) { l[8][60] = 'b'; }, {{UnknownObserver, 9, 2, 61, 61}}},
        {"record of 150 columns", [](Lines& l) { l[8] += std::string(89, 'c'); }, {{RecordTooLong, 9, 2, 118, 150}}},
        {"split at 62", [&](Lines& l) { l[8] += kanji + "c"; }, {{SplitCharacter, 9, 2, 62, 63}}},
        {"split at 117", [&](Lines& l) { l[8] += std::string(55, 'c') + kanji; },
         {{RecordTooLong, 9, 2, 118, 118}, {SplitCharacter, 9, 2, 117, 118}}},
        {"comment of 70", [](Lines& l) { l[7] = "    " + std::string(66, 'c'); }, {{CommentTooLong, 8, 1, 60, 70}}},
        {"first line", [](Lines& l) { l[0] = "hello"; }, {{FirstLineNotHeader, 1, 0, 0, 0}}},
        {"unrecognised line", [](Lines& l) { l.insert(l.begin() + 5, "garbage"); }, {{UnrecognisedLine, 6, 0, 0, 0}}},
        {"53 sites", [](Lines& l) { l.insert(l.begin() + 3, 52, "TB"); }, {{TooManySites, 55, 0, 0, 0}}},
        {"53 observers", [](Lines& l) { l.insert(l.begin() + 5, 52, "OB"); }, {{TooManyObservers, 57, 0, 0, 0}}},
        {"1,000 records", [](Lines& l) { l.insert(l.end(), 997, test::plainRecord(4).reportLine()); },
         {{TooManyRecords, 1007, 1000, 0, 0}}},
        {"message text is not checked",
         [](Lines& l) { l.insert(l.end(), {"", "", std::string(kMessageMarker), "    ", "garbage", "    1599 x"}); }, {}},
    };
    for (const auto& [name, edit, expected] : cases) {
        Lines lines = baseLines();
        edit(lines);
        EXPECT_EQ(check(lines), expected) << name;
    }
    // Each coded column is judged by its own list: "A" is a code of columns 19,
    // 34 and 36 only, "Z" of none.
    for (std::size_t column : {19, 27, 28, 34, 35, 36, 37, 43, 47, 53, 54, 55, 56})
        for (char code : {'Z', 'A'}) {
            Lines lines = baseLines();
            lines[8][column - 1] = code;
            std::vector<Found> expected;
            if (code == 'Z' || (column != 19 && column != 34 && column != 36))
                expected.emplace_back(CodeNotInList, 9, 2, column, column);
            EXPECT_EQ(check(lines), expected) << "column " << column << " code " << code;
        }
}

}  // namespace
}  // namespace selen
