#include "imports/NorvaleTiming.h"
#include "imports/PastedRecords.h"
#include "imports/PredictionListing.h"

#include "entry/ObservationList.h"
#include "entry/ObservationPage.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

// The observation page over a report of `records` blank records, wired as the editor wires it.
struct Page {
    explicit Page(std::size_t records = 1)
    {
        report.observations.resize(records);
        list.onLoadSelected = [this] { page.loadSelectedRecord(); };
        list.listReset().listen([this] { ++resets; });
        list.replaceAll();
    }
    std::string cols(std::size_t first, std::size_t last) const  // report columns of the selected record
    {
        return list.selectedRecord().text().substr(ObservationItem::ColumnBase + first - 1, last - first + 1);
    }
    Report report = Report::fresh();
    ObservationList list{report};
    ObservationPage page{list};
    int resets = 0;
};

// A listing event line: columns 1-20 (date, time, phenomenon), the star in
// columns 22-28, other predicted values, the limb mark in column 64.
std::string ev(const std::string& head, const std::string& star, char limb = ' ')
{
    std::string line = head + " " + star + "  6.2 K0  87+  45S 12.3  -5  +80 2.1";
    line.resize(63, ' ');
    return line + limb + "  1.5 0.9";
}
const std::string kHead = "24 Jan  5  9  4 30 D";

TEST(PredictionListing, ListsEveryTextLineWholeAndSelectsTheFirstEvent)
{
    const std::string wide(300, '7');
    const std::pair<std::string, std::vector<std::string>> texts[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}}, {"x\r\n\r\ny\r\n", {"x", "", "y"}}, {"", {}}, {wide + "\n", {wide}}};
    for (const auto& [text, lines] : texts)
        EXPECT_EQ(listingLines(text), lines) << text;
    const std::pair<std::vector<std::string>, std::size_t> listings[] = {
        {{}, kNoEventLine}, {{"Occultations 2024", "no digits", ""}, 0}, {{"Date", "", ev(kHead, "   1234")}, 2},
        {{"x", "7"}, 1}, {{"x", "12"}, 1}, {{"x", " 5"}, 1}, {{"123 Jan", "12Jan", "A1 x"}, 2}};
    for (const auto& [lines, index] : listings)
        EXPECT_EQ(selectFirstEventLine(lines), index) << testing::PrintToString(lines);
}

TEST(PredictionListing, ReadsEventLines)
{
    using E = PredictedEvent;
    const E jan5{"2024", " 1", " 5", " 9", " 4", "30", "", "D", "D"};  // kHead, catalogue to come
    const std::pair<std::string, std::string> stars[] = {
        {"   1234", "R  1234"}, {"  12345", "S 12345"}, {" 123456", "S123456"}, {"      7", "R     7"},
        {"X 98765", "X 98765"}, {"XABCDEF", ""},        {"G  1234", ""},        {"   -- ", "R      "}};
    std::vector<std::pair<std::string, E>> cases = {
        {ev("24 Feb 29 23 59  7 r", "  12345", '-'), {"2024", " 2", "29", "23", "59", " 7", "S 12345", "R", "B"}},
        {ev("25 Dec 31 00 00 00 d", " 123456", '+'), {"2025", "12", "31", "00", "00", "00", "S123456", "D", "D"}},
        {ev("24 JAN  5  9  4 30 x", "   1234"), {"2024", "", " 5", " 9", " 4", "30", "R  1234", "", "D"}},
        {kHead + "    1234", {"2024", " 1", " 5", " 9", " 4", "30", "R  1234", "D", "D"}},  // shorter than 64
        {ev("  7Jan  5  9  4 30 D", "   1234"), {"", " 1", " 5", " 9", " 4", "30", "", "D", "D"}},
        {"  Date   Time   P   Star   Mag   Limb -", {}}, {"", {}},
        {"7", {"207", "", "", "", "", "", "R      ", "", "D"}},
        {"24", {"2024", "", "", "", "", "", "R      ", "", "D"}}};
    for (const auto& [star, catalogue] : stars) {
        cases.emplace_back(ev(kHead, star), jan5);
        cases.back().second.catalogue = catalogue;
    }
    for (const auto& [line, expected] : cases) {
        E event{"x", "x", "x", "x", "x", "x", "x", "x", "x"};
        parsePredictionLine(line, event);
        EXPECT_EQ(event, expected) << line;
    }
}

TEST(PredictionTransfer, WritesDateTimeEventAndStarNeverTheSeconds)
{
    const std::pair<std::string, std::string> cases[] = {  // the line, report columns 1-28
        {ev(kHead, "   1234", '-'), "202401050904      R  1234 DB"},
        {ev("24 Feb 29 23 59  7 r", "  12345"), "202402292359      S 12345 RD"},
        {ev(kHead, "X 98765"), "202401050904      X 98765 DD"},
        {ev("24 Jan  5  9  4 30 x", "G  1234"), "202401050904" + std::string(15, ' ') + "D"},
        {ev("24 Jun 35 27 61 30 D", "   1234"), "202406030206      R  1234 DD"}};
    for (const auto& [line, columns] : cases) {
        Page p;
        p.page.second.enter("45");
        p.page.fraction.enter("123");
        p.page.phenomenon.choose(5);
        PredictedEvent event;
        parsePredictionLine(line, event);
        transferPredictedEvent(event, p.page);
        EXPECT_EQ(p.cols(1, 28), columns) << line;
        EXPECT_EQ(p.page.second.text() + p.page.fraction.text(), "");
    }
}

