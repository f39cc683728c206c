#pragma once

#include "RecordRules.h"
#include "Report.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The problems of a whole report, for the window's problem list and for
// selen-report: the same rules over the report as the pages hold it.
namespace selen {

enum class ProblemCode : std::uint8_t {
    // Found in the text only: what the reader passes over or cuts.
    ByteOrderMark,        // the file begins with a UTF-8 byte-order mark: its first line is not read
    FirstLineNotHeader,   // the first line is never read as a site, observer or record
    SecondHeaderLine,     // a second "Place name", "Email address" or "Representative" line
    LineAfterMarker,      // text on the line right after the message marker
    UnrecognisedLine,     // neither header, site, observer, record, comment nor message
    MissingYear,          // a line that looks like a record but has no year
    YearOutOfRange,       // a year outside 1600-2200 (a line not read, or a record held so)
    RecordReadAsComment,  // a record-like line right after a record, begun with four blanks
    RecordTooLong,        // more than 117 columns: the surplus cannot be kept
    SplitCharacter,       // half a double-byte character at column 61, 62, 63 or 117
    SeparatorOverwritten, // column 62 of a record line holds a character: the separator "/" takes its place
    CommentTooLong,       // a comment line longer than the comment area
    CertaintyReadAsBlank, // column 43 holds something other than 1, 2, 3: the reader blanks it
    TooManyRecords,       // a record past the 999th
    TooManySites,         // a site line past the 52nd
    TooManyObservers,     // an observer line past the 52nd
    // Rules of the report's items.
    MissingPlaceName,
    MissingEmail,
    MissingRepresentative,
    NoSiteLine,           // records, but no site line that holds anything
    NoObserverLine,       // records, but no observer line that holds anything
    NonAscii,             // a byte outside printable ASCII in the fixed columns of a record, site or observer line
    RequiredMissing,      // a field the record needs is empty (white on the page)
    CodeNotInList,        // a coded column holds a character no choice writes
    UnknownSite,          // the site letter names no site line
    UnknownObserver,      // the observer letter names no observer line
    NotADate,             // a month outside 1-12, a day the month does not have
    NotATime,             // hour 24 or more, minute or second 60 or more, a fraction that is not digits
    FutureDate,           // dated more than one day after today
};

// Small, because a report of 999 incomplete records has thousands.
struct Problem {
    ProblemCode code;
    // 1-based line of the file; for a report held in memory, the position of
    // the record, site or observer line in its list. 0 when there is none
    // (for example a missing header value).
    std::uint32_t line = 0;
    std::uint32_t record = 0;    // 1-based record number, 0 when not about a record
    std::uint16_t site = 0;      // 1-based site line position, 0 when not about one
    std::uint16_t observer = 0;  // 1-based observer line position, 0 when not about one
    std::optional<FieldId> field{};  // the observation field, when about one
    std::uint32_t firstColumn = 0;   // columns of the record or line, 0 when the whole line
    std::uint32_t lastColumn = 0;
    std::string found{};  // the offending characters, CP932, when useful

    friend bool operator==(const Problem&, const Problem&) = default;
};

struct RuleContext {
    // Today's local date, as numbers; a year of 0 leaves the future-date rule out.
    int todayYear = 0;
    int todayMonth = 0;
    int todayDay = 0;
    // The photometry check box of the observation page.
    bool photometryTicked = true;
};

// Every problem of the report as held, in this order: header, site lines,
// observer lines, then the records in list order. Blank records (the ones
// the report text leaves out) have none but a missing year, which saving
// and leaving the observation page ask for.
std::vector<Problem> checkReport(const Report& report, const RuleContext& context = {});

// True when the problem means that text of the file is not kept when the
// report is read and written again.
bool losesText(const Problem& problem);

// Where the items of a report came from, for problems about a report read
// from text: 1-based lines, one per taken record, site and observer line.
struct ItemLines {
    const std::vector<std::size_t>* records = nullptr;
    const std::vector<std::size_t>* sites = nullptr;
    const std::vector<std::size_t>* observers = nullptr;
};

// The rules of checkReport, appended to `out` (grown once, to its final
// size) with line numbers taken from `lines` (positions in the lists when a
// list is not given).
void checkReportItems(const Report& report, const RuleContext& context, const ItemLines& lines,
                      std::vector<Problem>& out);

}  // namespace selen
