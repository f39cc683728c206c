#include "CodeList.h"

#include "Cp932.h"
#include "StringRoutines.h"

namespace selen {

CodeList::CodeList(std::vector<std::string> entries, std::size_t codeWidth)
    : entries_(std::move(entries)), codeWidth_(codeWidth)
{
}

CodeList CodeList::fromUtf8(std::initializer_list<std::string_view> entries, std::size_t codeWidth)
{
    std::vector<std::string> converted;
    converted.reserve(entries.size());
    for (std::string_view entry : entries)
        converted.push_back(cp932::fixed(entry));
    return CodeList(std::move(converted), codeWidth);
}

std::string CodeList::codeAt(std::size_t index) const
{
    std::string code = entries_.at(index).substr(0, codeWidth_);
    padRightTo(code, codeWidth_);
    return code;
}

int CodeList::indexOfCode(std::string_view code) const
{
    std::string wanted(code.substr(0, codeWidth_));
    padRightTo(wanted, codeWidth_);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (codeAt(i) == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace selen
