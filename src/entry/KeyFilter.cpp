#include "KeyFilter.h"

#include "report/Cp932.h"

namespace selen {

bool keyPasses(KeyFilter filter, char c)
{
    const bool digit = c >= '0' && c <= '9';
    switch (filter) {
    case KeyFilter::None: return true;
    case KeyFilter::Digits: return digit;
    case KeyFilter::DigitsAndPoint: return digit || c == '.';
    case KeyFilter::DigitsAndMinus: return digit || c == '-';
    case KeyFilter::LettersAndPoint: return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.';
    }
    return false;
}

std::string filterText(KeyFilter filter, std::string_view text)
{
    if (filter == KeyFilter::None)
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); pos += cp932::charLength(text, pos)) {
        // A double-byte character never passes a filter, even where its
        // second byte looks like a letter.
        if (cp932::charLength(text, pos) == 1 && keyPasses(filter, text[pos]))
            out += text[pos];
    }
    return out;
}

}  // namespace selen
