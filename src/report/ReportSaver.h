#pragma once

#include "FileSystem.h"

#include <string>
#include <string_view>

namespace selen {

// The questions and notices of saving, answered by the window (or by a
// command-line tool, or a test).
class SaveQuestions {
public:
    virtual ~SaveQuestions() = default;
    // A file of the chosen name exists: may it be overwritten?
    virtual bool confirmOverwrite(const std::string& path) = 0;
    // The previous report could not be kept as the backup; saving goes on.
    virtual void backupNotMade(const std::string& backupPath) = 0;
};

struct SaveOutcome {
    enum class Status { Saved, Declined, Failed };
    Status status = Status::Failed;
    bool backupMade = false;
    // When Failed: the system's words.
    std::string cause;
    // When Failed and the previous report could not get its name back: the
    // backup name, the only name it still has.
    std::string reportLeftAs;
    // When Failed and the older backup could not get its name back: the
    // temporary name it was moved aside to.
    std::string olderBackupLeftAs;
};

// The backup name: the file name's extension (from its last dot; a dot in a
// folder name does not count) replaced by ".LBK", or ".LBK" appended.
std::string backupNameFor(const std::string& path);

// Saves `text` as `path` without ever losing the previous report or its
// backup. A symbolic link at `path` is followed: the file it names is saved,
// its backup made beside it, and the link stays. The text goes to a new
// temporary file beside the report (created exclusively, with the replaced
// report's permission bits) and is flushed; only then is the older backup
// moved aside, the report renamed to the backup and the new file given the
// report's name; the older backup is deleted last. After any failure every
// step is undone: the report and its backup are as they were and no
// temporary file is left. Only where undoing fails too does the outcome name
// where the previous files were left.
SaveOutcome saveReportFile(FileSystem& fs, SaveQuestions& questions, const std::string& path, std::string_view text);

}  // namespace selen
