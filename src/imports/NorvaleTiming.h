#pragma once

#include <string_view>

namespace selen {

class ObservationPage;

// Takes the measured time of a Norvale result line (the first line of the
// clipboard text) into the hour, minute, second and fraction fields:
// columns 34-35, 36-37 and 38-39, and 41-43 when the line is exactly 43
// characters long, else 41-42. Columns past the end of the line read as
// blanks, so a short or empty line empties the fields. Each value arrives as
// a value from outside does (key filter, length cut, change rule), and
// nothing else of the record is touched.
void takeNorvaleTiming(std::string_view clipboardText, ObservationPage& page);

}  // namespace selen
