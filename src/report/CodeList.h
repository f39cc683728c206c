#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace selen {

// A choice list whose entries write a code into a record: the code is the
// first `codeWidth` characters of the chosen entry's text. Entry texts are
// CP932, exactly as the user sees them.
class CodeList {
public:
    CodeList(std::vector<std::string> entries, std::size_t codeWidth = 1);

    // Builds a list from the program's own UTF-8 texts, converted once.
    static CodeList fromUtf8(std::initializer_list<std::string_view> entries, std::size_t codeWidth = 1);

    const std::vector<std::string>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    std::size_t codeWidth() const { return codeWidth_; }

    // The code entry `index` writes, padded with blanks to the code width.
    std::string codeAt(std::size_t index) const;

    // The first entry whose code equals `code`, or -1 when none does.
    int indexOfCode(std::string_view code) const;

    bool hasCode(std::string_view code) const { return indexOfCode(code) >= 0; }

private:
    std::vector<std::string> entries_;
    std::size_t codeWidth_;
};

}  // namespace selen
