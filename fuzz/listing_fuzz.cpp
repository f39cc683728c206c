// Reads arbitrary bytes as a prediction listing, as the values of a predicted
// event and as a Norvale timing line, and sends each into the observation
// page. Whatever the text, the selected record stays 121 characters with
// printable ASCII in report columns 1-61 and "/" in column 62.
#include "entry/ObservationList.h"
#include "entry/ObservationPage.h"
#include "imports/NorvaleTiming.h"
#include "imports/PredictionListing.h"
#include "report/TextLines.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void checkRecord(const selen::ObservationItem& record)
{
    const std::string& text = record.text();
    if (text.size() != selen::ObservationItem::kLength)
        std::abort();
    for (std::size_t column = 1; column <= selen::ObservationItem::kReportColumns; ++column) {
        const auto byte = static_cast<unsigned char>(record.column(column));
        if (byte < 0x20 || byte > 0x7e)
            std::abort();
    }
    if (record.column(selen::columns::kSeparator.first) != '/')
        std::abort();
}

void checkEvent(const selen::PredictedEvent& event)
{
    const bool yearFits = event.year.empty() || event.year.size() == 3 || event.year.size() == 4;
    const bool catalogueFits = event.catalogue.empty() || event.catalogue.size() == 7;
    for (const std::string* time : {&event.month, &event.day, &event.hour, &event.minute, &event.second}) {
        if (!time->empty() && time->size() != 2)
            std::abort();
    }
    if (!yearFits || !catalogueFits || event.phenomenon.size() > 1 || event.limb.size() > 1)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    selen::Report report = selen::Report::fresh();
    selen::ObservationList list(report);
    selen::ObservationPage page(list);
    list.onLoadSelected = [&page] { page.loadSelectedRecord(); };
    list.replaceAll();

    const std::vector<std::string> lines = selen::listingLines(input);
    const std::size_t first = selen::selectFirstEventLine(lines);
    if (lines.empty() ? first != selen::kNoEventLine : first >= lines.size())
        std::abort();
    selen::PredictedEvent event;
    for (const std::string& line : lines) {
        selen::parsePredictionLine(line, event);
        checkEvent(event);
        selen::transferPredictedEvent(event, page);
        checkRecord(list.selectedRecord());
    }

    // An event holding anything at all: the first nine lines as its values.
    selen::PredictedEvent raw;
    std::string* values[] = {&raw.year,      &raw.month,     &raw.day,        &raw.hour, &raw.minute,
                             &raw.second,    &raw.catalogue, &raw.phenomenon, &raw.limb};
    std::size_t next = 0;
    for (std::string_view line : selen::splitLines(input)) {
        if (next == std::size(values))
            break;
        *values[next++] = std::string(line);
    }
    selen::transferPredictedEvent(raw, page);
    checkRecord(list.selectedRecord());

    selen::takeNorvaleTiming(input, page);
    checkRecord(list.selectedRecord());
    return 0;
}
