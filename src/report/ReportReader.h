#pragma once

#include "Report.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace selen {

struct ReadReport {
    Report report;
    // Record lines past the 999th: not taken, so that no record number ever
    // needs four characters. The caller tells the user.
    std::size_t recordsLeftOut = 0;
};

// Takes report text apart into its items. Tolerant: lines are recognised by
// their first characters and everything unrecognised is passed over. The
// header, site, observer and record lines are looked for before the message
// marker only; the lines after it are the options-page message.
ReadReport parseReportText(std::string_view text);

// The line of the marker that ends the records, found as the reader finds
// it: a line right after a record that begins with four blanks is that
// record's comment, even when it reads like the marker.
std::optional<std::size_t> messageMarkerLine(const std::vector<std::string_view>& lines);

// Removes at most four leading spaces, stopping at the first other character.
std::string_view withoutMessageIndent(std::string_view line);

}  // namespace selen
