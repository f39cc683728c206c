#pragma once

#include "Report.h"

#include <cstddef>
#include <string_view>

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

// Removes at most four leading spaces, stopping at the first other character.
std::string_view withoutMessageIndent(std::string_view line);

}  // namespace selen
