#pragma once

#include "report/ObservationItem.h"

#include <cstddef>
#include <string_view>

namespace selen {

class ObservationList;

// What adding pasted records needs of the observation list.
class PastedRecordTarget {
public:
    virtual std::size_t size() const = 0;
    // Appends the record, selects it, loads it into the observation fields
    // and writes its position into its list prefix.
    virtual void appendAndSelect(ObservationItem record) = 0;

protected:
    ~PastedRecordTarget() = default;
};

// True for a line of the paste area that is a record line: its first eight
// characters read as a whole number, its column 19 holds a star catalogue
// code (R, S or X), and its columns 1-61 hold printable ASCII only. A column
// past the end of the line reads as a blank, so a line shorter than 19
// characters is no record line.
bool isPastedRecordLine(std::string_view line);

// Appends the paste area's lines as records, from the first line, each
// formed as a report line is read (blanks to 61 columns, "/" in column 62,
// blanks to 121 characters). Adding stops at the first line that is no
// record line, and when the list holds its 999 records; the records added
// before stay. Returns how many were added.
std::size_t addPastedRecords(std::string_view pasteAreaText, PastedRecordTarget& list);

// The same into the observation list of `report`.
std::size_t addPastedRecords(std::string_view pasteAreaText, ObservationList& list);

}  // namespace selen
