#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportReader.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

#include <functional>

namespace selen {
namespace {

using test::fullRecord;
using test::plainRecord;
using test::repeat;

struct RoundTripCase {
    const char* name;
    std::function<Report()> make;
};

Report withComments(const std::vector<std::pair<columns::Field, std::string>>& comments)
{
    std::vector<ObservationItem> records;
    for (const auto& [field, text] : comments) {
        ObservationItem item = plainRecord(int(records.size()));
        if (field.first == columns::kGscCommentText.first) {
            for (const auto& [gscField, value] : test::FieldValues{{columns::kCatalogue, "U"}, {columns::kObjectNumber, ""},
                                                                    {columns::kGscMarker, "G"}, {columns::kGscRegion, "1234"},
                                                                    {columns::kGscNumber, "   56"}})
                item.put(gscField, value);
        }
        item.put(field, text);
        records.push_back(item);
    }
    return test::reportWith(records);
}

const RoundTripCase kCases[] = {
    {"EveryColumn", [] { return test::fullReport(12); }},
    {"CommentsCutAtTheLimit",
     [] {
         const std::string kanji = cp932::fixed("観測");
         return withComments({{columns::kCommentArea, repeat(kanji, 15)},        // 60 bytes: 54 kept
                              {columns::kCommentArea, "a" + repeat(kanji, 15)},  // 55 kept
                              {columns::kGscCommentText, repeat(kanji, 12)},     // 48 bytes: 44 kept
                              {columns::kGscCommentText, "a" + repeat(kanji, 12)},
                              {columns::kCommentArea, cp932::fixed("ﾀｲﾑｲﾝｻｰﾀ　と  空白  ")},
                              {columns::kCommentArea, "    four blanks first"}});
     }},
    {"EmptyHeader",
     [] {
         Report report = Report::fresh();
         report.observations = {plainRecord(1)};
         report.renumber();
         return report;
     }},
    {"MessageWithBlankLines",
     [] {
         Report report = test::reportWith({plainRecord(1)});
         report.optionsMessage = {"", "first", "", "", cp932::fixed("　全角"), "    deep", "*** Message to Ostrand ***", ""};
         return report;
     }},
    {"HeaderInJapanese",
     [] {
         Report report = test::reportWith({plainRecord(1)});
         report.placeName = cp932::fixed("八王子市  ");
         report.emailAddress = "  spaced@example.jp";
         report.representative = cp932::fixed("代表 者");
         report.headerMessage = {cp932::fixed("晴れ　時々曇り"), "  second"};
         return report;
     }},
    {"FiftyTwoSitesAndObservers", [] { return test::fullReport(3); }},
    {"NineHundredNinetyNineRecords", [] { return test::fullReport(ObservationItem::kMaxRecords); }},
    {"YearsAcrossTheRange",
     [] {
         return test::reportWith({plainRecord(1, "1600"), plainRecord(2, "1700"), plainRecord(3, "1899"),
                                  plainRecord(4, "2101"), plainRecord(5, "2150"), plainRecord(6, "2200")});
     }},
    {"SameCommentTwice",
     [] { return withComments({{columns::kCommentArea, "same"}, {columns::kCommentArea, "same"}}); }},
    {"CommentReadingLikeTheMarker",
     [] {
         Report report = withComments({{columns::kCommentArea, "*** Message to Ostrand ***"},
                                       {columns::kCommentArea, "after the look-alike"}});
         report.optionsMessage = {"message"};
         return report;
     }},
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

// build -> parse -> build gives the same bytes, and the records come back
// exactly as they were held.
TEST_P(RoundTrip, BuildParseBuildIsByteIdentical)
{
    const Report original = GetParam().make();
    const std::string text = buildReportText(original);
    const ReadReport read = parseReportText(text);
    EXPECT_EQ(read.recordsLeftOut, 0u);
    EXPECT_EQ(buildReportText(read.report), text);
    EXPECT_EQ(read.report.observations, original.observations);
    EXPECT_EQ(read.report.placeName, original.placeName);
    EXPECT_EQ(read.report.emailAddress, original.emailAddress);
    EXPECT_EQ(read.report.representative, original.representative);
    EXPECT_EQ(read.report.headerMessage, original.headerMessage);
    EXPECT_EQ(read.report.optionsMessage, original.optionsMessage);
    EXPECT_EQ(read.report.sites, original.sites);
}

INSTANTIATE_TEST_SUITE_P(Reports, RoundTrip, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

// A report written by hand for these tests reads and writes back to its own
// bytes: 52 sites, every column, both comment layouts, a double-byte comment
// at the limit, records of 1700 and 2150, message lines that look like
// header, site and record lines.
TEST(RoundTripFile, FullReportFixtureWritesBackItsOwnBytes)
{
    const std::string bytes = test::readBytes(test::fixturePath("full-report.LOR"));
    const ReadReport read = parseReportText(bytes);
    EXPECT_EQ(read.report.sites.size(), 52u);
    EXPECT_EQ(read.report.observers.size(), 52u);
    EXPECT_EQ(read.report.observations.size(), 10u);
    EXPECT_EQ(read.report.optionsMessage.size(), 9u);
    EXPECT_EQ(buildReportText(read.report), bytes);
}

}  // namespace
}  // namespace selen
