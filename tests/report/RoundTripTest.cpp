#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportReader.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace selen {
namespace {

using test::plainRecord;
using test::repeat;

// One record per comment; a comment given for the U text columns makes its
// record a GSC star with its marker and number.
Report withComments(const std::vector<std::pair<columns::Field, std::string>>& comments)
{
    std::vector<ObservationItem> records;
    for (const auto& [field, text] : comments) {
        records.push_back(plainRecord(int(records.size())));
        if (field.first == columns::kGscCommentText.first) {
            for (const auto& [gsc, value] : test::FieldValues{{columns::kCatalogue, "U"}, {columns::kObjectNumber, ""},
                                                              {columns::kGscMarker, "G"}, {columns::kGscRegion, "1234"},
                                                              {columns::kGscNumber, "   56"}})
                records.back().put(gsc, value);
        }
        records.back().put(field, text);
    }
    return test::reportWith(records);
}

Report withMessage(std::vector<std::string> message, Report report = test::reportWith({plainRecord(1)}))
{
    report.optionsMessage = std::move(message);
    return report;
}

struct Case {
    const char* name;
    std::function<Report()> make;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const std::string kKanji = cp932::fixed("観測");
const Case kCases[] = {
    {"EveryColumn52SitesAndObservers", [] { return test::fullReport(12); }},
    {"CommentsCutAtTheLimit",
     [] {
         return withComments({{columns::kCommentArea, repeat(kKanji, 15)},  // 60 bytes: 54 kept
                              {columns::kCommentArea, "a" + repeat(kKanji, 15)},
                              {columns::kGscCommentText, repeat(kKanji, 12)},  // 48 bytes: 44 kept
                              {columns::kGscCommentText, "a" + repeat(kKanji, 12)},
                              {columns::kCommentArea, cp932::fixed("ﾀｲﾑｲﾝｻｰﾀ　と  空白  ")},
                              {columns::kCommentArea, "    four blanks first"}});
     }},
    {"EmptyHeader",
     [] {
         Report report = test::reportWith({plainRecord(1)});
         report.placeName.clear();
         return report;
     }},
    {"MessageWithBlankLines",
     [] { return withMessage({"", "first", "", "", cp932::fixed("　全角"), "    deep", std::string(kMessageMarker), ""}); }},
    {"NineHundredNinetyNineRecords", [] { return test::fullReport(ObservationItem::kMaxRecords); }},
    {"SameCommentTwice", [] { return withComments({{columns::kCommentArea, "same"}, {columns::kCommentArea, "same"}}); }},
    {"CommentReadingLikeTheMarker",
     [] {
         return withMessage({"message"}, withComments({{columns::kCommentArea, "*** Message to Ostrand ***"},
                                                       {columns::kCommentArea, "after the look-alike"}}));
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
    EXPECT_EQ(std::tie(read.report.placeName, read.report.emailAddress, read.report.representative),
              std::tie(original.placeName, original.emailAddress, original.representative));
    EXPECT_EQ(read.report.headerMessage, original.headerMessage);
    EXPECT_EQ(read.report.optionsMessage, original.optionsMessage);
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
