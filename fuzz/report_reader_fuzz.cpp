// Reads arbitrary bytes as a report. Beyond not crashing, a report the
// program wrote must read back into the same report: writing what was read
// once more gives the same bytes.
#include "report/ReportReader.h"
#include "report/ReportWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    selen::ReadReport first = selen::parseReportText(input);
    std::string written = selen::buildReportText(first.report);
    selen::ReadReport second = selen::parseReportText(written);
    if (second.recordsLeftOut != 0 || selen::buildReportText(second.report) != written)
        std::abort();
    return 0;
}
