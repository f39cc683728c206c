#include "TextLines.h"

namespace selen {

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        char c = text[pos];
        if (c != '\r' && c != '\n') {
            ++pos;
            continue;
        }
        lines.push_back(text.substr(start, pos - start));
        pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        start = pos;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

}  // namespace selen
