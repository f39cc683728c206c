#include "ReportWriter.h"

#include "StringRoutines.h"
#include "TextLines.h"

#include <algorithm>

namespace selen {

namespace {
void appendLine(std::string& out, std::string_view line)
{
    out += line;
    out += kLineEnd;
}

constexpr std::string_view kMessageIndent = "    ";
}  // namespace

std::string messageBlock(const std::vector<std::string>& messageLines)
{
    std::string out;
    if (std::all_of(messageLines.begin(), messageLines.end(), [](const std::string& line) { return isBlankText(line); }))
        return out;
    appendLine(out, "");
    appendLine(out, "");
    appendLine(out, kMessageMarker);
    appendLine(out, kMessageIndent);
    for (const std::string& line : messageLines) {
        out += kMessageIndent;
        appendLine(out, line);
    }
    return out;
}

std::string buildReportText(const Report& report)
{
    std::string out;
    out.reserve(256 + report.observations.size() * 2 * (ObservationItem::kLength + 2));

    for (const std::string& line : headerLines(report)) {
        if (!isBlankLine(line))
            appendLine(out, line);
    }
    appendLine(out, "");
    for (const SiteLine& site : report.sites) {
        if (!isBlankLine(site.text()))
            appendLine(out, site.text());
    }
    appendLine(out, "");
    for (const ObserverLine& observer : report.observers) {
        if (isBlankLine(observer.text()))
            continue;
        std::string line = observer.text();
        trimRightSpaces(line);
        appendLine(out, line);
    }
    appendLine(out, "");
    for (const ObservationItem& item : report.observations) {
        if (item.isBlank())
            continue;
        appendLine(out, item.reportLine());
        std::string comment = item.commentLine();
        if (!comment.empty())
            appendLine(out, comment);
    }
    out += messageBlock(report.optionsMessage);
    return out;
}

}  // namespace selen
