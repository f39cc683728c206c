#include "ObservationList.h"

#include "report/Cp932.h"
#include "report/ObservationCodeLists.h"
#include "report/StringRoutines.h"

#include <algorithm>
#include <string>
#include <utility>

namespace selen {

namespace {

// The part of a record the add and copy commands look at to decide whether
// the last record is still blank.
constexpr std::size_t kBlankTestLength = 61;

// Characters 2-50 of a site or observer line: its record letter and what
// follows. A short line reads as blanks past its end.
constexpr std::size_t kSelectorTextLength = 49;

std::string selectorEntry(const std::string& line)
{
    std::string entry = line.size() > 1 ? cp932::cutToBytes(std::string_view(line).substr(1), kSelectorTextLength) : std::string();
    padRightTo(entry, kSelectorTextLength);
    return entry;
}

template <typename Line>
void rebuild(ChoiceControl& selector, const std::string& emptyEntry, const std::vector<Line>& lines)
{
    const std::size_t remembered = selector.index();
    std::vector<std::string> entries;
    entries.reserve(lines.size() + 1);
    entries.push_back(emptyEntry);
    for (const Line& line : lines)
        entries.push_back(selectorEntry(line.text()));
    const bool stillThere = remembered < entries.size();
    selector.setLines(std::move(entries));
    selector.setIndex(stillThere ? remembered : 0);
}

// Letters compare without regard to case; every other byte by its value, so
// a blank sorts before digits and digits before letters.
unsigned char folded(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : static_cast<unsigned char>(c);
}

bool foldedLess(const ObservationItem& a, const ObservationItem& b)
{
    return std::lexicographical_compare(a.text().begin(), a.text().end(), b.text().begin(), b.text().end(),
                                        [](char x, char y) { return folded(x) < folded(y); });
}

// The columns of one event, blanked in the copy made for the next event.
constexpr columns::Field kEventTime{9, 10};        // hour to decimals
constexpr columns::Field kEventQuality{43, 10};    // certainty to duration
constexpr columns::Field kEventConditions{54, 6};  // stability to temperature
constexpr columns::Field kStarAndEvent{20, 9};     // star number to limb
constexpr columns::Field kEventOfSameStar{26, 3};  // double-star component to limb

}  // namespace

ObservationList::ObservationList(Report& report)
    : siteSelector("ComboBox19", {codes::siteSelectorEmptyEntry()}),
      observerSelector("ComboBox12", {codes::observerSelectorEmptyEntry()}),
      report_(report)
{
    if (report_.observations.empty()) {
        report_.observations.emplace_back();
        report_.renumber();
    }
    refreshSelectors();
}

bool ObservationList::isBlankForAdding(const ObservationItem& record)
{
    return isBlankObservationLine(std::string_view(record.text()).substr(0, kBlankTestLength));
}

void ObservationList::putSelected(columns::Field field, std::string_view value)
{
    ObservationItem& record = report_.observations[selected_];
    const std::string before(record.columns(field));
    record.put(field, value);
    if (record.columns(field) == before)
        return;
    changedRow_ = selected_;
    rowChanged_.notify();
}

void ObservationList::add()
{
    auto& records = report_.observations;
    if (full())
        return;
    // The list is never empty, so there is always a last record to test.
    if (!isBlankForAdding(records.back())) {
        records.emplace_back();
        selected_ = records.size() - 1;
        records.back().setRecordNumber(static_cast<int>(records.size()));
        listReset_.notify();
        if (onRecordAdded)
            onRecordAdded();
        loadSelected();
    }
    numberSelected();
}

bool ObservationList::appendRecord(ObservationItem record)
{
    auto& records = report_.observations;
    if (full())
        return false;
    record.setRecordNumber(static_cast<int>(records.size() + 1));
    records.push_back(std::move(record));
    selected_ = records.size() - 1;
    listReset_.notify();
    loadSelected();
    return true;
}

void ObservationList::copyLastForNextEvent()
{
    auto& records = report_.observations;
    if (full() || isBlankForAdding(records.back()))
        return;
    ObservationItem copy = records.back();
    // A graze is timed again at the same star on the same night: its day and
    // star number stay. The copied record says whether it is a graze.
    const bool graze = copy.column(columns::kGrazeFlag.first) == 'G';
    if (graze) {
        copy.put(kEventOfSameStar, "");
    } else {
        copy.put(columns::kDay, "");
        copy.put(kStarAndEvent, "");
    }
    copy.put(kEventTime, "");
    copy.put(kEventQuality, "");
    copy.put(kEventConditions, "");
    copy.put(columns::kCommentArea, "");
    records.push_back(std::move(copy));
    // The copy is what the user types into next.
    selected_ = records.size() - 1;
    report_.renumber();
    listReset_.notify();
    loadSelected();
}

void ObservationList::removeSelected()
{
    auto& records = report_.observations;
    if (records.size() <= 1)
        return;
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(selected_));
    selected_ = std::min(selected_, records.size() - 1);
    report_.renumber();
    listReset_.notify();
    loadSelected();
}

void ObservationList::moveUp()
{
    if (selected_ == 0)
        return;
    std::swap(report_.observations[selected_], report_.observations[selected_ - 1]);
    --selected_;
    report_.renumber();
    listReset_.notify();
}

void ObservationList::moveDown()
{
    if (selected_ + 1 >= size())
        return;
    std::swap(report_.observations[selected_], report_.observations[selected_ + 1]);
    ++selected_;
    report_.renumber();
    listReset_.notify();
}

void ObservationList::sort(bool bySite)
{
    // The record text starts with year, month, day, hour, minute and second,
    // so ordering by text orders by time. The number in the prefix must not
    // take part; by site, the site code goes in front of the text instead.
    for (ObservationItem& record : report_.observations) {
        std::string text = record.text();
        text.replace(0, ObservationItem::ColumnBase - 1, ObservationItem::ColumnBase - 1, ' ');
        if (bySite)
            text[0] = record.column(columns::kSite.first);
        record = ObservationItem::fromItemText(text);
    }
    std::stable_sort(report_.observations.begin(), report_.observations.end(), foldedLess);
    report_.renumber();
    listReset_.notify();
    loadSelected();
}

void ObservationList::select(std::size_t index)
{
    if (index >= size())
        return;
    if (index != selected_) {
        selected_ = index;
        selectionChanged_.notify();
    }
    loadSelected();
}

void ObservationList::replaceAll()
{
    if (report_.observations.empty())
        report_.observations.emplace_back();
    selected_ = 0;
    report_.renumber();
    // The selectors must list the new report's sites and observers before the
    // first record is loaded into them.
    refreshSelectors();
    listReset_.notify();
    loadSelected();
}

void ObservationList::refreshSelectors()
{
    rebuild(siteSelector, codes::siteSelectorEmptyEntry(), report_.sites);
    rebuild(observerSelector, codes::observerSelectorEmptyEntry(), report_.observers);
}

void ObservationList::numberSelected()
{
    ObservationItem& record = report_.observations[selected_];
    const std::string before = record.text().substr(0, ObservationItem::ColumnBase);
    record.setRecordNumber(static_cast<int>(selected_ + 1));
    if (record.text().compare(0, ObservationItem::ColumnBase, before) == 0)
        return;
    changedRow_ = selected_;
    rowChanged_.notify();
}

void ObservationList::loadSelected()
{
    if (onLoadSelected)
        onLoadSelected();
}

}  // namespace selen
