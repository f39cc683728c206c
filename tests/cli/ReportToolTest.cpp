#include "TestSupport.h"

#include "cli/ReportTool.h"
#include "report/PosixFileSystem.h"
#include "report/TextLines.h"

#include <gtest/gtest.h>

#include <sstream>

namespace selen {
namespace {

using Files = std::map<std::string, std::string>;

struct ToolRun { int status; std::string out, err; };

ToolRun run(const std::vector<std::string>& args)
{
    PosixFileSystem fs;
    std::ostringstream out, err;
    const int status = cli::runReportTool(args, fs, out, err);
    return {status, out.str(), err.str()};
}

// A clean report passes; one with problems lists exactly them.
TEST(ReportTool, CheckPassesACleanReportAndListsExactlyTheProblemsOfAnother)
{
    const ToolRun clean = run({"check", test::fixturePath("full-report.LOR")});
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    EXPECT_NE(clean.out.find("0 problems"), std::string::npos) << clean.out;
    const std::string file = test::fixturePath("problems.LOR");
    const ToolRun tsv = run({"check", "--format=tsv", file});
    EXPECT_EQ(tsv.status, 1);
    const auto rows = splitLines(tsv.out);
    const std::vector<std::string> expected = {
        "file\tline\trecord\tfirst_column\tlast_column\tproblem\tmessage", file + "\t9\t0\t1\t4\tmissing-year\t",
        file + "\t10\t2\t27\t27\tbad-code\t", file + "\t11\t3\t60\t60\tunknown-site\t"};
    ASSERT_EQ(rows.size(), expected.size()) << tsv.out;
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].substr(0, expected[i].size()), expected[i]);

    const ToolRun text = run({"check", file});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(splitLines(text.out).size(), 4u) << text.out;  // three problems and the summary
    EXPECT_NE(text.out.find(file + ":10: record 2, column 27: phenomenon code \"Z\""), std::string::npos) << text.out;
}

TEST(ReportTool, CheckOfAnUnreadableFileExitsTwo)
{
    for (const std::string& bad : {test::fixturePath("no-such-report.LOR"), std::string(SELEN_FIXTURES)}) {
        const ToolRun result = run({"check", test::fixturePath("full-report.LOR"), bad});
        EXPECT_EQ(result.status, 2) << bad;
        EXPECT_NE(result.err.find(bad), std::string::npos) << result.err;
    }
}

// A report as a hand edit leaves it (LF line ends, trailing blanks, a message
// that lost its indent) and as the editor saves it.
const std::string kSite = SiteLine::create(0).text(), kRecord = test::plainRecord(1).reportLine();
const std::string kHandEdited = "Place name     Tokyo\n\n" + kSite + "\n\nOA  N. Tanaka      \n\n" + kRecord +
                                "\n    a comment   \n\n\n" + std::string(kMessageMarker) + "\n    \n  lost indent\n";
const std::string kNormalized = test::crlf({"Place name     Tokyo", "", kSite, "", "OA  N. Tanaka", "", kRecord,
                                            "    a comment", "", "", std::string(kMessageMarker), "    ",
                                            "    lost indent"});

TEST(ReportTool, NormalizeWritesTheSavedFormAtomically)
{
    test::TempDir dir;
    test::writeBytes(dir.path("in.LOR"), kHandEdited);
    ToolRun result = run({"normalize", dir.path("in.LOR"), "-o", dir.path("out.LOR")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(dir.contents(), (Files{{"in.LOR", kHandEdited}, {"out.LOR", kNormalized}}));

    result = run({"normalize", dir.path("in.LOR")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(dir.contents(), (Files{{"in.LOR", kNormalized}, {"in.LBK", kHandEdited}, {"out.LOR", kNormalized}}));

    result = run({"normalize", dir.path("in.LOR"), "-o", dir.path("missing/out.LOR")});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(dir.contents().size(), 3u);
}

TEST(ReportTool, NormalizeRefusesAThousandRecordReport)
{
    test::TempDir dir;
    std::vector<std::string> lines = {"", kSite, "", "OA", ""};
    lines.insert(lines.end(), 1000, kRecord);
    const std::string bytes = test::crlf(lines);
    test::writeBytes(dir.path("big.LOR"), bytes);
    for (const auto& args : {std::vector<std::string>{"normalize", dir.path("big.LOR")},
                             std::vector<std::string>{"normalize", dir.path("big.LOR"), "-o", dir.path("out.LOR")}}) {
        const ToolRun result = run(args);
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find("1000"), std::string::npos) << result.err;
        EXPECT_EQ(dir.contents(), (Files{{"big.LOR", bytes}}));
    }
}

TEST(ReportTool, BadArgumentsExitTwoAndHelpExitsZero)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"check"}, {"check", "--format=xml", "a.LOR"}, {"check", "--format=tsv"},
             {"normalize"}, {"normalize", "a.LOR", "b.LOR"}, {"normalize", "a.LOR", "-o"}, {"normalize", "-x", "a.LOR"},
             {"normalize", "a.LOR", "-o", "b", "-o", "c"}}) {
        const ToolRun result = run(args);
        EXPECT_EQ(result.status, 2) << testing::PrintToString(args);
        EXPECT_FALSE(result.err.empty()) << testing::PrintToString(args);
    }
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("normalize FILE [-o OUT]"), std::string::npos) << help.out;
}

}  // namespace
}  // namespace selen
