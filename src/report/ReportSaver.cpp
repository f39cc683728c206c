#include "ReportSaver.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace selen {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string temporaryNameFor(const std::string& path)
{
    std::filesystem::path target(path);
    std::filesystem::path temp = target.parent_path() / ("." + target.filename().string() + ".selen-save");
    return temp.string();
}

SaveOutcome failed(std::string error)
{
    SaveOutcome outcome;
    outcome.status = SaveOutcome::Status::Failed;
    outcome.error = std::move(error);
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
    const bool targetExists = fs.exists(path);
    if (targetExists && !questions.confirmOverwrite(path))
        return {SaveOutcome::Status::Declined, false, {}};

    const std::string temp = temporaryNameFor(path);
    if (FileResult written = fs.writeFile(temp, text); !written) {
        fs.remove(temp);
        return failed(written.error);
    }

    bool backupMade = false;
    const std::string backup = backupNameFor(path);
    if (targetExists) {
        if (sameIgnoringCase(backup, path)) {
            // Saving as the backup name itself: there is nothing to move aside
            // without losing the file, so no backup is made.
            questions.backupNotMade(backup);
        } else {
            if (fs.exists(backup))
                fs.remove(backup);  // a failure shows in the rename below
            backupMade = static_cast<bool>(fs.rename(path, backup));
            if (!backupMade)
                questions.backupNotMade(backup);
        }
    }

    if (FileResult renamed = fs.rename(temp, path); !renamed) {
        std::string error = renamed.error;
        if (backupMade && !fs.rename(backup, path))
            error += " (the previous report is kept as " + backup + ")";
        fs.remove(temp);
        return failed(std::move(error));
    }
    return {SaveOutcome::Status::Saved, backupMade, {}};
}

}  // namespace selen
