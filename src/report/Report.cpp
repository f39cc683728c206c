#include "Report.h"

#include "StringRoutines.h"

namespace selen {

Report Report::fresh()
{
    Report report;
    report.sites.push_back(SiteLine::create(0));
    report.observers.push_back(ObserverLine::create(0));
    report.observations.emplace_back();
    report.renumber();
    return report;
}

void Report::renumber()
{
    int number = 1;
    for (ObservationItem& item : observations)
        item.setRecordNumber(number++);
}

namespace {
std::string headerLine(std::string_view label, std::string_view value)
{
    std::string line(label);
    padRightTo(line, kHeaderLabelWidth);
    line += value;
    return line;
}

std::string headerFieldLine(std::string_view label, const std::string& value)
{
    return value.empty() ? std::string{} : headerLine(label, value);
}
}  // namespace

std::vector<std::string> headerLines(const Report& report)
{
    std::vector<std::string> lines;
    lines.reserve(3 + report.headerMessage.size());
    lines.push_back(headerFieldLine(kPlaceNameLabel, report.placeName));
    lines.push_back(headerFieldLine(kEmailLabel, report.emailAddress));
    lines.push_back(headerFieldLine(kRepresentativeLabel, report.representative));
    for (const std::string& message : report.headerMessage)
        lines.push_back(headerLine(kMessageLabel, message));
    return lines;
}

std::optional<std::size_t> firstRecordWithoutValidYear(const std::vector<ObservationItem>& observations)
{
    for (std::size_t i = 0; i < observations.size(); ++i) {
        if (!observations[i].hasValidYear())
            return i;
    }
    return std::nullopt;
}

}  // namespace selen
