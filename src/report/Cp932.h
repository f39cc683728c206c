#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Code page 932 (Shift-JIS as Windows writes it) helpers. Report text is held
// as CP932 bytes everywhere in the core; conversion to and from UTF-8 happens
// only at the edges (the window, the tests' literals, the command line).
namespace selen::cp932 {

// True for a byte that starts a double-byte character.
bool isLeadByte(unsigned char byte);

// Length in bytes of the character that starts at `pos` (1 or 2). A lead
// byte with nothing after it counts as one byte.
std::size_t charLength(std::string_view text, std::size_t pos);

// The largest prefix length <= maxBytes that ends on a character boundary.
std::size_t safeCutLength(std::string_view text, std::size_t maxBytes);

// The text cut to at most maxBytes without splitting a double-byte character.
std::string cutToBytes(std::string_view text, std::size_t maxBytes);

// True when byte offset `pos` (0-based) is the second byte of a double-byte
// character, scanning from the start of the text.
bool isTrailPosition(std::string_view text, std::size_t pos);

struct Conversion {
    bool ok = false;
    std::string text;         // the converted text when ok
    std::size_t badOffset = 0; // byte offset in the input of the first character that failed
};

// UTF-8 to CP932. Common look-alikes (wave dash, minus sign, double vertical
// line and the like) become their CP932 twins first; any other character
// without a CP932 form makes the conversion fail, never a "?".
Conversion fromUtf8(std::string_view utf8);

// CP932 to UTF-8. Fails on a byte sequence that is not CP932.
Conversion toUtf8(std::string_view cp932);

// Converts a UTF-8 literal that is known to have a CP932 form (the program's
// own fixed texts). Throws std::logic_error when it has not: a programming
// fault, caught by the tests.
std::string fixed(std::string_view utf8);

}  // namespace selen::cp932
