#pragma once

#include "ReportRules.h"

#include <string_view>
#include <vector>

namespace selen {

// Every problem of a report file's bytes, in line order: what the reader
// passes over or cuts when it reads them, then the rules of the report it
// reads (checkReport), each at its line of the text.
std::vector<Problem> checkReportText(std::string_view text, const RuleContext& context = {});

}  // namespace selen
