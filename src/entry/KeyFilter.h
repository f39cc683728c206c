#pragma once

#include <string>
#include <string_view>

namespace selen {

// Which typed characters a text field accepts.
enum class KeyFilter {
    None,             // every character
    Digits,           // 0-9
    DigitsAndPoint,   // 0-9 and "."
    DigitsAndMinus,   // 0-9 and "-"
    LettersAndPoint,  // A-Z, a-z and "."
};

// True when a typed character (a byte of single-byte text) passes.
bool keyPasses(KeyFilter filter, char c);

// The text without the characters the filter does not pass. Text that
// reaches a field other than by typing (a paste, a recall, an import) goes
// through this, so a field never holds what it could not be typed with.
std::string filterText(KeyFilter filter, std::string_view text);

}  // namespace selen