TEST(PredictionTransfer, PutsEvenWhereFieldsAlreadyShowTheValues)
{
    Page p;
    p.page.catalogue.choose(5);  // an asteroid before: its field goes out of use
    p.page.asteroidNumber.enter("433");
    PredictedEvent event;
    parsePredictionLine(ev(kHead, "   1234", '-'), event);
    transferPredictedEvent(event, p.page);
    for (columns::Field f : {columns::Field{1, 12}, columns::Field{19, 7}, columns::Field{27, 2}})
        p.list.putSelected(f, std::string(f.width, '9'));
    transferPredictedEvent(event, p.page);
    EXPECT_EQ(p.cols(1, 28), "202401050904      R  1234 DB");
    EXPECT_FALSE(p.page.asteroidNumber.enabled());

    const std::string before = p.list.selectedRecord().text();  // no year: nothing happens
    for (const std::string line : {"  7Jan  5  9  4 30 D    1234", "Heading"}) {
        parsePredictionLine(line, event);
        transferPredictedEvent(event, p.page);
        EXPECT_EQ(p.list.selectedRecord().text(), before) << line;
        EXPECT_EQ(p.page.month.text(), "1");
    }
}

TEST(NorvaleTiming, TakesHourMinuteSecondAndFractionOnly)
{
    const std::string n = "123456789012345678901234567890123";  // columns 1-33, not read
    const std::pair<std::string, std::string> cases[] = {         // the clipboard, report columns 9-18
        {n + "123456.789", "123456.789"}, {n + "123456.7891", "123456.78 "}, {n + "123456.78", "123456.78 "},
        {n + "12345", "123405    "}, {n, "          "}, {"", "          "},
        {n + "123456.789\r\n" + n + "000000.000", "123456.789"}, {n + "99x9ab.7z9", "0909  .79 "},
        {n + "\x82\x50\x82\x51" "56.789", "    56.789"}};
    for (const auto& [clipboard, columns] : cases) {
        Page p;
        p.page.enterDate(2024, 1, 5);
        for (auto [field, text] : {std::pair{&p.page.hour, "23"}, std::pair{&p.page.minute, "59"},
                                   std::pair{&p.page.second, "58"}, std::pair{&p.page.fraction, "999"}})
            field->enter(text);
        std::string expected = p.list.selectedRecord().text();
        expected.replace(ObservationItem::ColumnBase + 8, 10, columns);
        takeNorvaleTiming(clipboard, p.page);
        EXPECT_EQ(p.list.selectedRecord().text(), expected) << clipboard;
    }
}

const std::string kRecord = "20240105090430.123S 12345 DD     EG G0.04 1    0.5   11  -5AA";

TEST(PastedRecords, TellsRecordLines)
{
    const std::tuple<std::size_t, std::string, bool> cases[] = {  // kRecord with the text from the column
        {1, "   12345", true}, {1, "+2024010", true}, {1, "-2024010", true}, {1, "$7E80105", true},
        {1, "0x7E8010", true}, {1, "2024 1 5", false}, {1, "2024010 ", false}, {1, "        ", false},
        {1, "+-202401", false}, {1, "$GGGGGGG", false}, {1, "0x      ", false}, {1, "1.240105", false},
        {19, "R", true}, {19, "X", true}, {19, "U", false}, {19, "A", false}, {19, "P", false}, {19, "r", false},
        {30, "\t", false}, {40, "\x82\xa0", false}, {61, "\x7f", false}, {62, "x\x82\xa0", true}};
    for (const auto& [column, text, record] : cases) {
        std::string line = kRecord;
        line.resize(std::max(line.size(), column - 1 + text.size()), ' ');
        EXPECT_EQ(isPastedRecordLine(line.replace(column - 1, text.size(), text)), record) << line;
    }
    EXPECT_FALSE(isPastedRecordLine(kRecord.substr(0, 18)));
    EXPECT_TRUE(isPastedRecordLine(kRecord.substr(0, 19)));
}

// Adding stops at the first refused line and at 999 records; each record
// added is numbered, selected and loaded.
TEST(PastedRecords, AddsUpToTheFirstRefusedLineAndTheCeilingAndLoadsEachRecord)
{
    const std::string u = std::string(kRecord).replace(18, 1, "U");
    const std::string r = kRecord + "\n";
    const std::tuple<std::size_t, std::string, std::size_t> cases[] = {  // records before, paste, added
        {1, "", 0}, {1, "Heading\r\n" + kRecord, 0}, {1, u + "\n" + r, 0}, {1, r + u + "\n" + r, 1},
        {1, r + r + kRecord + "\r\n\n" + r + r, 3}, {998, r + r + r, 1}, {999, r, 0}};
    for (const auto& [before, text, added] : cases) {
        Page p(before);
        EXPECT_EQ(addPastedRecords(text, p.list), added) << text;
        EXPECT_EQ(p.list.size(), before + added);
    }
    Page p;
    p.resets = 0;
    const std::string comment = "comment", blanks(55, ' ');
    const std::string paste = kRecord + "\n" + kRecord.substr(0, 19) + "\n" + kRecord + "X" + comment;
    EXPECT_EQ(addPastedRecords(paste, p.list), 3u);
    EXPECT_TRUE(p.report.observations[0].isBlank());
    EXPECT_EQ(p.report.observations[1].text(), "  2 " + kRecord + "/" + blanks);
    EXPECT_EQ(p.report.observations[2].text(), "  3 " + kRecord.substr(0, 19) + std::string(42, ' ') + "/" + blanks);
    EXPECT_EQ(p.report.observations[3].text(), "  4 " + kRecord + "/" + comment + blanks.substr(comment.size()));
    EXPECT_EQ(p.list.selected(), 3u);
    EXPECT_EQ(p.page.comment.text(), comment);
    EXPECT_GT(p.resets, 0);
}

}  // namespace
}  // namespace selen
