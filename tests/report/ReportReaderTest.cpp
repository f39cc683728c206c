#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportReader.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

using test::crlf;
using test::plainRecord;

const std::string kMarker(kMessageMarker);

std::string withYear(const std::string& year, int n) { return year + plainRecord(n).reportLine().substr(4); }

// Text without any report line gives the defaults.
TEST(ReportReader, HeaderSitesObserversRecordsAndComments)
{
    for (const std::string& text : {std::string(), std::string("\r\n"), std::string("TA first line\nhello"),
                                    std::string("\xFF\x00\x01\r", 4)})
        EXPECT_EQ(parseReportText(text).report, Report::fresh());
    std::vector<std::string> lines = {plainRecord(1).reportLine(),  // line 0 is never a record
                                      "Place name     Tokyo  ", "Email address  a@b.jp", "Representative",
                                      "Message        one",     "Message        ",      "Message        two",
                                      "Place name     second",  "Time is a site line"};
    for (int i = 0; i < 53; ++i)
        lines.insert(lines.end(), {"T" + std::to_string(i), "O" + std::to_string(i)});
    const Report report = parseReportText(crlf(lines)).report;
    EXPECT_EQ(report.placeName + "|" + report.emailAddress + "|" + report.representative, "Tokyo  |a@b.jp|");
    EXPECT_EQ(report.headerMessage, (std::vector<std::string>{"one", "two"}));
    ASSERT_EQ(report.sites.size(), 52u);
    EXPECT_EQ(report.sites[0].text(), "Time is a site line");
    EXPECT_EQ(report.sites[51].text(), "T50");
    ASSERT_EQ(report.observers.size(), 52u);
    EXPECT_EQ(report.observers[51].text(), "O51");
    EXPECT_EQ(report.observations, Report::fresh().observations);
    // Records take the comment line after them; stray lines and records of other years are passed over.
    const std::vector<ObservationItem> items =
        parseReportText(crlf({"", withYear("2024", 1), "    first comment", "    stray second comment",
                              withYear("2024", 2).replace(42, 1, "X"), withYear("  99", 3), withYear("1599", 3),
                              withYear("2201", 3), withYear("1700", 4), "    comment of 1700", withYear("2150", 5),
                              withYear("2024", 6), "    same comment", withYear("2024", 7), "    same comment"}))
            .report.observations;
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].commentLine(), "    first comment");
    EXPECT_EQ(items[1].column(43), ' ');  // certainty normalised
    EXPECT_EQ(std::string(items[2].columns(columns::kYear)) + items[2].commentLine(), "1700    comment of 1700");
    EXPECT_EQ(items[3].columns(columns::kYear), "2150");  // the scan goes on after 1700 and 2150
    EXPECT_EQ(items[4].commentLine() + "|" + items[5].commentLine(), "    same comment|    same comment");
    EXPECT_EQ(items[5].text().substr(0, 4), "  6 ");
}

// Lines that nearly match what the reader looks for are passed over: labels
// match exactly and the first labelled line decides, a comment needs four
// blanks, the marker is a whole line, the certainty keeps only blank, 1, 2, 3.
TEST(ReportReader, NearMissesArePassedOver)
{
    std::vector<std::string> lines = {"",
                                      "email address  lower@case.jp",
                                      "Email address  a@b.jp",
                                      "Representative",
                                      "Representative later",
                                      withYear("2024", 1),
                                      "   three blanks",
                                      kMarker + " ",
                                      kMarker + "x"};
    const std::string certainties = " 1230X4a";
    for (char c : certainties)
        lines.push_back(withYear("2024", 2).replace(42, 1, 1, c));
    const Report report = parseReportText(crlf(lines)).report;
    EXPECT_EQ(report.emailAddress + "|" + report.representative, "a@b.jp|");
    ASSERT_EQ(report.observations.size(), 1 + certainties.size());
    EXPECT_EQ(report.observations[0].commentLine(), "");
    EXPECT_TRUE(report.optionsMessage.empty());
    std::string kept;
    for (std::size_t i = 1; i < report.observations.size(); ++i)
        kept += report.observations[i].column(43);
    EXPECT_EQ(kept, " 123    ");
}

TEST(ReportReader, ThousandRecordsKeepTheFirst999)
{
    std::vector<std::string> lines = {"", "TA", "", "OA", ""};
    for (int i = 0; i < 1000; ++i)
        lines.insert(lines.end(), {plainRecord(i).reportLine(), "    comment " + std::to_string(i)});
    lines.insert(lines.end(), {"", "", kMarker, "    ", "    after"});
    const ReadReport read = parseReportText(crlf(lines));
    EXPECT_EQ(read.recordsLeftOut, 1u);
    ASSERT_EQ(read.report.observations.size(), 999u);
    EXPECT_EQ(read.report.observations.back().commentLine(), "    comment 998");
    EXPECT_EQ(read.report.optionsMessage, std::vector<std::string>{"after"});
}

// After the marker every line is message text, whatever it looks like; each
// loses at most four leading spaces and nothing inside.
TEST(ReportReader, MessageBlockReadsAsWritten)
{
    const std::pair<std::string, std::string> message[] = {
        {"Place name     not a header", "Place name     not a header"},
        {"Representative not a header", "Representative not a header"},
        {"Message        not a header message", "Message        not a header message"},
        {"TB  not a site", "TB  not a site"}, {"OB  not an observer", "OB  not an observer"},
        {"  " + plainRecord(2).reportLine(), plainRecord(2).reportLine()},
        {"      two kept", "  two kept"}, {"   lost its indent", "lost its indent"},
        {"    inner    spaces  kept  ", "inner    spaces  kept  "}, {"  " + cp932::fixed("　全角"), cp932::fixed("　全角")},
        {"", ""}, {"     ", " "}, {kMarker, kMarker.substr(4)}};
    std::vector<std::string> lines = {"Email address  a@b.jp", "", "TA", "", "OA", "", plainRecord(1).reportLine(), "",
                                      "", kMarker, "    this line is passed over"};
    std::vector<std::string> expected;
    for (const auto& [written, read] : message) {
        lines.push_back(written);
        expected.push_back(read);
    }
    const Report report = parseReportText(crlf(lines)).report;
    EXPECT_EQ(report.placeName + "|" + report.emailAddress + "|" + report.representative, "|a@b.jp|");
    EXPECT_TRUE(report.headerMessage.empty());
    EXPECT_EQ(report.sites.size() + report.observers.size() + report.observations.size(), 3u);
    EXPECT_EQ(report.optionsMessage, expected);
}

}  // namespace
}  // namespace selen
