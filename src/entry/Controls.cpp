#include "Controls.h"

#include "report/Cp932.h"
#include "report/TextLines.h"

#include <algorithm>

namespace selen {

namespace {
// Sets a shown property and tells the views, when it really changes.
template <typename T>
void change(T& property, T value, const Notifier& changed)
{
    if (property == value)
        return;
    property = value;
    changed.notify();
}
}  // namespace

void TextControl::setText(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    if (changeRule_)
        changeRule_();
    changed_.notify();
}

void TextControl::enter(std::string_view text)
{
    std::string cleaned = filterText(filter_, text);
    if (maxBytes_ > 0)
        cleaned.resize(cp932::safeCutLength(cleaned, maxBytes_));
    if (cleaned == text_) {
        changed_.notify();  // the view may show a character the filter refused
        return;
    }
    setText(std::move(cleaned));
}

std::optional<TextControl::Edit> TextControl::fitEdit(std::size_t from, std::size_t to, std::string_view inserted) const
{
    to = std::min(to, text_.size());
    from = std::min(from, to);
    std::string taken = filterText(filter_, inserted);
    const std::size_t kept = text_.size() - (to - from);
    if (maxBytes_ > 0 && kept + taken.size() > maxBytes_) {
        const std::size_t room = maxBytes_ > kept ? maxBytes_ - kept : 0;
        taken.resize(cp932::safeCutLength(taken, room));
    }
    if (taken.empty() && !inserted.empty())
        return std::nullopt;  // nothing of the key (or paste) fits: refused, the text stays
    Edit edit;
    edit.text.reserve(kept + taken.size());
    edit.text.append(text_, 0, from);
    edit.text += taken;
    edit.text.append(text_, to, std::string::npos);
    edit.cursor = from + taken.size();
    return edit;
}

bool TextControl::replace(std::size_t from, std::size_t to, std::string_view inserted)
{
    std::optional<Edit> edit = fitEdit(from, to, inserted);
    if (!edit)
        return false;
    if (edit->text == text_)
        changed_.notify();  // the view may show a character the filter refused
    else
        setText(std::move(edit->text));
    return true;
}

void TextControl::load(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    changed_.notify();
}

void TextControl::putAgain()
{
    if (changeRule_)
        changeRule_();
    changed_.notify();
}

void TextControl::setEnabled(bool enabled)
{
    change(enabled_, enabled, changed_);
}

void TextControl::setColour(std::uint32_t colour)
{
    change(colour_, colour, changed_);
}

void ChoiceControl::choose(std::size_t index)
{
    setIndex(index);
    if (changeRule_)
        changeRule_();
}

void ChoiceControl::setIndex(std::size_t index)
{
    if (index >= lines_.size())
        index = 0;
    if (index == index_)
        return;
    index_ = index;
    changed_.notify();
}

void ChoiceControl::setLines(std::vector<std::string> lines)
{
    lines_ = std::move(lines);
    if (index_ >= lines_.size())
        index_ = 0;
    changed_.notify();
}

void ChoiceControl::setEnabled(bool enabled)
{
    change(enabled_, enabled, changed_);
}

void ChoiceControl::setColour(std::uint32_t colour)
{
    change(colour_, colour, changed_);
}

void ChoiceControl::selectByCode(char code)
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].empty() && lines_[i][0] == code) {
            setIndex(i);
            return;
        }
    }
    setIndex(0);
}

void CheckControl::click()
{
    setChecked(!checked_);
    if (clickRule_)
        clickRule_();
}

void CheckControl::setChecked(bool checked)
{
    change(checked_, checked, changed_);
}

void CheckControl::setEnabled(bool enabled)
{
    change(enabled_, enabled, changed_);
}

void CheckControl::setColour(std::uint32_t colour)
{
    change(colour_, colour, changed_);
}

void ListControl::setLines(std::vector<std::string> lines)
{
    if (lines == lines_)
        return;
    lines_ = std::move(lines);
    changed_.notify();
}

std::vector<std::string> MemoControl::lines() const
{
    std::vector<std::string> result;
    for (std::string_view line : splitLines(text_))
        result.emplace_back(line);
    return result;
}

void MemoControl::setText(std::string text)
{
    editedByHand_ = false;
    if (replaceText(std::move(text)))
        changed_.notify();
}

void MemoControl::setLines(const std::vector<std::string>& lines)
{
    // Every line ends with a line end, as an editor holds lines added one by
    // one; so an empty last line stays a line.
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    setText(std::move(text));
}

void MemoControl::edit(std::string text)
{
    if (replaceText(std::move(text)))  // the view already shows it
        editedByHand_ = true;
}

bool MemoControl::replaceText(std::string text)
{
    if (text == text_)
        return false;
    text_ = std::move(text);
    modified_ = true;
    if (changeRule_)
        changeRule_();
    return true;
}

}  // namespace selen
