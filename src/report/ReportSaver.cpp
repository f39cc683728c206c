#include "ReportSaver.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace selen {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The folder part of `path` with its closing slash, or nothing.
std::string folderOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Temporary files are named ".selen-new-N" (the text being saved) and
// ".selen-old-N" (the older backup, while it waits to be replaced) in the
// report's folder: short, so that a report name as long as the file system
// allows still saves, and numbered past any name already taken, whether by a
// file a crash left or by a link planted there.
constexpr int kMaxTemporaryNames = 100;

std::optional<std::string> freeTemporaryName(FileSystem& fs, const std::string& folder, std::string_view kind)
{
    for (int n = 1; n <= kMaxTemporaryNames; ++n) {
        std::string name = folder + ".selen-" + std::string(kind) + "-" + std::to_string(n);
        if (!fs.exists(name))
            return name;
    }
    return std::nullopt;
}

SaveOutcome failed(std::string cause, std::string reportLeftAs = {}, std::string olderBackupLeftAs = {})
{
    SaveOutcome outcome;
    outcome.status = SaveOutcome::Status::Failed;
    outcome.cause = std::move(cause);
    outcome.reportLeftAs = std::move(reportLeftAs);
    outcome.olderBackupLeftAs = std::move(olderBackupLeftAs);
    return outcome;
}

}  // namespace

std::string backupNameFor(const std::string& path)
{
    std::size_t nameStart = path.find_last_of('/');
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart)
        return path + ".LBK";
    return path.substr(0, dot) + ".LBK";
}

SaveOutcome saveReportFile(FileSystem& fs, SaveQuestions& questions, const std::string& path, std::string_view text)
{
    // Through a link, the file it names is the report: replacing the link
    // itself would leave that report old while saying it was saved.
    std::string target;
    if (FileResult resolved = fs.linkTarget(path, target); !resolved)
        return failed(resolved.error);
    const bool targetExists = fs.exists(target);
    if (targetExists && !questions.confirmOverwrite(path))
        return {SaveOutcome::Status::Declined, false, {}, {}, {}};

    std::optional<unsigned> permissions;
    if (targetExists) {
        unsigned bits = 0;
        if (FileResult got = fs.permissions(target, bits); !got)
            return failed(got.error);
        permissions = bits;
    }
    const std::string folder = folderOf(target);
    const std::optional<std::string> temp = freeTemporaryName(fs, folder, "new");
    if (!temp)
        return failed((folder.empty() ? std::string("./") : folder) + ": no free name for a temporary file");
    if (FileResult written = fs.createFile(*temp, text, permissions); !written)
        return failed(written.error);  // the failed create has removed what it made

    bool backupMade = false;
    std::string aside;  // where the older backup waits until the new report has its name
    const std::string backup = backupNameFor(target);
    if (targetExists) {
        if (sameIgnoringCase(backup, target)) {
            // Saving as the backup name itself: there is nothing to move aside
            // without losing the file, so no backup is made.
            questions.backupNotMade(backup);
        } else {
            const bool olderBackup = fs.exists(backup);
            if (olderBackup) {
                std::optional<std::string> free = freeTemporaryName(fs, folder, "old");
                if (free && fs.rename(backup, *free))
                    aside = *free;
            }
            // The older backup stays where it is when it cannot be moved
            // aside: the report is then saved without a new backup.
            FileResult renamed = FileResult::failure("");
            if (!olderBackup || !aside.empty())
                renamed = fs.rename(target, backup);
            backupMade = renamed.ok;
            if (!backupMade && !aside.empty() && !fs.rename(aside, backup)) {
                // The older backup cannot get its name back: stop before the
                // report is replaced too.
                fs.remove(*temp);
                return failed(renamed.error, {}, aside);
            }
            if (!backupMade)
                questions.backupNotMade(backup);
        }
    }

    if (FileResult renamed = fs.rename(*temp, target); !renamed) {
        std::string reportLeftAs, olderBackupLeftAs;
        if (backupMade && !fs.rename(backup, target))
            reportLeftAs = backup;
        if (!aside.empty() && (!reportLeftAs.empty() || !fs.rename(aside, backup)))
            olderBackupLeftAs = aside;
        fs.remove(*temp);
        return failed(renamed.error, std::move(reportLeftAs), std::move(olderBackupLeftAs));
    }
    // The older backup has now been replaced. Should it not delete, a hidden
    // copy of it stays beside the report; the save itself is done.
    if (!aside.empty())
        fs.remove(aside);
    return {SaveOutcome::Status::Saved, backupMade, {}, {}, {}};
}

}  // namespace selen
