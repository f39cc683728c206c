#include "RecordLetters.h"

#include <stdexcept>

namespace selen {

char recordLetter(std::size_t position)
{
    if (position < 26)
        return static_cast<char>('A' + position);
    if (position < kMaxLetteredLines)
        return static_cast<char>('a' + (position - 26));
    throw std::out_of_range("no record letter beyond 52 lines");
}

std::optional<std::size_t> letterPosition(char letter)
{
    if (letter >= 'A' && letter <= 'Z')
        return static_cast<std::size_t>(letter - 'A');
    if (letter >= 'a' && letter <= 'z')
        return static_cast<std::size_t>(letter - 'a' + 26);
    return std::nullopt;
}

}  // namespace selen
