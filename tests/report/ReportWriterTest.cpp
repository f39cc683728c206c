#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

using test::crlf;

TEST(ReportWriter, WritesEveryBlockInItsPlace)
{
    Report report;
    report.placeName = "Tokyo";
    report.representative = "S. Rep";
    report.headerMessage = {cp932::fixed("晴れ")};
    const std::string site = SiteLine::create(0).text();
    report.sites = {SiteLine::create(0), SiteLine::fromText(""), SiteLine::fromText("TB")};
    ObserverLine observer = ObserverLine::create(0);
    observer.setName("N. Tanaka");
    report.observers = {observer, ObserverLine::fromText(" / "), ObserverLine::create(1)};
    ObservationItem withComment = test::plainRecord(1);
    withComment.put(columns::kCommentArea, "  x");
    ObservationItem onlyColumnOne = test::record({{columns::kYear, "2"}});  // column 1 alone: still blank
    report.observations = {withComment, ObservationItem(), onlyColumnOne, test::plainRecord(2)};
    report.renumber();
    report.optionsMessage = {"first", "", cp932::fixed("　"), "  indented"};

    EXPECT_EQ(buildReportText(report), crlf({
                                           "Place name     Tokyo",
                                           "Representative S. Rep",
                                           "Message        " + cp932::fixed("晴れ"),
                                           "",
                                           site,
                                           "TB",
                                           "",
                                           "OA  N. Tanaka",
                                           "OB",
                                           "",
                                           test::plainRecord(1).reportLine(),
                                           "      x",
                                           test::plainRecord(2).reportLine(),
                                           "",
                                           "",
                                           "    *** Message to Ostrand ***",
                                           "    ",
                                           "    first",
                                           "    ",
                                           "    " + cp932::fixed("　"),
                                           "      indented",
                                       }));
    EXPECT_EQ(test::plainRecord(1).reportLine().size(), 61u);
}

TEST(ReportWriter, EmptyHeaderAndBlankMessageWriteNoExtraLines)
{
    Report report = Report::fresh();
    report.observations = {test::plainRecord(1)};
    report.renumber();
    const std::vector<std::vector<std::string>> blankMessages = {
        {}, {""}, {"   ", ""}, {cp932::fixed("　　"), " " + cp932::fixed("　") + " "}};
    for (const auto& message : blankMessages) {
        report.optionsMessage = message;
        EXPECT_EQ(buildReportText(report), crlf({"", SiteLine::create(0).text(), "", "OA", "",
                                                 test::plainRecord(1).reportLine()}));
        EXPECT_EQ(messageBlock(message), "");
    }
}

TEST(ReportWriter, EveryLineEndsWithCrLf)
{
    Report report = test::reportWith({test::plainRecord(1), test::plainRecord(2)});
    report.observations[0].put(columns::kCommentArea, cp932::fixed("コメント"));
    report.optionsMessage = {"a", "b"};
    const std::string text = buildReportText(report);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_EQ(text[i - 1], '\r') << "at byte " << i;
        }
        if (text[i] == '\r') {
            EXPECT_EQ(text[i + 1], '\n') << "at byte " << i;
        }
    }
}

}  // namespace
}  // namespace selen
