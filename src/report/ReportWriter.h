#pragma once

#include "Report.h"

#include <string>
#include <vector>

namespace selen {

// The complete report text, CP932 bytes with CR LF after every line: header
// lines, an empty line, site lines, an empty line, observer lines, an empty
// line, every record with its comment line, then the message block.
std::string buildReportText(const Report& report);

// The message block alone (empty when every line is blank).
std::string messageBlock(const std::vector<std::string>& messageLines);

}  // namespace selen
