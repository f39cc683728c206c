#include "FixedLine.h"

#include "Cp932.h"
#include "StringRoutines.h"

namespace selen {

std::string FixedLine::columns(std::size_t first, std::size_t count) const
{
    std::string part = first - 1 < text_.size() ? text_.substr(first - 1, count) : std::string{};
    padRightTo(part, count);
    return part;
}

char FixedLine::column(std::size_t index) const
{
    return index - 1 < text_.size() ? text_[index - 1] : ' ';
}

void FixedLine::put(std::size_t first, std::size_t count, std::string_view value)
{
    padToWidth();
    std::string formatted = cp932::cutToBytes(value, count);
    padRightTo(formatted, count);
    if (text_.size() < first - 1 + count)
        text_.resize(first - 1 + count, ' ');
    text_.replace(first - 1, count, formatted);
}

void FixedLine::putRight(std::size_t first, std::size_t count, std::string value)
{
    padLeftTo(value, count);
    put(first, count, value);
}

void FixedLine::putTwoDigits(std::size_t first, std::string value)
{
    if (value.size() == 1)
        value = "0" + value;
    putRight(first, 2, std::move(value));
}

void FixedLine::padToWidth()
{
    padRightTo(text_, width_);
}

}  // namespace selen
