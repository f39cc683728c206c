#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

using test::crlf;
using test::plainRecord;

TEST(ReportWriter, WritesEveryBlockInItsPlace)
{
    Report report;
    report.placeName = "Tokyo";
    report.representative = "S. Rep";
    report.headerMessage = {cp932::fixed("晴れ")};
    report.sites = {SiteLine::create(0), SiteLine::fromText(""), SiteLine::fromText("TB")};
    ObserverLine observer = ObserverLine::create(0);
    observer.setName("N. Tanaka");
    report.observers = {observer, ObserverLine::fromText(" / "), ObserverLine::create(1)};
    ObservationItem withComment = plainRecord(1);
    withComment.put(columns::kCommentArea, "  x");
    const ObservationItem onlyColumnOne = test::record({{columns::kYear, "2"}});  // still a blank record
    report.observations = {withComment, ObservationItem(), onlyColumnOne, plainRecord(2)};
    report.renumber();
    report.optionsMessage = {"first", "", cp932::fixed("　"), "  indented"};

    EXPECT_EQ(buildReportText(report),
              crlf({"Place name     Tokyo", "Representative S. Rep", "Message        " + cp932::fixed("晴れ"), "",
                    SiteLine::create(0).text(), "TB", "", "OA  N. Tanaka", "OB", "", plainRecord(1).reportLine(),
                    "      x", plainRecord(2).reportLine(), "", "", "    *** Message to Ostrand ***", "    ",
                    "    first", "    ", "    " + cp932::fixed("　"), "      indented"}));
}

TEST(ReportWriter, EmptyHeaderAndBlankMessageWriteNoExtraLines)
{
    Report report = Report::fresh();
    report.observations = {plainRecord(1)};
    for (const std::vector<std::string>& message :
         {std::vector<std::string>{}, {""}, {"   ", ""}, {cp932::fixed("　　"), " " + cp932::fixed("　") + " "}}) {
        report.optionsMessage = message;
        EXPECT_EQ(buildReportText(report),
                  crlf({"", SiteLine::create(0).text(), "", "OA", "", plainRecord(1).reportLine()}));
        EXPECT_EQ(messageBlock(message), "");
    }
}

}  // namespace
}  // namespace selen
