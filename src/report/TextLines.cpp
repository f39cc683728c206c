#include "TextLines.h"

#include <algorithm>
#include <cstring>

namespace selen {

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    lines.reserve(text.size() / 48 + 16);  // report lines are 60 to 120 bytes long
    // The next CR and the next LF are each found with memchr, which looks at
    // many bytes at a time; the nearer one ends the line.
    auto next = [&text](char c, std::size_t from) {
        const void* found = std::memchr(text.data() + from, c, text.size() - from);
        return found == nullptr ? text.size() : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    };
    std::size_t start = 0;
    std::size_t cr = next('\r', 0);
    std::size_t lf = next('\n', 0);
    while (start < text.size()) {
        if (cr < start)
            cr = next('\r', start);
        if (lf < start)
            lf = next('\n', start);
        const std::size_t end = std::min(cr, lf);
        if (end == text.size()) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (end == cr && lf == end + 1 ? 2 : 1);
    }
    return lines;
}

}  // namespace selen
