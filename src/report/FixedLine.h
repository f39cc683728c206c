#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace selen {

// A fixed-width record line held as text (site and observer lines). A line
// read from a report may be shorter than its width; every column write first
// fills it with blanks to the full width, and every read treats the missing
// columns as blanks.
class FixedLine {
public:
    FixedLine(std::string text, std::size_t width) : text_(std::move(text)), width_(width) {}

    const std::string& text() const { return text_; }
    std::size_t width() const { return width_; }

    // Columns first..first+count-1 (1-based), blanks past the line's end.
    std::string columns(std::size_t first, std::size_t count) const;
    char column(std::size_t index) const;

    // Writes `value`, cut or blank-filled to `count`, over the columns.
    void put(std::size_t first, std::size_t count, std::string_view value);

    // Right-justified in `count` columns; a longer value is cut like put(),
    // so it never spills into the next field.
    void putRight(std::size_t first, std::size_t count, std::string value);

    // A one-digit value gets a leading "0"; empty gives blanks.
    void putTwoDigits(std::size_t first, std::string value);

    void padToWidth();

    friend bool operator==(const FixedLine&, const FixedLine&) = default;

private:
    std::string text_;
    std::size_t width_;
};

}  // namespace selen
