#include "ReportReader.h"

#include "RecordLetters.h"
#include "StringRoutines.h"
#include "TextLines.h"

#include <algorithm>
#include <optional>

namespace selen {

namespace {

using Lines = std::vector<std::string_view>;
using Reason = PassedOverLine::Reason;

bool startsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

// The header fields: the first line that begins with the label gives the
// value (its characters from column 16 on); any later one is passed over.
struct HeaderField {
    std::string_view label;
    std::string Report::*value;
    bool found = false;
};

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
    return parseReportLines(splitLines(text));
}

bool isCommentLine(std::string_view line)
{
    return startsWith(line, std::string_view("    "));
}

ReadReport parseReportLines(const Lines& lines)
{
    const std::optional<std::size_t> marker = messageMarkerLine(lines);
    const std::size_t end = marker.value_or(lines.size());
    ReadReport result;
    Report& report = result.report;
    auto passOver = [&result](std::size_t index, Reason reason) { result.passedOver.push_back({index + 1, reason}); };

    const std::size_t mostRecords = std::min(lines.size(), static_cast<std::size_t>(ObservationItem::kMaxRecords));
    report.observations.reserve(mostRecords);
    result.recordLines.reserve(mostRecords);
    HeaderField headers[] = {{kPlaceNameLabel, &Report::placeName},
                             {kEmailLabel, &Report::emailAddress},
                             {kRepresentativeLabel, &Report::representative}};
    for (std::size_t i = 0; i < end; ++i) {
        const std::string_view line = lines[i];
        bool header = false;
        for (HeaderField& field : headers) {
            if (line.empty() || line.front() != field.label.front() || !startsWith(line, field.label))
                continue;
            header = true;
            if (field.found) {
                passOver(i, Reason::SecondHeader);
            } else {
                field.found = true;
                if (line.size() > kHeaderLabelWidth)
                    report.*field.value = std::string(line.substr(kHeaderLabelWidth));
            }
            break;
        }
        if (header)
            continue;
        if (!line.empty() && line.front() == kMessageLabel.front() && startsWith(line, kMessageLabel)) {
            if (line.size() > kHeaderLabelWidth)
                report.headerMessage.emplace_back(line.substr(kHeaderLabelWidth));
            continue;
        }
        if (isBlankLine(line))
            continue;
        if (i == 0) {
            // The first line is only ever a header line.
            passOver(i, Reason::FirstLine);
            continue;
        }
        if (line.front() == 'T') {
            if (report.sites.size() < kMaxLetteredLines) {
                report.sites.push_back(SiteLine::fromText(std::string(line)));
                result.siteLines.push_back(i + 1);
            } else {
                passOver(i, Reason::BeyondSites);
            }
            continue;
        }
        if (line.front() == 'O') {
            if (report.observers.size() < kMaxLetteredLines) {
                report.observers.push_back(ObserverLine::fromText(std::string(line)));
                result.observerLines.push_back(i + 1);
            } else {
                passOver(i, Reason::BeyondObservers);
            }
            continue;
        }
        if (isRecordYear(lineYear(line))) {
            const bool hasComment = i + 1 < end && isCommentLine(lines[i + 1]);
            if (report.observations.size() >= static_cast<std::size_t>(ObservationItem::kMaxRecords)) {
                ++result.recordsLeftOut;
                passOver(i, Reason::BeyondRecords);
            } else {
                ObservationItem item = ObservationItem::fromReportLine(line);
                item.normaliseCertaintyColumn();
                if (hasComment)
                    item.setCommentFromLine(lines[i + 1]);
                report.observations.push_back(std::move(item));
                result.recordLines.push_back(i + 1);
            }
            if (hasComment)
                ++i;
            continue;
        }
        passOver(i, Reason::NotRecognised);
    }
    if (report.sites.empty())
        report.sites.push_back(SiteLine::create(0));
    if (report.observers.empty())
        report.observers.push_back(ObserverLine::create(0));
    if (report.observations.empty())
        report.observations.emplace_back();
    report.renumber();

    if (marker) {
        if (*marker + 1 < lines.size() && lines[*marker + 1].find_first_not_of(' ') != std::string_view::npos)
            passOver(*marker + 1, Reason::AfterMarker);
        for (std::size_t i = *marker + 2; i < lines.size(); ++i)
            report.optionsMessage.emplace_back(withoutMessageIndent(lines[i]));
    }
    return result;
}

}  // namespace selen
