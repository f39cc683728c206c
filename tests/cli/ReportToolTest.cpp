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
    const ToolRun clean = run({"check", test::fixturePath("clean-report.LOR")});
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    EXPECT_EQ(clean.out, "checked 1 of 1 file: 0 problems in 0 files\n");
    const std::string file = test::fixturePath("problems.LOR");
    const ToolRun tsv = run({"check", "--format=tsv", file});
    EXPECT_EQ(tsv.status, 1);
    EXPECT_EQ(tsv.err, "checked 1 of 1 file: 5 problems in 1 file\n");
    const auto rows = splitLines(tsv.out);
    const std::vector<std::string> expected = {
        "file\tline\trecord\tfirst_column\tlast_column\tproblem\tmessage",
        file + "\t0\t0\t0\t0\tmissing-email\t", file + "\t0\t0\t0\t0\tmissing-representative\t",
        file + "\t9\t0\t1\t4\tmissing-year\t", file + "\t10\t2\t27\t27\tbad-code\t",
        file + "\t11\t3\t60\t60\tunknown-site\t"};
    ASSERT_EQ(rows.size(), expected.size()) << tsv.out;
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].substr(0, expected[i].size()), expected[i]);

    const ToolRun text = run({"check", file});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(splitLines(text.out).size(), 6u) << text.out;  // five problems and the summary
    EXPECT_NE(text.out.find(file + ": the header has no e-mail address"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find(file + ":10: record 2, column 27: 現　象 (phenomenon) code \"Z\" is not in its list"),
              std::string::npos)
        << text.out;
}

// One JSON array of objects, strings escaped, CP932 shown as UTF-8.
TEST(ReportTool, CheckWritesJson)
{
    test::TempDir dir;
    const std::string name = dir.path("a\"b\\c.LOR");
    test::writeBytes(name, test::readBytes(test::fixturePath("kanji-observer.LOR")));
    const ToolRun json = run({"check", "--format=json", name, test::fixturePath("clean-report.LOR")});
    EXPECT_EQ(json.status, 1);
    const std::string escaped = dir.path("a\\\"b\\\\c.LOR");
    EXPECT_EQ(json.out, "[\n{\"file\":\"" + escaped
                            + "\",\"line\":7,\"record\":0,\"site\":0,\"observer\":1,\"field\":null,"
                              "\"first_column\":5,\"last_column\":13,\"rule\":\"non-ascii\",\"message\":"
                              "\"\\\"田中 太郎\\\" is not printable ASCII, which the fixed columns take only\"}\n]\n");
    EXPECT_EQ(json.err, "checked 2 of 2 files: 1 problem in 1 file\n");
    const ToolRun none = run({"check", "--format=json", test::fixturePath("clean-report.LOR")});
    EXPECT_EQ(none.out, "[]\n");
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

    // Into a missing folder or onto a folder: refused, nothing written.
    result = run({"normalize", dir.path("in.LOR"), "-o", dir.path("missing/out.LOR")});
    EXPECT_EQ(result.status, 2);
    std::filesystem::create_directory(dir.path("out"));
    result = run({"normalize", dir.path("in.LOR"), "-o", dir.path("out")});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find(dir.path("out") + " is a folder"), std::string::npos) << result.err;
    EXPECT_EQ(dir.contents(), (Files{{"in.LOR", kNormalized}, {"in.LBK", kHandEdited}, {"out.LOR", kNormalized}, {"out", "/"}}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path("out")));
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

// Lines the reader would not keep are listed with their numbers; nothing is
// written unless --force is given.
TEST(ReportTool, NormalizeRefusesToDropTextUnlessForced)
{
    test::TempDir dir;
    const std::string bytes = test::crlf({"Place name     Tokyo", "Place name     Osaka", "", kSite, "", "OA", "",
                                          kRecord, "", "", std::string(kMessageMarker), "    lost words", "    kept"});
    test::writeBytes(dir.path("in.LOR"), bytes);
    ToolRun result = run({"normalize", dir.path("in.LOR")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    const std::string in = dir.path("in.LOR");
    EXPECT_EQ(result.err, "selen-report normalize: " + in + ":2: only the first line of each header label is read: "
                              "the place name \"Osaka\" is lost\n"
                              "selen-report normalize: " + in + ":12: the line right after the message marker is "
                              "not read: \"    lost words\" is lost\n"
                              "selen-report normalize: nothing was written: 2 lines above would not be kept as they "
                              "are; correct them, or give --force to write the report without them\n");
    EXPECT_EQ(dir.contents(), (Files{{"in.LOR", bytes}}));

    result = run({"normalize", "--force", dir.path("in.LOR")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(dir.contents(), (Files{{"in.LOR", test::crlf({"Place name     Tokyo", "", kSite, "", "OA", "", kRecord, "",
                                                              "", std::string(kMessageMarker), "    ", "    kept"})},
                                     {"in.LBK", bytes}}));
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
    EXPECT_NE(help.out.find("normalize [--force] FILE [-o OUT]"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("check [--format=text|tsv|json] FILE..."), std::string::npos) << help.out;
}

}  // namespace
}  // namespace selen
