#pragma once

#include "report/FileSystem.h"
#include "report/ReportRules.h"

#include <ostream>
#include <string>
#include <vector>

namespace selen::cli {

// Runs the report tool with its arguments (without the program name) and
// returns the exit status. Today's date comes from the system clock.
int runReportTool(const std::vector<std::string>& args, FileSystem& fs, std::ostream& out, std::ostream& err);

// The same with the rules' context (today's date) given.
int runReportTool(const std::vector<std::string>& args, FileSystem& fs, std::ostream& out, std::ostream& err,
                  const RuleContext& context);

}  // namespace selen::cli
