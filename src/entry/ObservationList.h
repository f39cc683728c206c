#pragma once

#include "Controls.h"
#include "Notifier.h"

#include "report/ObservationColumns.h"
#include "report/ObservationItem.h"
#include "report/Report.h"

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace selen {

// The observation list of the observation page (ListBox4): the commands over
// the report's records and the selected record, which every observation
// field reads and writes. The list always holds 1 to 999 records and one of
// them is always selected.
//
// Views follow it through three notifiers:
//  - rowChanged(): one record's text changed (a field put); changedRow()
//    tells which. A put never resets the list.
//  - listReset(): records were added, removed or reordered, or the whole
//    list was replaced; rows and selection are to be read afresh.
//  - selectionChanged(): another record was selected without the records
//    changing.
// The page sets two hooks: onLoadSelected loads the selected record into the
// observation fields; onRecordAdded recalls the registered method defaults
// into a record the add command just appended. Either may be empty.
class ObservationList {
public:
    static constexpr std::size_t kMaxRecords = ObservationItem::kMaxRecords;

    explicit ObservationList(Report& report);
    ObservationList(const ObservationList&) = delete;
    ObservationList& operator=(const ObservationList&) = delete;

    // Report columns 60 and 61: entry 0 chooses no site (observer), entry k
    // the k-th site (observer) line.
    ChoiceControl siteSelector;
    ChoiceControl observerSelector;

    std::function<void()> onLoadSelected;
    std::function<void()> onRecordAdded;

    const std::vector<ObservationItem>& records() const { return report_.observations; }
    const Report& report() const { return report_; }
    std::size_t size() const { return report_.observations.size(); }
    std::size_t selected() const { return selected_; }
    const ObservationItem& selectedRecord() const { return report_.observations[selected_]; }

    // Writes a field's value into the selected record and tells the views
    // that this one row changed. A put that leaves the text as it was
    // notifies nothing.
    void putSelected(columns::Field field, std::string_view value);

    // Appends a blank record and selects it, unless the list is full or its
    // last record is still blank.
    void add();
    // Appends a record taken from outside (a pasted line), selects, numbers
    // and loads it. False, and nothing changes, when the list is full.
    bool appendRecord(ObservationItem record);
    // Appends a copy of the last record with the columns of one event
    // blanked (a graze keeps its day and star number) and selects the copy.
    void copyLastForNextEvent();
    // Removes the selected record unless it is the only one; the selection
    // stays at its position, or moves to the new last record.
    void removeSelected();
    // Exchange the selected record with its neighbour; the selection follows
    // the record, the fields are not reloaded.
    void moveUp();
    void moveDown();
    // Orders the records by their text (date and time first), grouped by
    // site code first when bySite. The selection keeps its position.
    void sort(bool bySite);
    // Selects a record and loads it; an index outside the list does nothing.
    void select(std::size_t index);
    // After the report's records were replaced (a report was read): numbers
    // them, selects the first, rebuilds the selectors and loads it.
    void replaceAll();

    // Rebuilds the site and observer selectors from the report's lines,
    // keeping each chosen index when that entry still exists.
    void refreshSelectors();

    // True when the record counts as blank for add and copy: its first 61
    // characters hold nothing but blanks and "/" past the list prefix and
    // report column 1 (report columns 2-57 are looked at).
    static bool isBlankForAdding(const ObservationItem& record);

    Notifier& rowChanged() { return rowChanged_; }
    Notifier& listReset() { return listReset_; }
    Notifier& selectionChanged() { return selectionChanged_; }
    std::size_t changedRow() const { return changedRow_; }

private:
    bool full() const { return size() >= kMaxRecords; }
    void numberSelected();
    void loadSelected();

    Report& report_;
    std::size_t selected_ = 0;
    std::size_t changedRow_ = 0;
    Notifier rowChanged_;
    Notifier listReset_;
    Notifier selectionChanged_;
};

}  // namespace selen
