#pragma once

#include "settings/ProfileFile.h"

#include <optional>
#include <string>

// The settings that follow the user's work rather than the registered
// entries: the folders last used for report and prediction files, and the
// page of the main window shown last.
namespace selen {

// The starting folders of the report and prediction file dialogs. Folder
// paths carry no trailing separator, except the root "/".
struct Folders {
    std::string report;
    std::string prediction;
};

// The number of pages of the main window; their indices are 0 to kPageCount - 1.
inline constexpr int kPageCount = 6;

// Reads the report folder, then the prediction folder. One that is not
// recorded, or recorded empty, is `executableFolder`; that default is not
// written back.
Folders loadFolders(const ProfileFile& profile, const std::string& executableFolder);

// Record the folder as it stands; an empty folder is recorded empty.
FileResult saveReportFolder(ProfileFile& profile, const std::string& folder);
FileResult savePredictionFolder(ProfileFile& profile, const std::string& folder);

// The page recorded last, read from its digits alone (so "-1" reads as 1).
// Nothing when no page is recorded or the number is not a page index.
std::optional<int> restoreCurrentPage(const ProfileFile& profile);

// Records `page` in decimal, without padding.
FileResult saveCurrentPage(ProfileFile& profile, int page);

// The folder of `filePath`: the path without its file name and without a
// trailing "/" (the root stays "/"). Empty when the path names no folder.
std::string folderOf(const std::string& filePath);

}  // namespace selen
