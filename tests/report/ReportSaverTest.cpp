#include "TestSupport.h"
#include "support/FakeFileSystem.h"

#include "report/PosixFileSystem.h"
#include "report/ReportSaver.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace selen {
namespace {

using Files = std::map<std::string, std::string>;

using test::FakeFileSystem;
using Call = FakeFileSystem::Call;
using Fails = std::function<bool(const Call&)>;
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

// A failure injected at every step of a save through the port. `after` holds
// every file afterwards: a temporary file left over shows there. The text is
// first made as d/.selen-new-1; the older backup waits as d/.selen-old-1.
struct SaveCase { const char* name; std::string path; Files before; Fails fails; Status status; Files after;
                  std::vector<std::string> notMade; std::string reportLeftAs = {}, olderBackupLeftAs = {}; };
void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

const std::string kLor = "d/r.LOR", kLbk = "d/r.LBK", kTemp = "d/.selen-new-1", kAside = "d/.selen-old-1";

Fails never = [](const Call&) { return false; };
// Fails the calls of operation `op`, where given only those from `from` (renames) or at `to`.
Fails on(std::string op, std::string from = {}, std::string to = {})
{
    return [=](const Call& c) { return c.op == op && (from.empty() || c.from == from) && (to.empty() || c.to == to); };
}
Fails either(Fails a, Fails b) { return [=](const Call& c) { return a(c) || b(c); }; }
const Fails kFinalRename = on("rename", kTemp, kLor), kReportBack = on("rename", kLbk, kLor),
            kOlderBack = on("rename", kAside, kLbk);

const Files kBoth = {{kLor, kOld}, {kLbk, kBak}};
const SaveCase kSaveCases[] = {
    {"TargetAbsent", kLor, {}, never, Status::Saved, {{kLor, kNew}}, {}},
    {"TargetPresent", kLor, {{kLor, kOld}}, never, Status::Saved, {{kLor, kNew}, {kLbk, kOld}}, {}},
    {"OldBackupReplaced", kLor, kBoth, never, Status::Saved, {{kLor, kNew}, {kLbk, kOld}}, {}},
    {"OverwriteDeclined", kLor, kBoth, never, Status::Declined, kBoth, {}},
    {"LinkCannotBeFollowed", kLor, kBoth, on("link"), Status::Failed, kBoth, {}},
    {"PermissionsCannotBeRead", kLor, kBoth, on("permissions"), Status::Failed, kBoth, {}},
    {"WriteFails", kLor, kBoth, on("write"), Status::Failed, kBoth, {}},
    {"FsyncFails", kLor, kBoth, on("fsync"), Status::Failed, kBoth, {}},
    {"CloseFails", kLor, kBoth, on("close"), Status::Failed, kBoth, {}},
    {"WriteFailsNoTarget", kLor, {}, on("write"), Status::Failed, {}, {}},
    {"TemporaryNameTaken", kLor, {{kLor, kOld}, {kTemp, "left by a crash"}}, never, Status::Saved,
     {{kLor, kNew}, {kLbk, kOld}, {kTemp, "left by a crash"}}, {}},
    // Without a place for the older backup the report is saved without a new one.
    {"OlderBackupCannotMoveAside", kLor, kBoth, on("rename", kLbk, kAside), Status::Saved,
     {{kLor, kNew}, {kLbk, kBak}}, {kLbk}},
    {"RenameToBackupFails", kLor, {{kLor, kOld}}, on("rename", kLor, kLbk), Status::Saved, {{kLor, kNew}}, {kLbk}},
    {"RenameToBackupFailsOlderBackupBack", kLor, kBoth, on("rename", kLor, kLbk), Status::Saved,
     {{kLor, kNew}, {kLbk, kBak}}, {kLbk}},
    {"RenameToBackupAndOlderBackFail", kLor, kBoth, either(on("rename", kLor, kLbk), kOlderBack), Status::Failed,
     {{kLor, kOld}, {kAside, kBak}}, {}, "", kAside},
    {"FinalRenameFails", kLor, {{kLor, kOld}}, kFinalRename, Status::Failed, {{kLor, kOld}}, {}},
    {"FinalRenameFailsWithOlderBackup", kLor, kBoth, kFinalRename, Status::Failed, kBoth, {}},
    {"FinalRenameAndReportBackFail", kLor, {{kLor, kOld}}, either(kFinalRename, kReportBack), Status::Failed,
     {{kLbk, kOld}}, {}, kLbk},
    {"FinalRenameAndReportBackFailWithOlderBackup", kLor, kBoth, either(kFinalRename, kReportBack), Status::Failed,
     {{kLbk, kOld}, {kAside, kBak}}, {}, kLbk, kAside},
    {"FinalRenameAndOlderBackFail", kLor, kBoth, either(kFinalRename, kOlderBack), Status::Failed,
     {{kLor, kOld}, {kAside, kBak}}, {}, "", kAside},
    // The save is done; only the older backup's hidden copy stays.
    {"OlderBackupCannotBeDeleted", kLor, kBoth, on("remove", "", kAside), Status::Saved,
     {{kLor, kNew}, {kLbk, kOld}, {kAside, kBak}}, {}},
    {"SavingAsTheBackupName", "d/x.LBK", {{"d/x.LBK", kOld}, {"d/x.LOR", kBak}}, never, Status::Saved,
     {{"d/x.LBK", kNew}, {"d/x.LOR", kBak}}, {"d/x.LBK"}},
    {"SavingAsTheBackupNameLowerCase", "d/x.lbk", {{"d/x.lbk", kOld}}, never, Status::Saved, {{"d/x.lbk", kNew}},
     {"d/x.LBK"}},
};

class SaveFaults : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveFaults, PreviousReportAndBackupSurviveEveryFailure)
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
    const bool linkFailed = std::any_of(fs.calls.begin(), fs.calls.end(),
                                        [&](const Call& call) { return call.op == "link" && c.fails(call); });
    EXPECT_EQ(questions.asked.size(), linkFailed ? 0u : c.before.count(c.path));
    EXPECT_EQ(outcome.status == Status::Failed, !outcome.cause.empty()) << outcome.cause;
    EXPECT_EQ(outcome.reportLeftAs, c.reportLeftAs);
    EXPECT_EQ(outcome.olderBackupLeftAs, c.olderBackupLeftAs);
    const std::string backup = backupNameFor(c.path);
    EXPECT_EQ(outcome.backupMade, c.status == Status::Saved && c.after.count(backup) && c.after.at(backup) == kOld);
    bool made = false;  // the new text was made whole; before that nothing may be moved
    for (const Call& call : fs.calls) {
        const bool changes = call.op == "write" || call.op == "rename" || call.op == "remove";
        EXPECT_FALSE(c.status == Status::Declined && changes) << "declining touches nothing: " << call.op;
        if (call.op == "rename" || call.op == "remove") {
            EXPECT_TRUE(made) << call.op << ' ' << call.from << ' ' << call.to;
        }
        made = made || (call.op == "close" && !c.fails(call));
        // The report as its own backup is never moved away.
        if (std::string_view(c.name).starts_with("SavingAsTheBackupName")) {
            EXPECT_TRUE(call.op != "remove" && (call.op != "rename" || call.to == c.path)) << call.op << ' ' << call.to;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveFaults, testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A save on the real disk of `bytes` as `name` in `dir`.
SaveOutcome saveOnDisk(const test::TempDir& dir, const std::string& name, const std::string& bytes = kNew)
{
    PosixFileSystem fs;
    RecordingQuestions questions;
    return saveReportFile(fs, questions, dir.path(name), bytes);
}

// A file-size limit makes the real write fail half-way. The child starts with
// the signal's default action, as a program does, and calls what both
// programs call first: without it the signal would kill the child.
TEST(ReportSaverOnDisk, AFileSizeLimitFailsTheSaveInsteadOfKillingTheProgram)
{
    test::TempDir dir;
    test::writeBytes(dir.path("r.LOR"), kOld);
    test::writeBytes(dir.path("r.LBK"), kBak);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        signal(SIGXFSZ, SIG_DFL);
        ignoreFileSizeSignal();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1024;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(3);
        const SaveOutcome outcome = saveOnDisk(dir, "r.LOR");
        _exit(outcome.status != Status::Failed ? 1 : outcome.cause.find("File too large") == std::string::npos ? 2 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: not a failed save, 2: not \"File too large\", 3: no limit";
    EXPECT_EQ(dir.contents(), (Files{{"r.LOR", kOld}, {"r.LBK", kBak}}));
}

// A link planted at the temporary name is left alone and never written
// through, whether it names a file or nothing yet.
TEST(ReportSaverOnDisk, APlantedLinkAtTheTemporaryNameIsNotFollowed)
{
    test::TempDir dir;
    test::writeBytes(dir.path("r.LOR"), kOld);
    test::writeBytes(dir.path("victim"), "not yours\n");
    std::filesystem::create_symlink("victim", dir.path(".selen-new-1"));
    std::filesystem::create_symlink("made-through-link", dir.path(".selen-new-2"));
    EXPECT_EQ(saveOnDisk(dir, "r.LOR").status, Status::Saved);
    EXPECT_EQ(dir.contents(), (Files{{"r.LOR", kNew}, {"r.LBK", kOld}, {"victim", "not yours\n"},
                                     {".selen-new-1", "-> victim"}, {".selen-new-2", "-> made-through-link"}}));

    // The port itself refuses an existing name of any kind.
    for (const char* name : {".selen-new-1", ".selen-new-2", "victim"}) {
        const FileResult created = PosixFileSystem().createFile(dir.path(name), kNew, std::nullopt);
        EXPECT_FALSE(created.ok) << name;
        EXPECT_NE(created.error.find("File exists"), std::string::npos) << created.error;
    }
    EXPECT_EQ(dir.contents().size(), 5u);
    EXPECT_EQ(test::readBytes(dir.path("victim")), "not yours\n");
}

// 255 bytes is the longest name a file system allows; the temporary names
// must still fit beside it.
TEST(ReportSaverOnDisk, AReportNameOfTheLongestLengthSaves)
{
    test::TempDir dir;
    const std::string stem(251, 'n');
    ASSERT_EQ(saveOnDisk(dir, stem + ".LOR", kOld).status, Status::Saved);
    const SaveOutcome again = saveOnDisk(dir, stem + ".LOR");
    EXPECT_EQ(again.status, Status::Saved) << again.cause;
    EXPECT_EQ(dir.contents(), (Files{{stem + ".LOR", kNew}, {stem + ".LBK", kOld}}));
}

// The replaced report keeps its permissions; a new one (0) gets the usual
// bits of a new file.
TEST(ReportSaverOnDisk, TheReplacedReportKeepsItsPermissions)
{
    const mode_t savedMask = umask(022);
    for (unsigned bits : {0600u, 0640u, 0664u, 0400u, 0u}) {
        test::TempDir dir;
        if (bits != 0) {
            test::writeBytes(dir.path("r.LOR"), kOld);
            ASSERT_EQ(chmod(dir.path("r.LOR").c_str(), bits), 0);
        }
        ASSERT_EQ(saveOnDisk(dir, "r.LOR").status, Status::Saved);
        struct stat info {};
        ASSERT_EQ(stat(dir.path("r.LOR").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, bits != 0 ? bits : 0644u) << std::oct << bits;
        EXPECT_EQ(test::readBytes(dir.path("r.LOR")), kNew);
    }
    umask(savedMask);
}

// Saving through a link (relative, through a chain, absolute) saves the file
// it names with its backup beside it; the links stay as they were.
TEST(ReportSaverOnDisk, SavingOverALinkSavesTheFileItNames)
{
    for (const char* chosen : {"link.LOR", "chain.LOR", "absolute.LOR"}) {
        test::TempDir dir;
        std::filesystem::create_directory(dir.path("real"));
        test::writeBytes(dir.path("real/r.LOR"), kOld);
        test::writeBytes(dir.path("real/r.LBK"), kBak);
        std::filesystem::create_symlink("real/r.LOR", dir.path("link.LOR"));
        std::filesystem::create_symlink("link.LOR", dir.path("chain.LOR"));
        std::filesystem::create_symlink(dir.path("real/r.LOR"), dir.path("absolute.LOR"));
        PosixFileSystem fs;
        RecordingQuestions questions;
        const SaveOutcome outcome = saveReportFile(fs, questions, dir.path(chosen), kNew);
        EXPECT_EQ(outcome.status, Status::Saved) << chosen << ": " << outcome.cause;
        EXPECT_EQ(questions.asked, std::vector<std::string>{dir.path(chosen)});
        EXPECT_EQ(dir.contents("real"), (Files{{"r.LOR", kNew}, {"r.LBK", kOld}})) << chosen;
        EXPECT_EQ(dir.contents(), (Files{{"real", "/"}, {"link.LOR", "-> real/r.LOR"},
                                              {"chain.LOR", "-> link.LOR"},
                                              {"absolute.LOR", "-> " + dir.path("real/r.LOR")}}))
            << chosen;
    }
}

}  // namespace
}  // namespace selen
