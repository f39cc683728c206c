#pragma once

#include "report/ReportCheck.h"

#include <string>

namespace selen::cli {

// A short stable name for the problem, for machine-readable output.
std::string_view problemName(ProblemCode code);

// The problem in plain English words, naming the field as the window does.
std::string problemMessage(const Problem& problem);
void appendProblemMessage(std::string& out, const Problem& problem);

// Where in the file or report the problem is, in words: "record 3,
// columns 11-12", "site line 2, column 5", or empty.
std::string problemPlace(const Problem& problem);
void appendProblemPlace(std::string& out, const Problem& problem);

// CP932 text as UTF-8 for a terminal; bytes that are not CP932 as \xNN.
std::string printable(std::string_view cp932);

// Any bytes as valid UTF-8: bytes that do not form UTF-8 become U+FFFD.
std::string validUtf8(std::string_view bytes);

// A JSON string literal (quotes included) of UTF-8 text.
std::string jsonString(std::string_view utf8);
void appendJsonString(std::string& out, std::string_view utf8);

}  // namespace selen::cli
