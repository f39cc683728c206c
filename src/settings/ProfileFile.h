#pragma once

#include "report/FileSystem.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace selen {

// The settings file: a plain INI text of "[Section]" lines and "key=value"
// lines, read and written one key at a time. Every call opens the file,
// does its one read or write and is done with it; nothing is kept between
// calls, so a person may edit the file while the program runs.
//
// Section and key names are compared without regard to ASCII letter case;
// spaces inside a key belong to it ("LongDeg 1" and "LongDeg  1" are two
// keys). Values are CP932 bytes and pass through unchanged, except that
// blanks around a value are dropped on reading. When a key appears twice in
// a section, the later line wins; a section that appears twice is one
// section. Writing rewrites the whole file, with one section line per
// section and one "key=value" line per entry.
class ProfileFile {
public:
    // The longest value a read gives back, in bytes.
    static constexpr std::size_t kMaxValueBytes = 2047;

    ProfileFile(FileSystem& fs, std::string path);

    const std::string& path() const { return path_; }

    // The value of `key` in `section`, or `fallback` when the file, the
    // section or the key is missing (or the file cannot be read). A value
    // longer than kMaxValueBytes is cut without splitting a double-byte
    // character. Text that is not valid INI is read as far as it makes sense.
    std::string read(std::string_view section, std::string_view key, std::string_view fallback = {}) const;

    // Sets `key` in `section` to `value` and replaces the file atomically
    // (a temporary file beside it, flushed, then renamed over it). A missing
    // file is created. On failure the file is as it was, no temporary file
    // is left, and the error names the settings file. Refused without
    // touching the file: a value holding a line break or a NUL byte, a name
    // the file could not hold, and a file that exists but cannot be read.
    FileResult write(std::string_view section, std::string_view key, std::string_view value);

private:
    FileSystem& fs_;
    std::string path_;
};

}  // namespace selen
