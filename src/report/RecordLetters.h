#pragma once

#include <cstddef>
#include <optional>

namespace selen {

// Site and observer lines are lettered by position: A-Z, then a-z.
inline constexpr std::size_t kMaxLetteredLines = 52;

// The letter of list position `position` (0-based, below 52).
char recordLetter(std::size_t position);

// The list position a letter stands for, if it is one of A-Z a-z.
std::optional<std::size_t> letterPosition(char letter);

}  // namespace selen
