#include "StringRoutines.h"

#include "Cp932.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace selen {


void trimRightSpaces(std::string& text)
{
    std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
}

void trimLeftSpaces(std::string& text)
{
    std::size_t start = text.find_first_not_of(' ');
    text.erase(0, start == std::string::npos ? text.size() : start);
}

void cleanDecimal(std::string& text)
{
    std::erase_if(text, [](char c) { return !isDigit(c) && c != '.' && c != '-'; });
    std::size_t firstPoint = text.find('.');
    if (firstPoint != std::string::npos) {
        std::size_t write = firstPoint + 1;
        for (std::size_t read = firstPoint + 1; read < text.size(); ++read) {
            if (text[read] != '.')
                text[write++] = text[read];
        }
        text.resize(write);
    }
    if (!text.empty() && text.front() == '.')
        text.erase(0, 1);
}

std::size_t digitsOnly(std::string& text)
{
    std::erase_if(text, [](char c) { return !isDigit(c); });
    return text.size();
}

void digitsAndMinusOnly(std::string& text)
{
    std::erase_if(text, [](char c) { return !isDigit(c) && c != '-'; });
}

void padLeftTo(std::string& text, std::size_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
}

void padRightTo(std::string& text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
}

bool isBlankLine(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '/'; });
}

bool isBlankObservationLine(std::string_view item)
{
    return isBlankLine(item.size() > 5 ? item.substr(5) : std::string_view{});
}

bool isBlankText(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ') {
            ++pos;
        } else if (cp932::charLength(text, pos) == 2 && static_cast<unsigned char>(text[pos]) == 0x81
                   && static_cast<unsigned char>(text[pos + 1]) == 0x40) {
            pos += 2;
        } else {
            return false;
        }
    }
    return true;
}

long long roundHalfAway(double x)
{
    if (std::isnan(x))
        return 0;
    double rounded = x >= 0 ? std::trunc(x + 0.5) : std::trunc(x - 0.5);
    constexpr double kMax = static_cast<double>(std::numeric_limits<long long>::max() / 2);
    return static_cast<long long>(std::clamp(rounded, -kMax, kMax));
}

long long digitValue(std::string_view digits)
{
    constexpr long long kCeiling = std::numeric_limits<long long>::max() / 10 - 10;
    long long value = 0;
    for (char c : digits) {
        if (!isDigit(c))
            continue;
        value = value * 10 + (c - '0');
        if (value > kCeiling)
            return kCeiling;
    }
    return value;
}

}  // namespace selen
