#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportReader.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

using test::crlf;
using test::plainRecord;

const std::string kMarker(kMessageMarker);

TEST(ReportReader, TextWithoutAnyReportLineGivesTheDefaults)
{
    for (const std::string& text : {std::string(), std::string("\r\n"), std::string("hello\r\nworld"),
                                    std::string("\xFF\xFE\x00\x01\r", 5)}) {
        ReadReport read = parseReportText(text);
        EXPECT_EQ(read.report, Report::fresh());
        EXPECT_EQ(read.recordsLeftOut, 0u);
    }
}

TEST(ReportReader, HeaderValuesAndFirstLine)
{
    const Report report = parseReportText(crlf({
                                              plainRecord(1).reportLine(),  // line 0 is never a record
                                              "Place name     Tokyo  ",
                                              "Email address  a@b.jp",
                                              "Representative",
                                              "Message        one",
                                              "Message        ",
                                              "Message        two",
                                              "Place name     second",
                                              "TB  first site",
                                              "Time is not a header",
                                          }))
                              .report;
    EXPECT_EQ(report.placeName, "Tokyo  ");
    EXPECT_EQ(report.emailAddress, "a@b.jp");
    EXPECT_EQ(report.representative, "");
    EXPECT_EQ(report.headerMessage, (std::vector<std::string>{"one", "two"}));
    ASSERT_EQ(report.sites.size(), 2u);
    EXPECT_EQ(report.sites[1].text(), "Time is not a header");
    EXPECT_EQ(report.observations, Report::fresh().observations);
    EXPECT_EQ(parseReportText(crlf({"TX", "OX"})).report.sites, Report::fresh().sites);
}

TEST(ReportReader, TakesAtMost52SitesAndObservers)
{
    std::vector<std::string> lines = {""};
    for (int i = 0; i < 53; ++i) {
        lines.push_back("T" + std::to_string(i));
        lines.push_back("O" + std::to_string(i));
    }
    const Report report = parseReportText(crlf(lines)).report;
    ASSERT_EQ(report.sites.size(), 52u);
    ASSERT_EQ(report.observers.size(), 52u);
    EXPECT_EQ(report.sites.back().text(), "T51");
    EXPECT_EQ(report.observers.back().text(), "O51");
}

TEST(ReportReader, RecordsCommentsAndStrayLines)
{
    ObservationItem second = plainRecord(2);
    second.put(columns::kCertainty, "X");
    const ReadReport read = parseReportText(crlf({
        "",
        plainRecord(1).reportLine(),
        "    first comment",
        "    stray second comment",
        second.reportLine(),
        "  99" + plainRecord(3).reportLine().substr(4),  // year 99: not a record
        "1599" + plainRecord(3).reportLine().substr(4),
        "2201" + plainRecord(3).reportLine().substr(4),
        "1700" + plainRecord(4).reportLine().substr(4),  // the scan goes on past any year 1600-2200
        "    comment of 1700",
        "2150" + plainRecord(5).reportLine().substr(4),
        plainRecord(6).reportLine(),
        "    same comment",
        plainRecord(7).reportLine(),
        "    same comment",
    }));
    const std::vector<ObservationItem>& items = read.report.observations;
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].commentLine(), "    first comment");
    EXPECT_EQ(items[1].column(43), ' ');
    EXPECT_EQ(items[2].columns(columns::kYear), "1700");
    EXPECT_EQ(items[2].commentLine(), "    comment of 1700");
    EXPECT_EQ(items[3].columns(columns::kYear), "2150");
    EXPECT_EQ(items[4].commentLine(), "    same comment");
    EXPECT_EQ(items[5].commentLine(), "    same comment");
    EXPECT_EQ(items[5].text().substr(0, 4), "  6 ");
    EXPECT_TRUE(read.report.optionsMessage.empty());
}

TEST(ReportReader, ThousandRecordsKeepTheFirst999)
{
    std::vector<std::string> lines = {"", "TA", "", "OA", ""};
    for (int i = 0; i < 1000; ++i) {
        lines.push_back(plainRecord(i).reportLine());
        lines.push_back("    comment " + std::to_string(i));
    }
    lines.insert(lines.end(), {"", "", kMarker, "    ", "    after"});
    const ReadReport read = parseReportText(crlf(lines));
    EXPECT_EQ(read.recordsLeftOut, 1u);
    ASSERT_EQ(read.report.observations.size(), 999u);
    EXPECT_EQ(read.report.observations.back().commentLine(), "    comment 998");
    EXPECT_EQ(read.report.observations.back().text().substr(0, 4), "999 ");
    EXPECT_EQ(read.report.optionsMessage, std::vector<std::string>{"after"});
}

// Lines after the marker are message text, whatever they look like; each
// loses at most four leading spaces and nothing inside.
TEST(ReportReader, MessageBlockReadsAsWritten)
{
    const ReadReport read = parseReportText(crlf({
        "Place name     Tokyo",
        "",
        "TA",
        "",
        "OA",
        "",
        plainRecord(1).reportLine(),
        "",
        "",
        kMarker,
        "    this line is passed over",
        "    Place name     Osaka",
        "Message        not a header message",
        "TB  not a site",
        "OB  not an observer",
        "  " + plainRecord(2).reportLine(),
        "      two kept",
        "   lost its indent",
        "no indent at all",
        "    inner    spaces  kept  ",
        "",
        "  ",
        kMarker,
    }));
    const Report& report = read.report;
    EXPECT_EQ(report.placeName, "Tokyo");
    EXPECT_TRUE(report.headerMessage.empty());
    EXPECT_EQ(report.sites.size(), 1u);
    EXPECT_EQ(report.observers.size(), 1u);
    EXPECT_EQ(report.observations.size(), 1u);
    EXPECT_EQ(report.optionsMessage, (std::vector<std::string>{
                                         "Place name     Osaka",
                                         "Message        not a header message",
                                         "TB  not a site",
                                         "OB  not an observer",
                                         plainRecord(2).reportLine(),
                                         "  two kept",
                                         "lost its indent",
                                         "no indent at all",
                                         "inner    spaces  kept  ",
                                         "",
                                         "",
                                         kMarker.substr(4),
                                     }));
}

TEST(ReportReader, MessageIndentRemoval)
{
    const struct {
        std::string in;
        std::string out;
    } cases[] = {{"", ""}, {"   ", ""}, {"    ", ""}, {"     ", " "}, {"x  y", "x  y"}, {" x y", "x y"},
                 {"      x", "  x"}, {"  " + cp932::fixed("　") + "x", cp932::fixed("　") + "x"}};
    for (const auto& c : cases)
        EXPECT_EQ(withoutMessageIndent(c.in), c.out) << '"' << c.in << '"';
}

}  // namespace
}  // namespace selen
