#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace selen {

class ObservationPage;

// One predicted event as read from a line of an OCCULT prediction listing,
// in the texts the import window shows. Every value is empty until a line
// gives it one.
struct PredictedEvent {
    std::string year;        // "20" and the two digits of the listing, or empty
    std::string month;       // each of these: empty, or two characters with
    std::string day;         // a single digit right-justified (" 7")
    std::string hour;
    std::string minute;
    std::string second;      // shown, never transferred
    std::string catalogue;   // empty, or a letter and the number in six columns
    std::string phenomenon;  // "D", "R" or empty
    std::string limb;        // "D", "B" or empty

    friend bool operator==(const PredictedEvent&, const PredictedEvent&) = default;
};

// The lines of a listing as the import window lists them: one list line per
// text line (CR LF, LF or CR), however long, never wrapped or split.
std::vector<std::string> listingLines(std::string_view text);

// kNoEventLine: there is no line to select, the list being empty.
inline constexpr std::size_t kNoEventLine = static_cast<std::size_t>(-1);

// The line selected after a listing is loaded: the first whose columns 1-2
// hold a digit and whose column 3 is a blank, else the first line. A column
// past the end of a line reads as a blank, so "7" qualifies.
std::size_t selectFirstEventLine(const std::vector<std::string>& lines);

// Reads the values of one listing line into `event`, replacing them all.
// Columns past the end of the line read as blanks. A line without a digit in
// columns 1-3 is no event line and empties every value.
void parsePredictionLine(std::string_view line, PredictedEvent& event);

// Sends the event into the observation fields: date, hour and minute,
// phenomenon, limb, catalogue and star number. The second and fraction fields
// are emptied: the observer times the event. Does nothing when the event has
// no year. Each value goes through its field as a value from outside does,
// and every field named is put again, so the selected record holds the values
// even where a field already showed them.
void transferPredictedEvent(const PredictedEvent& event, ObservationPage& page);

}  // namespace selen
