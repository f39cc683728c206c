#pragma once

#include "ReportReader.h"
#include "ReportRules.h"

#include <string_view>
#include <vector>

namespace selen {

// Every problem of a report file's bytes, in line order: what the reader
// passes over or cuts when it reads them, then the rules of the report it
// reads (checkReport), each at its line of the text.
std::vector<Problem> checkReportText(std::string_view text, const RuleContext& context = {});

// Only what reading passes over, cuts or changes (the problems for which
// losesText holds), in line order, for a text already split into `lines`
// and read into `read`, so that a caller that reads the report anyway does
// not read it twice.
std::vector<Problem> readingProblems(std::string_view text, const std::vector<std::string_view>& lines,
                                     const ReadReport& read);

}  // namespace selen
