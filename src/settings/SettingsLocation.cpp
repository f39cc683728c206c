#include "SettingsLocation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace selen {

namespace {

std::string variable(const Environment& environment, const std::string& name)
{
    auto found = environment.find(name);
    return found == environment.end() ? std::string() : found->second;
}

bool isAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

}  // namespace

std::string settingsFilePath(const std::string& executablePath, const FolderWritable& folderWritable,
                             const Environment& environment)
{
    std::filesystem::path beside(executablePath);
    const std::string folder = beside.parent_path().string();
    beside.replace_extension(".ini");
    // A copy installed with the system (under /usr) keeps its settings with
    // the user even when run by root, who could write beside it.
    const bool systemCopy = folder.rfind("/usr/", 0) == 0;
    if (!systemCopy && folderWritable(folder.empty() ? std::string(".") : folder))
        return beside.string();

    // Relative paths in these variables are to be ignored, as if unset.
    std::string configHome = variable(environment, "XDG_CONFIG_HOME");
    if (!isAbsolute(configHome)) {
        const std::string home = variable(environment, "HOME");
        if (!isAbsolute(home))
            return beside.string();
        configHome = (std::filesystem::path(home) / ".config").string();
    }
    return (std::filesystem::path(configHome) / "selen" / "selen.ini").string();
}

bool isFolderWritable(const std::string& folder)
{
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

Environment currentEnvironment()
{
    Environment environment;
    for (const char* name : {"XDG_CONFIG_HOME", "HOME"})
        if (const char* value = std::getenv(name))
            environment[name] = value;
    return environment;
}

FileResult createSettingsFolder(const std::string& settingsPath)
{
    const std::filesystem::path folder = std::filesystem::path(settingsPath).parent_path();
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return FileResult::failure(partial.string() + ": " + std::strerror(errno));
    }
    struct stat info {};
    if (!folder.empty() && (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)))
        return FileResult::failure(folder.string() + ": not a folder");
    return FileResult::success();
}

}  // namespace selen
