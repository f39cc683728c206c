#include "AppSettings.h"

#include "report/StringRoutines.h"

#include <utility>

namespace selen {

namespace {
constexpr std::string_view kFilePathSection = "FilePath";
constexpr std::string_view kReportFolderKey = "LORDirectory";
constexpr std::string_view kPredictionFolderKey = "PredictionDirectory";
constexpr std::string_view kPageSection = "Page";
constexpr std::string_view kCurrentPageKey = "CurrentPage";
constexpr std::string_view kWindowSection = "Window";
constexpr std::string_view kLeftKey = "Left";
constexpr std::string_view kTopKey = "Top";
constexpr std::string_view kWidthKey = "Width";
constexpr std::string_view kHeightKey = "Height";
constexpr std::string_view kMaximizedKey = "Maximized";

std::string folderOrDefault(const ProfileFile& profile, std::string_view key, const std::string& defaultFolder)
{
    std::string folder = profile.read(kFilePathSection, key);
    return folder.empty() ? defaultFolder : folder;
}

// A whole number of at most kLargestWindowCoordinate either way, written as
// digits with an optional leading minus; nothing for any other text.
std::optional<int> readCoordinate(const ProfileFile& profile, std::string_view key)
{
    const std::string text = profile.read(kWindowSection, key);
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = std::string_view(text).substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int value = std::stoi(std::string(digits));
    if (value > kLargestWindowCoordinate)
        return std::nullopt;
    return negative ? -value : value;
}
}  // namespace

Folders loadFolders(const ProfileFile& profile, const std::string& defaultFolder)
{
    Folders folders;
    folders.report = folderOrDefault(profile, kReportFolderKey, defaultFolder);
    folders.prediction = folderOrDefault(profile, kPredictionFolderKey, defaultFolder);
    return folders;
}

FileResult saveReportFolder(ProfileFile& profile, const std::string& folder)
{
    return profile.write(kFilePathSection, kReportFolderKey, folder);
}

FileResult savePredictionFolder(ProfileFile& profile, const std::string& folder)
{
    return profile.write(kFilePathSection, kPredictionFolderKey, folder);
}

std::optional<int> restoreCurrentPage(const ProfileFile& profile)
{
    std::string digits = profile.read(kPageSection, kCurrentPageKey);
    if (digitsOnly(digits) == 0)
        return std::nullopt;
    // digitValue saturates, so a long run of digits is simply out of range.
    const long long page = digitValue(digits);
    if (page >= kPageCount)
        return std::nullopt;
    return static_cast<int>(page);
}

FileResult saveCurrentPage(ProfileFile& profile, int page)
{
    return profile.write(kPageSection, kCurrentPageKey, std::to_string(page));
}

std::optional<WindowGeometry> loadWindowGeometry(const ProfileFile& profile)
{
    const std::optional<int> x = readCoordinate(profile, kLeftKey);
    const std::optional<int> y = readCoordinate(profile, kTopKey);
    const std::optional<int> width = readCoordinate(profile, kWidthKey);
    const std::optional<int> height = readCoordinate(profile, kHeightKey);
    const std::string maximized = profile.read(kWindowSection, kMaximizedKey);
    if (!x || !y || !width || !height || *width <= 0 || *height <= 0 || (maximized != "0" && maximized != "1"))
        return std::nullopt;
    return WindowGeometry{*x, *y, *width, *height, maximized == "1"};
}

FileResult saveWindowGeometry(ProfileFile& profile, const WindowGeometry& geometry)
{
    const std::pair<std::string_view, std::string> values[] = {
        {kLeftKey, std::to_string(geometry.x)},
        {kTopKey, std::to_string(geometry.y)},
        {kWidthKey, std::to_string(geometry.width)},
        {kHeightKey, std::to_string(geometry.height)},
        {kMaximizedKey, geometry.maximized ? "1" : "0"},
    };
    for (const auto& [key, value] : values) {
        if (FileResult written = profile.write(kWindowSection, key, value); !written)
            return written;
    }
    return FileResult::success();
}

std::string folderOf(const std::string& filePath)
{
    const std::size_t slash = filePath.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    std::string folder = filePath.substr(0, slash);
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    return folder.empty() ? std::string("/") : folder;
}

}  // namespace selen
