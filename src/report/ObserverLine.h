#pragma once

#include "FixedLine.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace selen {

// One observer: a 75-column line beginning "O" and the observer's record
// letter, the name in columns 5-29 and the e-mail address in 31-75.
class ObserverLine {
public:
    static constexpr std::size_t kWidth = 75;

    static ObserverLine create(std::size_t position);
    static ObserverLine fromText(std::string text) { return ObserverLine(std::move(text)); }

    const std::string& text() const { return line_.text(); }

    void setLetter(std::size_t position);
    char letter() const { return line_.column(2); }

    void setName(std::string_view name);
    void setEmail(std::string_view email);
    std::string name() const;
    std::string email() const;

    void padToWidth() { line_.padToWidth(); }

    friend bool operator==(const ObserverLine&, const ObserverLine&) = default;

private:
    explicit ObserverLine(std::string text) : line_(std::move(text), kWidth) {}
    FixedLine line_;
};

}  // namespace selen
