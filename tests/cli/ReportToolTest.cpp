#include "TestSupport.h"

#include "cli/ReportTool.h"
#include "report/PosixFileSystem.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace selen {
namespace {

using Files = std::map<std::string, std::string>;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun run(const std::vector<std::string>& args)
{
    PosixFileSystem fs;
    std::ostringstream out, err;
    int status = cli::runReportTool(args, fs, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::vector<std::string>> tsvRows(const std::string& out)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        rows.emplace_back();
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            rows.back().push_back(field);
    }
    return rows;
}

TEST(ReportTool, CheckPassesCleanWrittenReports)
{
    test::TempDir dir;
    test::writeBytes(dir.path("written.LOR"), buildReportText(test::fullReport(30)));
    ToolRun result = run({"check", test::fixturePath("full-report.LOR"), dir.path("written.LOR")});
    EXPECT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_NE(result.out.find("0 problems"), std::string::npos) << result.out;
}

TEST(ReportTool, CheckListsExactlyTheProblemsOfTheFile)
{
    const std::string file = test::fixturePath("problems.LOR");
    ToolRun tsv = run({"check", "--format=tsv", file});
    EXPECT_EQ(tsv.status, 1);
    const std::vector<std::vector<std::string>> expected = {
        {"file", "line", "record", "first_column", "last_column", "problem"},
        {file, "9", "0", "1", "4", "missing-year"},
        {file, "10", "2", "27", "27", "bad-code"},
        {file, "11", "3", "60", "60", "unknown-site"}};
    std::vector<std::vector<std::string>> rows = tsvRows(tsv.out);
    ASSERT_EQ(rows.size(), expected.size()) << tsv.out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 7u) << tsv.out;
        EXPECT_EQ(std::vector<std::string>(rows[i].begin(), rows[i].begin() + 6), expected[i]);
    }

    ToolRun text = run({"check", file});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(tsvRows(text.out).size(), 4u) << text.out;  // three problems and the summary
    EXPECT_NE(text.out.find(file + ":10: record 2, column 27: phenomenon code \"Z\""), std::string::npos) << text.out;
}

TEST(ReportTool, CheckOfAnUnreadableFileExitsTwo)
{
    for (const std::string& bad : {test::fixturePath("no-such-report.LOR"), std::string(SELEN_FIXTURES)}) {
        ToolRun result = run({"check", test::fixturePath("full-report.LOR"), bad});
        EXPECT_EQ(result.status, 2) << bad;
        EXPECT_NE(result.err.find(bad), std::string::npos) << result.err;
    }
}

// A report as a hand edit leaves it: LF line ends, trailing blanks, a
// message that lost its indent.
const std::string kSiteLine = SiteLine::create(0).text();
const std::string kHandEdited = "Place name     Tokyo\n\n" + kSiteLine + "\n\nOA  N. Tanaka      \n\n" +
                                test::plainRecord(1).reportLine() + "\n    a comment   \n\n\n" +
                                std::string(kMessageMarker) + "\n    \n  lost indent\n";
const std::string kNormalized = test::crlf({"Place name     Tokyo", "", kSiteLine, "", "OA  N. Tanaka", "",
                                            test::plainRecord(1).reportLine(), "    a comment", "", "",
                                            std::string(kMessageMarker), "    ", "    lost indent"});

TEST(ReportTool, NormalizeWritesTheSavedFormToAnotherFile)
{
    test::TempDir dir;
    test::writeBytes(dir.path("in.LOR"), kHandEdited);
    ToolRun result = run({"normalize", dir.path("in.LOR"), "-o", dir.path("out.LOR")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(dir.contents(), (Files{{"in.LOR", kHandEdited}, {"out.LOR", kNormalized}}));
}

TEST(ReportTool, NormalizeInPlaceKeepsTheOriginalAsBackup)
{
    test::TempDir dir;
    test::writeBytes(dir.path("in.LOR"), kHandEdited);
    ToolRun result = run({"normalize", dir.path("in.LOR")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(dir.contents(), (Files{{"in.LOR", kNormalized}, {"in.LBK", kHandEdited}}));
}

TEST(ReportTool, NormalizeRefusesAThousandRecordReport)
{
    test::TempDir dir;
    std::vector<std::string> lines = {"", kSiteLine, "", "OA", ""};
    for (int i = 0; i < 1000; ++i)
        lines.push_back(test::plainRecord(i).reportLine());
    const std::string bytes = test::crlf(lines);
    test::writeBytes(dir.path("big.LOR"), bytes);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"normalize", dir.path("big.LOR")},
          std::vector<std::string>{"normalize", dir.path("big.LOR"), "-o", dir.path("out.LOR")}}) {
        ToolRun result = run(args);
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find("1000"), std::string::npos) << result.err;
        EXPECT_EQ(dir.contents(), (Files{{"big.LOR", bytes}}));
    }
    ToolRun check = run({"check", "--format=tsv", dir.path("big.LOR")});
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.out.find("too-many-records"), std::string::npos) << check.out;
}

TEST(ReportTool, NormalizeIntoAMissingFolderFailsAndLeavesTheInput)
{
    test::TempDir dir;
    test::writeBytes(dir.path("in.LOR"), kHandEdited);
    ToolRun result = run({"normalize", dir.path("in.LOR"), "-o", dir.path("missing") + "/out.LOR"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(dir.contents(), (Files{{"in.LOR", kHandEdited}}));
}

TEST(ReportTool, BadArgumentsExitTwoAndHelpExitsZero)
{
    const std::vector<std::vector<std::string>> bad = {
        {}, {"frobnicate"}, {"check"}, {"check", "--format=xml", "a.LOR"}, {"check", "--format=tsv"},
        {"normalize"}, {"normalize", "a.LOR", "b.LOR"}, {"normalize", "a.LOR", "-o"},
        {"normalize", "-x", "a.LOR"}, {"normalize", "a.LOR", "-o", "b", "-o", "c"}};
    for (const auto& args : bad) {
        ToolRun result = run(args);
        EXPECT_EQ(result.status, 2) << testing::PrintToString(args);
        EXPECT_FALSE(result.err.empty()) << testing::PrintToString(args);
    }
    ToolRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("check"), std::string::npos);
    EXPECT_NE(help.out.find("normalize"), std::string::npos);
}

}  // namespace
}  // namespace selen
