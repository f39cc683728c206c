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
    std::string error;  // the system's words, when Failed
};

// The backup name: the file name's extension (from its last dot; a dot in a
// folder name does not count) replaced by ".LBK", or ".LBK" appended.
std::string backupNameFor(const std::string& path);

// Saves `text` as `path` without ever losing the previous report: the text
// is written to a temporary file beside the target and flushed; only then
// does the previous report become the backup and the new file take its
// name. After any failure the previous report is as it was (moved back from
// the backup if need be) and no temporary file is left.
SaveOutcome saveReportFile(FileSystem& fs, SaveQuestions& questions, const std::string& path, std::string_view text);

}  // namespace selen
