#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace selen {

// Splits text into lines as a text editor shows them: CR LF, a lone LF and a
// lone CR each end a line; an empty last line after the final line end is
// not a line.
std::vector<std::string_view> splitLines(std::string_view text);

inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace selen
