#include "NorvaleTiming.h"

#include "entry/ObservationPage.h"

#include <string>

namespace selen {

namespace {

// A result line of this length carries the fraction in three digits.
constexpr std::size_t kMillisecondLineLength = 43;

// Columns first..first+width-1 of the line, blanks past its end.
std::string columnsOf(std::string_view line, std::size_t first, std::size_t width)
{
    std::string text(first <= line.size() ? line.substr(first - 1, width) : std::string_view());
    text.resize(width, ' ');
    return text;
}

}  // namespace

void takeNorvaleTiming(std::string_view clipboardText, ObservationPage& page)
{
    const std::string_view line = clipboardText.substr(0, clipboardText.find_first_of("\r\n"));
    const std::size_t fractionWidth = line.size() == kMillisecondLineLength ? 3 : 2;
    page.hour.enter(columnsOf(line, 34, 2));
    page.minute.enter(columnsOf(line, 36, 2));
    page.second.enter(columnsOf(line, 38, 2));
    page.fraction.enter(columnsOf(line, 41, fractionWidth));
}

}  // namespace selen
