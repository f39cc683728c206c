#include "ReportReader.h"

#include "RecordLetters.h"
#include "TextLines.h"

#include <optional>

namespace selen {

namespace {

using Lines = std::vector<std::string_view>;

bool startsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

bool isCommentLine(std::string_view line)
{
    return startsWith(line, std::string_view("    "));
}

// The value of the first line that begins with `label`, or empty.
std::string headerValue(const Lines& lines, std::size_t end, std::string_view label)
{
    for (std::size_t i = 0; i < end; ++i) {
        if (startsWith(lines[i], label))
            return lines[i].size() > kHeaderLabelWidth ? std::string(lines[i].substr(kHeaderLabelWidth)) : std::string{};
    }
    return {};
}

template <typename Line>
std::vector<Line> takeLettered(const Lines& lines, std::size_t end, char first)
{
    std::vector<Line> taken;
    for (std::size_t i = 1; i < end && taken.size() < kMaxLetteredLines; ++i) {
        if (!lines[i].empty() && lines[i].front() == first)
            taken.push_back(Line::fromText(std::string(lines[i])));
    }
    if (taken.empty())
        taken.push_back(Line::create(0));
    return taken;
}

}  // namespace

std::string_view withoutMessageIndent(std::string_view line)
{
    std::size_t spaces = 0;
    while (spaces < 4 && spaces < line.size() && line[spaces] == ' ')
        ++spaces;
    return line.substr(spaces);
}

std::optional<std::size_t> messageMarkerLine(const std::vector<std::string_view>& lines)
{
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i] == kMessageMarker)
            return i;
        if (isRecordYear(lineYear(lines[i])) && i + 1 < lines.size() && isCommentLine(lines[i + 1]))
            ++i;
    }
    return std::nullopt;
}

ReadReport parseReportText(std::string_view text)
{
    const Lines lines = splitLines(text);
    const std::optional<std::size_t> marker = messageMarkerLine(lines);
    const std::size_t end = marker.value_or(lines.size());
    ReadReport result;
    Report& report = result.report;

    for (std::size_t i = 1; i < end; ++i) {
        if (!isRecordYear(lineYear(lines[i])))
            continue;
        const bool hasComment = i + 1 < end && isCommentLine(lines[i + 1]);
        if (report.observations.size() >= static_cast<std::size_t>(ObservationItem::kMaxRecords)) {
            ++result.recordsLeftOut;
        } else {
            ObservationItem item = ObservationItem::fromReportLine(lines[i]);
            item.normaliseCertaintyColumn();
            if (hasComment)
                item.setCommentFromLine(lines[i + 1]);
            report.observations.push_back(std::move(item));
        }
        if (hasComment)
            ++i;
    }
    if (report.observations.empty())
        report.observations.emplace_back();
    report.renumber();

    report.placeName = headerValue(lines, end, kPlaceNameLabel);
    report.emailAddress = headerValue(lines, end, kEmailLabel);
    report.representative = headerValue(lines, end, kRepresentativeLabel);
    for (std::size_t i = 0; i < end; ++i) {
        if (startsWith(lines[i], kMessageLabel) && lines[i].size() > kHeaderLabelWidth)
            report.headerMessage.emplace_back(lines[i].substr(kHeaderLabelWidth));
    }
    report.sites = takeLettered<SiteLine>(lines, end, 'T');
    report.observers = takeLettered<ObserverLine>(lines, end, 'O');

    if (marker) {
        for (std::size_t i = *marker + 2; i < lines.size(); ++i)
            report.optionsMessage.emplace_back(withoutMessageIndent(lines[i]));
    }
    return result;
}

}  // namespace selen
