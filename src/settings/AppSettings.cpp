#include "AppSettings.h"

#include "report/StringRoutines.h"

namespace selen {

namespace {
constexpr std::string_view kFilePathSection = "FilePath";
constexpr std::string_view kReportFolderKey = "LORDirectory";
constexpr std::string_view kPredictionFolderKey = "PredictionDirectory";
constexpr std::string_view kPageSection = "Page";
constexpr std::string_view kCurrentPageKey = "CurrentPage";

std::string folderOrDefault(const ProfileFile& profile, std::string_view key, const std::string& executableFolder)
{
    std::string folder = profile.read(kFilePathSection, key);
    return folder.empty() ? executableFolder : folder;
}
}  // namespace

Folders loadFolders(const ProfileFile& profile, const std::string& executableFolder)
{
    Folders folders;
    folders.report = folderOrDefault(profile, kReportFolderKey, executableFolder);
    folders.prediction = folderOrDefault(profile, kPredictionFolderKey, executableFolder);
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
