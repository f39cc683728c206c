#include "TestSupport.h"

#include "report/PosixFileSystem.h"
#include "report/ReportSaver.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

namespace selen {
namespace {

using Files = std::map<std::string, std::string>;
using Call = test::FakeFileSystem::Call;
using Status = SaveOutcome::Status;

const std::string kOld = "old report\r\n";
const std::string kOldBackup = "older backup\r\n";
const std::string kNew = std::string(3000, 'n') + "\r\n";

class RecordingQuestions final : public SaveQuestions {
public:
    explicit RecordingQuestions(bool overwrite = true) : overwrite_(overwrite) {}
    bool confirmOverwrite(const std::string& path) override
    {
        asked.push_back(path);
        return overwrite_;
    }
    void backupNotMade(const std::string& backupPath) override { notMade.push_back(backupPath); }
    std::vector<std::string> asked;
    std::vector<std::string> notMade;

private:
    bool overwrite_;
};

TEST(ReportSaver, BackupNameReplacesOnlyTheFileNamesExtension)
{
    const std::pair<std::string, std::string> cases[] = {
        {"d/x.LOR", "d/x.LBK"},          {"d/x.lor", "d/x.LBK"},         {"d/x", "d/x.LBK"},
        {"dir.v2/report", "dir.v2/report.LBK"}, {"a.b/c.d/x.tar.LOR", "a.b/c.d/x.tar.LBK"}, {"x.", "x.LBK"},
        {"x.LBK", "x.LBK"}};
    for (const auto& [path, backup] : cases)
        EXPECT_EQ(backupNameFor(path), backup) << path;
}

struct SaveCase {
    const char* name;
    std::string path;
    Files before;
    bool overwrite;
    std::function<bool(const Call&)> fails;
    Status status;
    Files after;  // every file afterwards: no temporary file may be left
    std::vector<std::string> notMade;
};

bool never(const Call&) { return false; }
std::function<bool(const Call&)> fails(std::string op, std::string to, std::string from = "")
{
    return [=](const Call& c) { return c.op == op && c.to == to && (from.empty() || c.from == from); };
}
// The last rename, of the temporary file onto the report: the only one from a
// file that is neither the report nor its backup.
std::function<bool(const Call&)> finalRenameFails(std::string also = "")
{
    return [=](const Call& c) {
        return c.op == "rename" && ((c.from != "d/r.LOR" && c.from != "d/r.LBK") || c.from == also);
    };
}

const SaveCase kSaveCases[] = {
    {"TargetAbsent", "d/r.LOR", {}, true, never, Status::Saved, {{"d/r.LOR", kNew}}, {}},
    {"TargetPresent", "d/r.LOR", {{"d/r.LOR", kOld}}, true, never, Status::Saved,
     {{"d/r.LOR", kNew}, {"d/r.LBK", kOld}}, {}},
    {"OldBackupReplaced", "d/r.LOR", {{"d/r.LOR", kOld}, {"d/r.LBK", kOldBackup}}, true, never, Status::Saved,
     {{"d/r.LOR", kNew}, {"d/r.LBK", kOld}}, {}},
    {"OverwriteDeclined", "d/r.LOR", {{"d/r.LOR", kOld}, {"d/r.LBK", kOldBackup}}, false, never, Status::Declined,
     {{"d/r.LOR", kOld}, {"d/r.LBK", kOldBackup}}, {}},
    {"WriteFails", "d/r.LOR", {{"d/r.LOR", kOld}, {"d/r.LBK", kOldBackup}}, true,
     [](const Call& c) { return c.op == "write"; }, Status::Failed, {{"d/r.LOR", kOld}, {"d/r.LBK", kOldBackup}}, {}},
    {"WriteFailsNoTarget", "d/r.LOR", {}, true, [](const Call& c) { return c.op == "write"; }, Status::Failed, {}, {}},
    {"RenameToBackupFails", "d/r.LOR", {{"d/r.LOR", kOld}}, true, fails("rename", "d/r.LBK"), Status::Saved,
     {{"d/r.LOR", kNew}}, {"d/r.LBK"}},
    {"BackupDeleteFails", "d/r.LOR", {{"d/r.LOR", kOld}, {"d/r.LBK", kOldBackup}}, true,
     [](const Call& c) { return c.to == "d/r.LBK"; }, Status::Saved, {{"d/r.LOR", kNew}, {"d/r.LBK", kOldBackup}},
     {"d/r.LBK"}},
    {"FinalRenameFails", "d/r.LOR", {{"d/r.LOR", kOld}}, true, finalRenameFails(), Status::Failed,
     {{"d/r.LOR", kOld}}, {}},
    {"FinalRenameAndMoveBackFail", "d/r.LOR", {{"d/r.LOR", kOld}}, true, finalRenameFails("d/r.LBK"),
     Status::Failed, {{"d/r.LBK", kOld}}, {}},
    {"NameWithoutExtension", "d/x", {{"d/x", kOld}}, true, never, Status::Saved, {{"d/x", kNew}, {"d/x.LBK", kOld}}, {}},
    {"DotInFolderName", "dir.v2/report", {{"dir.v2/report", kOld}}, true, never, Status::Saved,
     {{"dir.v2/report", kNew}, {"dir.v2/report.LBK", kOld}}, {}},
    {"SavingAsTheBackupName", "d/x.LBK", {{"d/x.LBK", kOld}, {"d/x.LOR", kOldBackup}}, true, never, Status::Saved,
     {{"d/x.LBK", kNew}, {"d/x.LOR", kOldBackup}}, {"d/x.LBK"}},
    {"SavingAsTheBackupNameLowerCase", "d/x.lbk", {{"d/x.lbk", kOld}}, true, never, Status::Saved,
     {{"d/x.lbk", kNew}}, {"d/x.LBK"}},
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class SaveFaults : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveFaults, PreviousReportSurvivesEveryFailure)
{
    const SaveCase& c = GetParam();
    test::FakeFileSystem fs;
    fs.files = c.before;
    fs.fails = c.fails;
    RecordingQuestions questions(c.overwrite);
    const SaveOutcome outcome = saveReportFile(fs, questions, c.path, kNew);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(fs.files, c.after);
    EXPECT_EQ(questions.notMade, c.notMade);
    EXPECT_EQ(questions.asked, c.before.count(c.path) ? std::vector<std::string>{c.path} : std::vector<std::string>{});
    EXPECT_EQ(outcome.status == Status::Failed, !outcome.error.empty()) << outcome.error;
    if (c.status == Status::Declined) {
        EXPECT_TRUE(fs.calls.empty());
    }
    // The backup name is never written, removed or renamed away when it is the report itself.
    if (backupNameFor(c.path) == c.path || c.path == "d/x.lbk") {
        for (const Call& call : fs.calls)
            EXPECT_FALSE(call.op == "remove" || call.from == c.path) << call.op << ' ' << call.from;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveFaults, testing::ValuesIn(kSaveCases),
                         [](const testing::TestParamInfo<SaveCase>& info) { return info.param.name; });

TEST(ReportSaverOnDisk, SavesWithBackupAndLeavesNoTemporaryFile)
{
    test::TempDir dir;
    test::writeBytes(dir.path("r.LOR"), kOld);
    PosixFileSystem fs;
    RecordingQuestions questions;
    EXPECT_EQ(saveReportFile(fs, questions, dir.path("r.LOR"), kNew).status, Status::Saved);
    EXPECT_EQ(dir.contents(), (Files{{"r.LOR", kNew}, {"r.LBK", kOld}}));
}

// A file-size limit makes the real write fail half-way, whoever runs the test.
TEST(ReportSaverOnDisk, WriteCutShortByAFileSizeLimitKeepsTheOldReport)
{
    test::TempDir dir;
    test::writeBytes(dir.path("r.LOR"), kOld);
    test::writeBytes(dir.path("r.LBK"), kOldBackup);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(sigaction(SIGXFSZ, &ignore, &previous), 0);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    PosixFileSystem fs;
    RecordingQuestions questions;
    const SaveOutcome outcome = saveReportFile(fs, questions, dir.path("r.LOR"), kNew);
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &previous, nullptr);

    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_NE(outcome.error.find("large"), std::string::npos) << outcome.error;  // "File too large"
    EXPECT_EQ(dir.contents(), (Files{{"r.LOR", kOld}, {"r.LBK", kOldBackup}}));
}

TEST(ReportSaverOnDisk, FolderThatIsAFileFailsAndChangesNothing)
{
    test::TempDir dir;
    test::writeBytes(dir.path("plain"), kOld);
    PosixFileSystem fs;
    RecordingQuestions questions;
    EXPECT_EQ(saveReportFile(fs, questions, dir.path("plain") + "/r.LOR", kNew).status, Status::Failed);
    EXPECT_EQ(dir.contents(), (Files{{"plain", kOld}}));
}

}  // namespace
}  // namespace selen
