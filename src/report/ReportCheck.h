#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace selen {

// What can be wrong with a report file, for a coordinator who receives many.
enum class ProblemCode {
    MissingYear,          // a line that looks like a record but has no year
    YearOutOfRange,       // a record-like line whose year is outside 1600-2200
    RecordReadAsComment,  // a record-like line right after a record, begun with four blanks
    CodeNotInList,        // a coded column holds a character no choice writes
    NonAsciiInRecord,     // a byte outside printable ASCII in columns 1-61
    UnknownSite,          // column 60 names no site line
    UnknownObserver,      // column 61 names no observer line
    RecordTooLong,        // more than 117 columns: the surplus cannot be kept
    SplitCharacter,       // half a double-byte character at column 61, 62, 63 or 117
    CommentTooLong,       // a comment line longer than 59 characters
    TooManyRecords,       // a record past the 999th
    TooManySites,         // a site line past the 52nd
    TooManyObservers,     // an observer line past the 52nd
    FirstLineNotHeader,   // the first line is never read as a site, observer or record
    UnrecognisedLine,     // neither header, site, observer, record, comment nor message
};

struct Problem {
    ProblemCode code;
    std::size_t line = 0;         // 1-based line of the file
    std::size_t record = 0;       // 1-based record number, 0 when not a record
    std::size_t firstColumn = 0;  // report columns, 0 when the whole line
    std::size_t lastColumn = 0;
    std::string found;            // the offending characters, CP932, when useful
};

// Every problem of the text, in line order.
std::vector<Problem> checkReportText(std::string_view text);

}  // namespace selen
