#pragma once

#include "report/ReportCheck.h"

#include <string>

namespace selen::cli {

// A short stable name for the problem, for machine-readable output.
std::string_view problemName(ProblemCode code);

// The problem in plain English words.
std::string problemMessage(const Problem& problem);

// CP932 text as UTF-8 for a terminal; bytes that are not CP932 as \xNN.
std::string printable(std::string_view cp932);

}  // namespace selen::cli
