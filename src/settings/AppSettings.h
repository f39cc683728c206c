#pragma once

#include "settings/ProfileFile.h"

#include <optional>
#include <string>

// The settings that follow the user's work rather than the registered
// entries: the folders last used for report and prediction files, the page
// of the main window shown last, and where the main window stood.
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
// recorded, or recorded empty, is `defaultFolder` (the window passes the
// user's documents or home folder); that default is not written back.
Folders loadFolders(const ProfileFile& profile, const std::string& defaultFolder);

// Record the folder as it stands; an empty folder is recorded empty.
FileResult saveReportFolder(ProfileFile& profile, const std::string& folder);
FileResult savePredictionFolder(ProfileFile& profile, const std::string& folder);

// The page recorded last, read from its digits alone (so "-1" reads as 1).
// Nothing when no page is recorded or the number is not a page index.
std::optional<int> restoreCurrentPage(const ProfileFile& profile);

// Records `page` in decimal, without padding.
FileResult saveCurrentPage(ProfileFile& profile, int page);

// Where the main window stood when it was last closed: its normal (not
// maximized) frame in screen pixels, and whether it was maximized. Kept in a
// section of its own, "Window", so the registered entries, folders and page
// are never touched by it.
struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;

    bool operator==(const WindowGeometry&) const = default;
};

// The largest position or size read back, in pixels either way; anything
// beyond it is no screen's and reads as junk.
inline constexpr int kLargestWindowCoordinate = 100000;

// The recorded geometry, or nothing when none is recorded. A geometry is
// taken only whole: every key present, the position a whole number
// (negative allowed), the size a positive whole number, none beyond
// kLargestWindowCoordinate, and "Maximized" 0 or 1. Anything else, a
// half-written or hand-mangled section included, reads as nothing recorded,
// so the window opens at its own default size. Fitting the geometry to the
// screens there are now is the window's task.
std::optional<WindowGeometry> loadWindowGeometry(const ProfileFile& profile);

// Records the geometry key by key; stops at the first key that cannot be
// written and returns its failure.
FileResult saveWindowGeometry(ProfileFile& profile, const WindowGeometry& geometry);

// The folder of `filePath`: the path without its file name and without a
// trailing "/" (the root stays "/"). Empty when the path names no folder.
std::string folderOf(const std::string& filePath);

}  // namespace selen
