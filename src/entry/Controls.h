#pragma once

#include "Colour.h"
#include "KeyFilter.h"
#include "Notifier.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace selen {

// The models of a page's controls. Each carries its form name, which its
// widget has as objectName. Texts are CP932. A control's rule is what the
// page does when the control changes; the view only shows the state.

class TextControl {
public:
    TextControl(std::string formName, std::size_t maxBytes = 0, KeyFilter filter = KeyFilter::None, int helpTopic = 0)
        : formName_(std::move(formName)), maxBytes_(maxBytes), filter_(filter), helpTopic_(helpTopic)
    {
    }

    const std::string& formName() const { return formName_; }
    const std::string& text() const { return text_; }
    std::size_t maxBytes() const { return maxBytes_; }
    KeyFilter filter() const { return filter_; }
    int helpTopic() const { return helpTopic_; }

    // Sets the text as the program does; runs the change rule when the text
    // differs. Nothing else touches the text.
    void setText(std::string text);

    // Text that arrives from outside as a whole (recalled, imported):
    // passed through the key filter and cut to the byte limit (never half a
    // character), then set.
    void enter(std::string_view text);

    // What the user's edit would leave: bytes [from, to) of the present
    // text replaced by `inserted`. The text before and after stays as it is;
    // of the inserted text (filtered first) only as much as fits the byte
    // limit is taken, never half a character. A deletion is always taken
    // exactly, also in a text longer than the limit (one loaded from a
    // report). Empty when the edit would insert something and nothing of it
    // fits or passes the filter: the key is refused and nothing changes.
    struct Edit {
        std::string text;
        std::size_t cursor = 0;  // byte offset just after what was inserted
    };
    std::optional<Edit> fitEdit(std::size_t from, std::size_t to, std::string_view inserted) const;
    // Carries out fitEdit() and sets the result; false when refused.
    bool replace(std::size_t from, std::size_t to, std::string_view inserted);

    // Shows a record's value as it stands: no rule runs, so loading a
    // record never writes into it.
    void load(std::string text);

    // Runs the change rule on the present text, as the program does where a
    // value must reach the record even though the field shows it already.
    void putAgain();

    void setChangeRule(std::function<void()> rule) { changeRule_ = std::move(rule); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    std::uint32_t colour() const { return colour_; }
    void setColour(std::uint32_t colour);
    // A field whose limit depends on another field (the comment).
    void setMaxBytes(std::size_t maxBytes) { maxBytes_ = maxBytes; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    Notifier& changed() { return changed_; }

private:
    std::string formName_;
    std::string text_;
    std::size_t maxBytes_;
    bool readOnly_ = false;
    KeyFilter filter_;
    int helpTopic_;
    bool enabled_ = true;
    std::uint32_t colour_ = RequiredColour;
    std::function<void()> changeRule_;
    Notifier changed_;
};

class ChoiceControl {
public:
    ChoiceControl(std::string formName, std::vector<std::string> lines, int helpTopic = 0)
        : formName_(std::move(formName)), lines_(std::move(lines)), helpTopic_(helpTopic)
    {
    }

    const std::string& formName() const { return formName_; }
    const std::vector<std::string>& lines() const { return lines_; }
    std::size_t index() const { return index_; }
    const std::string& chosenText() const { return lines_.at(index_); }
    int helpTopic() const { return helpTopic_; }

    // The user's choice: runs the change rule.
    void choose(std::size_t index);
    // The program's choice: no rule runs.
    void setIndex(std::size_t index);
    void setLines(std::vector<std::string> lines);
    void setChangeRule(std::function<void()> rule) { changeRule_ = std::move(rule); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    std::uint32_t colour() const { return colour_; }
    void setColour(std::uint32_t colour);
    // The code the chosen line writes: its first character (a blank for line 0).
    char code() const { return lines_.empty() || lines_[index_].empty() ? ' ' : lines_[index_][0]; }
    // Chooses the first line that begins with `code`, else line 0; no rule runs.
    void selectByCode(char code);

    Notifier& changed() { return changed_; }

private:
    std::string formName_;
    std::vector<std::string> lines_;
    std::size_t index_ = 0;
    bool enabled_ = true;
    std::uint32_t colour_ = RequiredColour;
    int helpTopic_;
    std::function<void()> changeRule_;
    Notifier changed_;
};

class CheckControl {
public:
    explicit CheckControl(std::string formName, bool checked = false) : formName_(std::move(formName)), checked_(checked) {}
    const std::string& formName() const { return formName_; }
    bool checked() const { return checked_; }
    bool enabled() const { return enabled_; }
    // The user's click: the box toggles and the click rule runs.
    void click();
    // The program sets the box; no rule runs.
    void setChecked(bool checked);
    void setEnabled(bool enabled);
    // The box's background.
    std::uint32_t colour() const { return colour_; }
    void setColour(std::uint32_t colour);
    void setClickRule(std::function<void()> rule) { clickRule_ = std::move(rule); }
    Notifier& changed() { return changed_; }

private:
    std::string formName_;
    bool checked_;
    bool enabled_ = true;
    std::uint32_t colour_ = ButtonFaceColour;
    std::function<void()> clickRule_;
    Notifier changed_;
};

// A list whose lines the page computes (a preview): shown, never edited.
class ListControl {
public:
    explicit ListControl(std::string formName) : formName_(std::move(formName)) {}
    const std::string& formName() const { return formName_; }
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines);
    Notifier& changed() { return changed_; }

private:
    std::string formName_;
    std::vector<std::string> lines_;
    Notifier changed_;
};

// A multi-line editor: its text (lines joined by LF) and whether it was
// changed since the flag was last cleared.
class MemoControl {
public:
    explicit MemoControl(std::string formName) : formName_(std::move(formName)) {}
    const std::string& formName() const { return formName_; }
    const std::string& text() const { return text_; }
    std::vector<std::string> lines() const;

    // The program sets the text; the change rule runs when it differs.
    void setText(std::string text);
    void setLines(const std::vector<std::string>& lines);
    // The user edited the text in the view.
    void edit(std::string text);

    // Changed since the flag was last cleared, by the program or the user.
    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    // Changed by the user since the program last set the text.
    bool editedByHand() const { return editedByHand_; }
    void setEditedByHand(bool edited) { editedByHand_ = edited; }
    void setChangeRule(std::function<void()> rule) { changeRule_ = std::move(rule); }

    Notifier& changed() { return changed_; }

private:
    bool replaceText(std::string text);

    std::string formName_;
    std::string text_;
    bool modified_ = false;
    bool editedByHand_ = false;
    std::function<void()> changeRule_;
    Notifier changed_;
};

}  // namespace selen
