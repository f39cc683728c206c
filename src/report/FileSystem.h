#pragma once

#include <optional>
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
    // Creates `path`, which must not exist yet in any form (a symbolic link
    // there is never followed), writes every byte, flushes it to disk and
    // closes it. The file gets exactly the permission bits `permissions`, or
    // the usual ones for a new file when none are given. On failure nothing
    // this call made is left behind.
    virtual FileResult createFile(const std::string& path, std::string_view bytes,
                                  std::optional<unsigned> permissions) = 0;
    // The permission bits (rwx for owner, group, others) of the file at `path`.
    virtual FileResult permissions(const std::string& path, unsigned& bits) = 0;
    // The path of the file that `path` names once symbolic links are followed
    // (through a chain, relative ones from the link's folder); `path` itself
    // when it is no link. The file itself need not exist.
    virtual FileResult linkTarget(const std::string& path, std::string& target) = 0;
    virtual FileResult readFile(const std::string& path, std::string& bytes) = 0;
};

}  // namespace selen
