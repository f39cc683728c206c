#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/StringRoutines.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

using test::record;
using test::repeat;

// Report column k of an item is character ColumnBase + k (1-based).
char at(const ObservationItem& item, std::size_t column) { return item.text()[ObservationItem::ColumnBase + column - 1]; }

TEST(ObservationItem, BlankItemAndNumbering)
{
    ObservationItem item;
    EXPECT_EQ(item.text(), std::string(65, ' ') + "/" + std::string(55, ' '));
    EXPECT_TRUE(item.isBlank());
    item.setRecordNumber(7);
    EXPECT_EQ(item.text().substr(0, 4), "  7 ");
    item.setRecordNumber(999);
    EXPECT_EQ(item.text().substr(0, 4), "999 ");
    EXPECT_THROW(item.setRecordNumber(1000), std::out_of_range);
    EXPECT_THROW(item.setRecordNumber(0), std::out_of_range);
}

TEST(ObservationItem, PutsStayInsideTheirColumns)
{
    ObservationItem item = record({{columns::kTemperature, " -5"}, {columns::kSite, "AB"}, {columns::kObserver, "C"}});
    EXPECT_EQ(item.reportLine(), std::string(56, ' ') + " -5AC");
    EXPECT_EQ(at(item, 62), '/');

    // A U comment of 50 double-byte bytes keeps 44: byte 45 would be half a character.
    item.put(columns::kGscCommentText, repeat(cp932::fixed("接食"), 13));
    EXPECT_EQ(item.columns(columns::kGscCommentText), repeat(cp932::fixed("接食"), 11) + " ");
    EXPECT_EQ(item.columns({63, 10}), std::string(10, ' '));
}

TEST(ObservationItem, CommentLineKeepsLeadingBlanksAndDropsTrailingOnes)
{
    ObservationItem item;
    EXPECT_EQ(item.commentLine(), "");
    item.put(columns::kCommentArea, std::string(55, ' '));
    EXPECT_EQ(item.commentLine(), "");
    item.put(columns::kCommentArea, "  x");
    EXPECT_EQ(item.commentLine(), "      x");
    item.put(columns::kCommentArea, std::string(55, 'c'));
    EXPECT_EQ(item.commentLine(), "    " + std::string(55, 'c'));
}

// A comment line's characters 5-59 become the comment area; a cut that would
// end on a lead byte leaves that byte out.
TEST(ObservationItem, CommentFromLineIsCutAtACharacterBoundary)
{
    const std::string a = cp932::fixed("亜");  // 0x88 0x9F: its trail byte is in the lead range
    const struct {
        const char* name;
        std::string line;
        std::string area;
    } cases[] = {
        {"70 bytes, character across byte 59", "    " + std::string(54, 'x') + a + std::string(10, 'y'),
         std::string(54, 'x')},
        {"character ends at byte 59", "    " + std::string(53, 'x') + a + std::string(11, 'y'), std::string(53, 'x') + a},
        {"double-byte, 70 bytes, cut on a boundary", "    z" + repeat(a, 32) + "w", "z" + repeat(a, 27)},
        {"double-byte, 70 bytes, cut inside", "    " + repeat(a, 33), repeat(a, 27)},
        {"short line", "    ok", "ok"},
        {"only the indent", "    ", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ObservationItem item;
        item.setCommentFromLine(c.line);
        std::string area = c.area;
        area.resize(55, ' ');
        EXPECT_EQ(item.columns(columns::kCommentArea), area);
        EXPECT_EQ(item.text().size(), ObservationItem::kLength);
    }
}

// A record line longer than the record keeps 117 report columns; a double-byte
// character split by the "/" of column 62 or by the cut leaves a blank, never
// half a character.
TEST(ObservationItem, LongRecordLineIsCutWithoutHalfCharacters)
{
    const std::string a = cp932::fixed("亜");
    const std::string base = test::plainRecord(1).reportLine();
    auto line150 = [&](std::size_t doubleAt) {
        std::string line = base + std::string(150 - 61, 'c');
        if (doubleAt != 0)
            line.replace(doubleAt - 1, 2, a);
        return line;
    };
    const struct {
        std::size_t doubleAt;  // report column of the lead byte, 0 for none
        std::size_t blankAt;   // the column that must become a blank, 0 for none
    } cases[] = {{0, 0}, {60, 0}, {61, 61}, {62, 63}, {116, 0}, {117, 117}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.doubleAt);
        const std::string line = line150(c.doubleAt);
        ObservationItem item = ObservationItem::fromReportLine(line);
        std::string expected = line.substr(0, 117);
        expected[61] = '/';
        if (c.blankAt != 0)
            expected[c.blankAt - 1] = ' ';
        EXPECT_EQ(item.text(), "    " + expected);
    }
}

TEST(ObservationItem, ShortLineIsFilledAndCertaintyNormalised)
{
    ObservationItem item = ObservationItem::fromReportLine("2024");
    EXPECT_EQ(item, record({{columns::kYear, "2024"}}));

    for (char certainty : std::string(" 123X0")) {
        ObservationItem line = record({{columns::kYear, "2024"}, {columns::kCertainty, std::string(1, certainty)}});
        line.normaliseCertaintyColumn();
        EXPECT_EQ(at(line, 43), std::string(" 123").find(certainty) != std::string::npos ? certainty : ' ');
    }
}

// Saving passes only the years the reader takes back as records.
TEST(ObservationItem, YearTestPassesOnly1600To2200)
{
    const struct {
        const char* year;
        bool valid;
    } cases[] = {{"1600", true},  {"2200", true}, {"2024", true}, {"1599", false}, {"2201", false},
                 {"", false},      {"0", false},    {"202", false},  {"99", false},   {"9999", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        ObservationItem item = test::plainRecord(1);
        std::string padded = c.year;
        padLeftTo(padded, 4);
        item.put(columns::kYear, padded);
        EXPECT_EQ(item.hasValidYear(), c.valid);
        EXPECT_EQ(firstRecordWithoutValidYear({test::plainRecord(1), item, ObservationItem()}),
                  c.valid ? std::optional<std::size_t>(2) : std::optional<std::size_t>(1));
        EXPECT_EQ(isRecordYear(lineYear(item.reportLine())), c.valid);  // what the reader will do with it
    }
}

}  // namespace
}  // namespace selen
