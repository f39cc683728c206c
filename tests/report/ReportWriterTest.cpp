#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportReader.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace selen {
namespace {

using namespace columns;
using test::crlf;
using test::plainRecord;
using test::repeat;

// Record lines are written out: 61 characters, trailing blanks kept.
const std::string kRecord1 = "20240315111111    R     1 DD     EG G     1          12    AA";
const std::string kRecord2 = "20240315121212    R     2 DD     EG G     1          12    AA";

TEST(ReportWriter, WritesEveryBlockInItsPlace)
{
    ObservationItem withComment = plainRecord(1);
    withComment.put(kCommentArea, "  x");
    const ObservationItem onlyColumnOne = test::record({{kYear, "2"}});  // still a blank record
    Report report{"Tokyo", "", "S. Rep", {cp932::fixed("晴れ")},
                  {SiteLine::create(0), SiteLine::fromText(""), SiteLine::fromText("TB")},
                  {ObserverLine::fromText("OA  N. Tanaka"), ObserverLine::fromText(" / "), ObserverLine::create(1)},
                  {withComment, ObservationItem(), onlyColumnOne, plainRecord(2), test::record({{kYear, "2024"}})},
                  {"first", "", cp932::fixed("　"), "  indented"}};
    report.renumber();

    EXPECT_EQ(buildReportText(report),
              crlf({"Place name     Tokyo", "Representative S. Rep", "Message        " + cp932::fixed("晴れ"), "",
                    "TA" + std::string(51, ' '), "TB", "", "OA  N. Tanaka", "OB", "", kRecord1, "      x", kRecord2,
                    "2024" + std::string(57, ' '), "", "", "    *** Message to Ostrand ***", "    ", "    first", "    ",
                    "    " + cp932::fixed("　"), "      indented"}));

    // An empty header and a blank message write no extra lines.
    report = test::reportWith({plainRecord(1)});
    report.placeName.clear();
    for (const std::vector<std::string>& message :
         {std::vector<std::string>{}, {""}, {"   ", ""}, {cp932::fixed("　　"), " " + cp932::fixed("　") + " "}}) {
        report.optionsMessage = message;
        EXPECT_EQ(buildReportText(report), crlf({"", "TA" + std::string(51, ' '), "", "OA", "", kRecord1}));
        EXPECT_EQ(messageBlock(message), "");
    }
    EXPECT_EQ(messageBlock({"\t"}), crlf({"", "", "    *** Message to Ostrand ***", "    ", "    \t"}));  // a tab is text
}

// One record per comment, then the message; a comment given for the U text
// columns makes its record a GSC star with its marker and number.
Report withComments(const std::vector<std::pair<Field, std::string>>& comments, std::vector<std::string> message = {})
{
    std::vector<ObservationItem> records;
    for (const auto& [field, text] : comments) {
        records.push_back(plainRecord(int(records.size())));
        if (field.first == kGscCommentText.first)
            for (const auto& [gsc, value] : test::FieldValues{
                     {kCatalogue, "U"}, {kObjectNumber, ""}, {kGscMarker, "G"}, {kGscRegion, "1234"}, {kGscNumber, "   56"}})
                records.back().put(gsc, value);
        records.back().put(field, text);
    }
    Report report = test::reportWith(records);
    report.optionsMessage = std::move(message);
    return report;
}

struct Case { const char* name; std::function<Report()> make; };
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const std::string kKanji = cp932::fixed("観測");
const Case kCases[] = {
    {"EveryColumn52SitesAndObservers", [] { return test::fullReport(12); }},
    {"CommentsCutAtTheLimit",  // 60 bytes with 54 kept, 48 bytes with 44 kept
     [] {
         return withComments({{kCommentArea, repeat(kKanji, 15)}, {kCommentArea, "a" + repeat(kKanji, 15)},
                              {kGscCommentText, repeat(kKanji, 12)}, {kGscCommentText, "a" + repeat(kKanji, 12)},
                              {kCommentArea, cp932::fixed("ﾀｲﾑｲﾝｻｰﾀ　と  空白  ")}, {kCommentArea, "    four blanks first"}});
     }},
    {"EmptyHeader", [] { Report report = test::reportWith({plainRecord(1)}); report.placeName.clear(); return report; }},
    {"MessageWithBlankLines", [] {
         return withComments({{kCommentArea, ""}},
                             {"", "first", "", "", cp932::fixed("　全角"), "    deep", std::string(kMessageMarker), ""});
     }},
    {"NineHundredNinetyNineRecords", [] { return test::fullReport(ObservationItem::kMaxRecords); }},
    {"SameCommentTwice", [] { return withComments({{kCommentArea, "same"}, {kCommentArea, "same"}}); }},
    {"CommentReadingLikeTheMarker", [] {
         return withComments({{kCommentArea, "*** Message to Ostrand ***"}, {kCommentArea, "after the look-alike"}},
                             {"message"});
     }},
};

class RoundTrip : public testing::TestWithParam<Case> {};

// build -> parse -> build gives the same bytes, and every item comes back as held.
TEST_P(RoundTrip, BuildParseBuildIsByteIdentical)
{
    const Report original = GetParam().make();
    const std::string text = buildReportText(original);
    const ReadReport read = parseReportText(text);
    EXPECT_EQ(read.recordsLeftOut, 0u);
    EXPECT_EQ(buildReportText(read.report), text);
    EXPECT_EQ(read.report.observations, original.observations);
    EXPECT_EQ(read.report.sites, original.sites);
    const Report& r = read.report;
    EXPECT_EQ(std::tie(r.placeName, r.emailAddress, r.representative, r.headerMessage, r.optionsMessage),
              std::tie(original.placeName, original.emailAddress, original.representative, original.headerMessage,
                       original.optionsMessage));
}

INSTANTIATE_TEST_SUITE_P(Reports, RoundTrip, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A report written by hand for the tests gives back its own bytes: 52 sites,
// every column, both comment layouts, a double-byte comment at the limit,
// records of 1700 and 2150, message lines that look like other lines.
TEST(RoundTripFile, FullReportFixtureWritesBackItsOwnBytes)
{
    const std::string bytes = test::readBytes(test::fixturePath("full-report.LOR"));
    const ReadReport read = parseReportText(bytes);
    EXPECT_EQ(read.report.sites.size() + read.report.observers.size(), 104u);
    EXPECT_EQ(read.report.observations.size(), 10u);
    EXPECT_EQ(read.report.optionsMessage.size(), 9u);
    EXPECT_EQ(buildReportText(read.report), bytes);
}

}  // namespace
}  // namespace selen
