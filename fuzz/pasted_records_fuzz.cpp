// Adds arbitrary bytes as pasted record lines, into a fresh report or into a
// list near its ceiling (the first byte decides). The list never passes 999
// records, every record stays 121 characters and numbered by its position,
// and every added record holds printable ASCII in report columns 1-61.
#include "entry/ObservationList.h"
#include "entry/ObservationPage.h"
#include "imports/PastedRecords.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t ceiling = selen::ObservationList::kMaxRecords;
    const std::size_t before = (data[0] & 1) != 0 ? ceiling - data[0] % 8 : 1;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    selen::Report report = selen::Report::fresh();
    report.observations.resize(before);
    selen::ObservationList list(report);
    selen::ObservationPage page(list);
    list.onLoadSelected = [&page] { page.loadSelectedRecord(); };
    list.replaceAll();

    const std::size_t added = selen::addPastedRecords(text, list);
    if (list.size() != before + added || list.size() > ceiling)
        std::abort();
    if (added > 0 && list.selected() != list.size() - 1)
        std::abort();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const selen::ObservationItem& record = list.records()[i];
        if (record.text().size() != selen::ObservationItem::kLength
            || record.column(selen::columns::kSeparator.first) != '/')
            std::abort();
        std::string number = std::to_string(i + 1);
        number.insert(0, 3 - number.size(), ' ');
        if (record.text().compare(0, 4, number + " ") != 0)
            std::abort();
        for (std::size_t column = 1; i >= before && column <= selen::ObservationItem::kReportColumns; ++column) {
            const auto byte = static_cast<unsigned char>(record.column(column));
            if (byte < 0x20 || byte > 0x7e)
                std::abort();
        }
    }
    return 0;
}
