#pragma once

#include "FileSystem.h"

#include <cstddef>

namespace selen {

// The real file system, through POSIX calls so that every failure (a full
// disk, a file-size limit, a failed flush) comes back with its error text.
class PosixFileSystem final : public FileSystem {
public:
    // Files larger than this are refused when read: no report comes near it,
    // and a stray huge file must not exhaust memory.
    static constexpr std::size_t kMaxReadBytes = 64u * 1024u * 1024u;

    bool exists(const std::string& path) override;
    bool isDirectory(const std::string& path) override;
    FileResult remove(const std::string& path) override;
    FileResult rename(const std::string& from, const std::string& to) override;
    FileResult writeFile(const std::string& path, std::string_view bytes) override;
    FileResult readFile(const std::string& path, std::string& bytes) override;
    FileResult createFile(const std::string& path, std::string_view bytes,
                          std::optional<unsigned> permissions) override;
    FileResult permissions(const std::string& path, unsigned& bits) override;
    FileResult linkTarget(const std::string& path, std::string& target) override;
};

// Makes a write past the file-size limit (ulimit -f) fail with "File too
// large", which saving reports and cleans up after, instead of killing the
// program with the unsaved report. Called first thing by every program.
void ignoreFileSizeSignal();

}  // namespace selen
