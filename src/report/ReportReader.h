#pragma once

#include "Report.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace selen {

// A line of the text that the reader does not keep.
struct PassedOverLine {
    enum class Reason {
        FirstLine,        // the first line is searched for header labels only
        SecondHeader,     // a second "Place name", "Email address" or "Representative" line
        AfterMarker,      // the line right after the message marker, when it holds more than blanks
        BeyondSites,      // a site line past the 52nd
        BeyondObservers,  // an observer line past the 52nd
        BeyondRecords,    // a record past the 999th (with its comment line)
        NotRecognised,    // neither header, site, observer, record, comment, message nor blank
    };
    std::size_t line;  // 1-based
    Reason reason;
};

struct ReadReport {
    Report report;
    // Record lines past the 999th: not taken, so that no record number ever
    // needs four characters. The caller tells the user.
    std::size_t recordsLeftOut = 0;
    // Where the items came from (1-based lines): one entry per record, site
    // and observer line taken. A default line put in place of none has none.
    std::vector<std::size_t> recordLines;
    std::vector<std::size_t> siteLines;
    std::vector<std::size_t> observerLines;
    // Every line that is not kept, in line order. Blank lines are not listed.
    std::vector<PassedOverLine> passedOver;
};

// Takes report text apart into its items. Tolerant: lines are recognised by
// their first characters and everything unrecognised is passed over. The
// header, site, observer and record lines are looked for before the message
// marker only; the lines after it are the options-page message.
ReadReport parseReportText(std::string_view text);

// The same, over the text already cut into lines (splitLines).
ReadReport parseReportLines(const std::vector<std::string_view>& lines);

// True for the line the reader takes as the comment of the record before
// it: one that begins with four blanks.
bool isCommentLine(std::string_view line);

// The line of the marker that ends the records, found as the reader finds
// it: a line right after a record that begins with four blanks is that
// record's comment, even when it reads like the marker.
std::optional<std::size_t> messageMarkerLine(const std::vector<std::string_view>& lines);

// Removes at most four leading spaces, stopping at the first other character.
std::string_view withoutMessageIndent(std::string_view line);

}  // namespace selen
