#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Small text routines shared by the record formats and the entry fields.
// They work on single-byte (CP932) text; only the blank tests look at
// double-byte characters.
namespace selen {

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// True when `text` holds anything but the space character.
constexpr bool hasNonSpace(std::string_view text)
{
    return text.find_first_not_of(' ') != std::string_view::npos;
}

// Removes trailing spaces (only the space character counts).
void trimRightSpaces(std::string& text);

// Removes leading spaces; an all-space text becomes empty.
void trimLeftSpaces(std::string& text);

// Keeps digits, "." and "-"; removes every "." after the first, then a "."
// that stands first. Minus signs stay wherever they are.
void cleanDecimal(std::string& text);

// Removes every character that is not a digit; returns the new length.
std::size_t digitsOnly(std::string& text);

// Removes all spaces, then every character that is neither a digit nor "-".
void digitsAndMinusOnly(std::string& text);

// Right-justifies by inserting spaces in front; a longer text stays as it is.
void padLeftTo(std::string& text, std::size_t width);

// Left-justifies by appending spaces; a longer text stays as it is.
void padRightTo(std::string& text, std::size_t width);

// True when every character is a space or "/"; an empty text is blank.
bool isBlankLine(std::string_view text);

// isBlankLine of an observation item without its list prefix and report
// column 1 (its first five characters).
bool isBlankObservationLine(std::string_view item);

// True when the text holds only half-width spaces and full-width spaces
// (0x81 0x40); an empty text is blank.
bool isBlankText(std::string_view text);

// Nearest integer, halves away from zero.
long long roundHalfAway(double x);

// Value of a text of digits; saturates instead of overflowing, so a long run
// of digits never wraps around. An empty text is 0.
long long digitValue(std::string_view digits);

}  // namespace selen
