#pragma once

#include "ObservationItem.h"
#include "ObserverLine.h"
#include "SiteLine.h"

#include <optional>
#include <string>
#include <vector>

namespace selen {

// Everything a report is made of, as the pages hold it. Texts are CP932.
struct Report {
    std::string placeName;
    std::string emailAddress;
    std::string representative;
    std::vector<std::string> headerMessage;   // lines of the header message
    std::vector<SiteLine> sites;               // 1 to 52
    std::vector<ObserverLine> observers;       // 1 to 52
    std::vector<ObservationItem> observations; // 1 to 999
    std::vector<std::string> optionsMessage;  // lines of the options-page message

    // A new report: one default site line, one default observer line and one
    // blank record.
    static Report fresh();

    // Writes 1, 2, 3 ... into the records' list prefixes.
    void renumber();

    friend bool operator==(const Report&, const Report&) = default;
};

// Labels of the header lines, each 15 characters; the value starts in column 16.
inline constexpr std::size_t kHeaderLabelWidth = 15;
inline constexpr std::string_view kPlaceNameLabel = "Place name";
inline constexpr std::string_view kEmailLabel = "Email address";
inline constexpr std::string_view kRepresentativeLabel = "Representative";
inline constexpr std::string_view kMessageLabel = "Message";

// The line that ends the records and starts the options-page message.
inline constexpr std::string_view kMessageMarker = "    *** Message to Ostrand ***";

// The header lines as they open the report: the place-name, e-mail and
// representative lines (an empty entry for an empty field), then one
// "Message" line per line of the header message.
std::vector<std::string> headerLines(const Report& report);

// The index of the first record whose year the reader would not take back,
// if there is one.
std::optional<std::size_t> firstRecordWithoutValidYear(const std::vector<ObservationItem>& observations);

}  // namespace selen
