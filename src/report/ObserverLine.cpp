#include "ObserverLine.h"

#include "RecordLetters.h"
#include "StringRoutines.h"

namespace selen {

ObserverLine ObserverLine::create(std::size_t position)
{
    std::string text = "O";
    text += recordLetter(position);
    text.resize(kWidth, ' ');
    return ObserverLine(std::move(text));
}

void ObserverLine::setLetter(std::size_t position)
{
    line_.put(2, 1, std::string(1, recordLetter(position)));
}

void ObserverLine::setName(std::string_view name) { line_.put(5, 25, name); }
void ObserverLine::setEmail(std::string_view email) { line_.put(31, 45, email); }

std::string ObserverLine::name() const
{
    std::string text = line_.columns(5, 25);
    trimRightSpaces(text);
    return text;
}

std::string ObserverLine::email() const
{
    std::string text = line_.columns(31, 45);
    trimRightSpaces(text);
    return text;
}

}  // namespace selen
