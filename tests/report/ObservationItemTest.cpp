#include "TestSupport.h"

#include "report/Cp932.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

using test::repeat;

const std::string kA = cp932::fixed("亜");  // 0x88 0x9F: its trail byte is in the lead-byte range

TEST(ObservationItem, BlankItemNumberAndPutsStayInTheirColumns)
{
    ObservationItem item;
    EXPECT_EQ(item.text(), std::string(65, ' ') + "/" + std::string(55, ' '));
    item.setRecordNumber(7);
    EXPECT_EQ(item.text().substr(0, 4), "  7 ");
    EXPECT_THROW(item.setRecordNumber(1000), std::out_of_range);

    item = test::record({{columns::kTemperature, " -5"}, {columns::kSite, "AB"}, {columns::kObserver, "C"}});
    EXPECT_EQ(item.reportLine(), std::string(56, ' ') + " -5AC");
    // A U comment of 52 double-byte bytes keeps 44: byte 45 would be half a character.
    item.put(columns::kGscCommentText, repeat(kA, 26));
    EXPECT_EQ(item.columns(columns::kCommentArea), std::string(10, ' ') + repeat(kA, 22) + " ");
    item.put(columns::kCommentArea, "  x");
    EXPECT_EQ(item.commentLine(), "      x");
    item.put(columns::kCommentArea, "");
    EXPECT_EQ(item.commentLine(), "");
}

// A comment line's characters 5-59 become the comment area; a cut that would
// end on a lead byte leaves that byte out.
TEST(ObservationItem, CommentFromLineIsCutAtACharacterBoundary)
{
    const std::pair<std::string, std::string> cases[] = {
        {"    " + std::string(54, 'x') + kA + std::string(10, 'y'), std::string(54, 'x')},  // 70 bytes, across 59
        {"    " + std::string(53, 'x') + kA + std::string(11, 'y'), std::string(53, 'x') + kA},
        {"    " + repeat(kA, 33), repeat(kA, 27)},
        {"    z" + repeat(kA, 32) + "w", "z" + repeat(kA, 27)},
        {"    ", ""}};
    for (const auto& [line, comment] : cases) {
        ObservationItem item;
        item.setCommentFromLine(line);
        EXPECT_EQ(item.columns(columns::kCommentArea), comment + std::string(55 - comment.size(), ' ')) << line;
    }
}

// A record line longer than the record keeps 117 report columns; a double-byte
// character split by the "/" of column 62 or by the cut leaves a blank.
TEST(ObservationItem, LongRecordLineIsCutWithoutHalfCharacters)
{
    const std::pair<std::size_t, std::size_t> cases[] = {{0, 0}, {60, 0}, {61, 61}, {62, 63}, {116, 0}, {117, 117}};
    for (const auto& [leadAt, blankAt] : cases) {  // report columns; 0 for none
        std::string line = test::plainRecord(1).reportLine() + std::string(150 - 61, 'c');
        if (leadAt != 0)
            line.replace(leadAt - 1, 2, kA);
        std::string expected = "    " + line.substr(0, 117);
        expected[4 + 61] = '/';
        if (blankAt != 0)
            expected[4 + blankAt - 1] = ' ';
        EXPECT_EQ(ObservationItem::fromReportLine(line).text(), expected) << leadAt;
    }
    EXPECT_EQ(ObservationItem::fromReportLine("2024"), test::record({{columns::kYear, "2024"}}));
}

// Saving passes only the years the reader takes back as records.
TEST(ObservationItem, YearTestPassesOnly1600To2200)
{
    const std::pair<std::string, bool> cases[] = {{"1600", true}, {"2200", true}, {"1599", false}, {"2201", false},
                                                  {"", false},     {"0", false},    {"202", false},  {"9999", false}};
    for (const auto& [year, valid] : cases) {
        ObservationItem item = test::plainRecord(1, test::right(year, 4));
        EXPECT_EQ(item.hasValidYear(), valid) << year;
        EXPECT_EQ(isRecordYear(lineYear(item.reportLine())), valid) << year;  // what the reader will do
        EXPECT_EQ(firstRecordWithoutValidYear({test::plainRecord(1), item, ObservationItem()}),
                  std::optional<std::size_t>(valid ? 2 : 1))
            << year;
    }
}

}  // namespace
}  // namespace selen
