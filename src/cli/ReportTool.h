#pragma once

#include "report/FileSystem.h"

#include <ostream>
#include <string>
#include <vector>

namespace selen::cli {

// Runs the report tool with its arguments (without the program name) and
// returns the exit status.
int runReportTool(const std::vector<std::string>& args, FileSystem& fs, std::ostream& out, std::ostream& err);

}  // namespace selen::cli
