#pragma once

#include <string>
#include <string_view>

namespace selen {

// The outcome of one file operation: ok, or the system's words for what
// went wrong.
struct FileResult {
    bool ok = true;
    std::string error;

    static FileResult success() { return {}; }
    static FileResult failure(std::string message) { return {false, std::move(message)}; }
    explicit operator bool() const { return ok; }
};

// The file operations the program needs. Saving and opening go through this
// port so that every failure can be injected in tests.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool exists(const std::string& path) = 0;
    // True when `path` names a folder (through a link too). A file system
    // without folders (a test's) has none.
    virtual bool isDirectory(const std::string& /*path*/) { return false; }
    virtual FileResult remove(const std::string& path) = 0;
    // Renames over an existing `to`.
    virtual FileResult rename(const std::string& from, const std::string& to) = 0;
    // Creates or truncates `path`, writes every byte and flushes it to disk.
    virtual FileResult writeFile(const std::string& path, std::string_view bytes) = 0;
    virtual FileResult readFile(const std::string& path, std::string& bytes) = 0;
};

}  // namespace selen
