// Checks arbitrary bytes as a report and words every problem found.
#include "cli/ProblemText.h"
#include "report/ReportCheck.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const selen::Problem& problem : selen::checkReportText(input)) {
        std::string message = selen::cli::problemMessage(problem);
        if (message.empty())
            return 0;
    }
    return 0;
}
