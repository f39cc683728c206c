#include "TestSupport.h"
#include "support/FakeFileSystem.h"

#include "report/PosixFileSystem.h"
#include "report/ReportSaver.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <functional>

namespace selen {
namespace {

using Files = std::map<std::string, std::string>;

using test::FakeFileSystem;
using Call = FakeFileSystem::Call;
using Status = SaveOutcome::Status;

const std::string kOld = "old report\r\n", kBak = "older backup\r\n", kNew = std::string(3000, 'n') + "\r\n";

struct RecordingQuestions final : SaveQuestions {
    bool overwrite = true;
    std::vector<std::string> asked, notMade;
    bool confirmOverwrite(const std::string& path) override
    {
        asked.push_back(path);
        return overwrite;
    }
    void backupNotMade(const std::string& backupPath) override { notMade.push_back(backupPath); }
};

TEST(ReportSaver, BackupNameReplacesOnlyTheFileNamesExtension)
{
    const std::pair<std::string, std::string> cases[] = {
        {"d/x.LOR", "d/x.LBK"}, {"d/x.lor", "d/x.LBK"}, {"d/x", "d/x.LBK"}, {"dir.v2/report", "dir.v2/report.LBK"},
        {"a.b/x.tar.LOR", "a.b/x.tar.LBK"}, {"x.", "x.LBK"}};
    for (const auto& [path, backup] : cases)
        EXPECT_EQ(backupNameFor(path), backup) << path;
}

// `after` holds every file afterwards: a temporary file left over shows there.
struct SaveCase { const char* name; std::string path; Files before; std::function<bool(const Call&)> fails;
                  Status status; Files after; std::vector<std::string> notMade; };
void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

bool never(const Call&) { return false; }
bool anyWrite(const Call& c) { return c.op == "write"; }
bool toBackup(const Call& c) { return c.to == "d/r.LBK"; }  // deleting or renaming onto the backup
// The rename of the temporary file onto the report: the one from neither the report nor its backup.
bool finalRename(const Call& c) { return c.op == "rename" && c.from != "d/r.LOR" && c.from != "d/r.LBK"; }
bool finalRenameAndMoveBack(const Call& c) { return finalRename(c) || (c.op == "rename" && c.from == "d/r.LBK"); }

const Files kBoth = {{"d/r.LOR", kOld}, {"d/r.LBK", kBak}};
const SaveCase kSaveCases[] = {
    {"TargetAbsent", "d/r.LOR", {}, never, Status::Saved, {{"d/r.LOR", kNew}}, {}},
    {"TargetPresent", "d/r.LOR", {{"d/r.LOR", kOld}}, never, Status::Saved, {{"d/r.LOR", kNew}, {"d/r.LBK", kOld}}, {}},
    {"OldBackupReplaced", "d/r.LOR", kBoth, never, Status::Saved, {{"d/r.LOR", kNew}, {"d/r.LBK", kOld}}, {}},
    {"OverwriteDeclined", "d/r.LOR", kBoth, never, Status::Declined, kBoth, {}},
    {"WriteFails", "d/r.LOR", kBoth, anyWrite, Status::Failed, kBoth, {}},
    {"WriteFailsNoTarget", "d/r.LOR", {}, anyWrite, Status::Failed, {}, {}},
    {"RenameToBackupFails", "d/r.LOR", {{"d/r.LOR", kOld}}, toBackup, Status::Saved, {{"d/r.LOR", kNew}}, {"d/r.LBK"}},
    {"BackupDeleteFails", "d/r.LOR", kBoth, toBackup, Status::Saved, {{"d/r.LOR", kNew}, {"d/r.LBK", kBak}}, {"d/r.LBK"}},
    {"FinalRenameFails", "d/r.LOR", {{"d/r.LOR", kOld}}, finalRename, Status::Failed, {{"d/r.LOR", kOld}}, {}},
    {"FinalRenameAndMoveBackFail", "d/r.LOR", {{"d/r.LOR", kOld}}, finalRenameAndMoveBack, Status::Failed,
     {{"d/r.LBK", kOld}}, {}},
    {"DotInFolderName", "dir.v2/report", {{"dir.v2/report", kOld}}, never, Status::Saved,
     {{"dir.v2/report", kNew}, {"dir.v2/report.LBK", kOld}}, {}},
    {"SavingAsTheBackupName", "d/x.LBK", {{"d/x.LBK", kOld}, {"d/x.LOR", kBak}}, never, Status::Saved,
     {{"d/x.LBK", kNew}, {"d/x.LOR", kBak}}, {"d/x.LBK"}},
    {"SavingAsTheBackupNameLowerCase", "d/x.lbk", {{"d/x.lbk", kOld}}, never, Status::Saved, {{"d/x.lbk", kNew}},
     {"d/x.LBK"}},
};

class SaveFaults : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveFaults, PreviousReportSurvivesEveryFailure)
{
    const SaveCase& c = GetParam();
    FakeFileSystem fs;
    fs.files = c.before;
    fs.fails = c.fails;
    RecordingQuestions questions;
    questions.overwrite = c.status != Status::Declined;
    const SaveOutcome outcome = saveReportFile(fs, questions, c.path, kNew);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(fs.files, c.after);
    EXPECT_EQ(questions.notMade, c.notMade);
    EXPECT_EQ(questions.asked.size(), c.before.count(c.path));
    EXPECT_EQ(outcome.status == Status::Failed, !outcome.error.empty()) << outcome.error;
    const std::string backup = backupNameFor(c.path);
    EXPECT_EQ(outcome.backupMade, c.status == Status::Saved && c.after.count(backup) && c.after.at(backup) == kOld);
    for (const Call& call : fs.calls) {  // declining touches nothing; the report as its own backup is never moved away
        EXPECT_NE(c.status, Status::Declined) << call.op;
        if (std::string_view(c.name).starts_with("SavingAsTheBackupName")) {
            EXPECT_TRUE(call.op == "write" || (call.op == "rename" && call.to == c.path)) << call.op << ' ' << call.to;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveFaults, testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file-size limit makes the real write fail half-way, whoever runs the test.
TEST(ReportSaverOnDisk, WriteCutShortByAFileSizeLimitKeepsTheOldReport)
{
    test::TempDir dir;
    test::writeBytes(dir.path("r.LOR"), kOld);
    test::writeBytes(dir.path("r.LBK"), kBak);
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
    EXPECT_NE(outcome.error.find("too large"), std::string::npos) << outcome.error;
    EXPECT_EQ(dir.contents(), (Files{{"r.LOR", kOld}, {"r.LBK", kBak}}));
}

}  // namespace
}  // namespace selen
