#pragma once

// Helpers for the settings tests: an in-memory file system that fails on
// demand, and a scratch folder on the real disk.

#include "report/FileSystem.h"

#include <stdlib.h>

#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

namespace selen::test {

// Files held in a map. A failing write leaves half of its bytes behind, as a
// full disk does; a path in `unreadable` exists but cannot be read.
class MemoryFileSystem final : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    bool failWrite = false;
    bool failRename = false;
    int writes = 0;

    bool exists(const std::string& path) override { return files.count(path) || unreadable.count(path); }
    FileResult remove(const std::string& path) override
    {
        return files.erase(path) ? FileResult::success() : FileResult::failure(path + ": No such file");
    }
    FileResult rename(const std::string& from, const std::string& to) override
    {
        if (failRename || !files.count(from))
            return FileResult::failure(to + ": Permission denied");
        files[to] = files[from];
        files.erase(from);
        return FileResult::success();
    }
    FileResult writeFile(const std::string& path, std::string_view bytes) override
    {
        ++writes;
        files[path] = std::string(bytes.substr(0, failWrite ? bytes.size() / 2 : bytes.size()));
        return failWrite ? FileResult::failure(path + ": No space left on device") : FileResult::success();
    }
    FileResult readFile(const std::string& path, std::string& bytes) override
    {
        if (unreadable.count(path) || !files.count(path))
            return FileResult::failure(path + (unreadable.count(path) ? ": Permission denied" : ": No such file"));
        bytes = files[path];
        return FileResult::success();
    }
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "selen-settings-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name = {}) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace selen::test
