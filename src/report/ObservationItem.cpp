#include "ObservationItem.h"

#include "Cp932.h"
#include "StringRoutines.h"

#include <algorithm>
#include <stdexcept>

namespace selen {

namespace {
constexpr std::size_t kSeparatorIndex = ObservationItem::ColumnBase + columns::kSeparator.first - 1;
constexpr std::size_t kCommentIndex = ObservationItem::ColumnBase + columns::kCommentArea.first - 1;

std::size_t indexOf(std::size_t reportColumn)
{
    return ObservationItem::ColumnBase + reportColumn - 1;
}
}  // namespace

ObservationItem::ObservationItem() : text_(kLength, ' ')
{
    text_[kSeparatorIndex] = '/';
}

ObservationItem ObservationItem::fromReportLine(std::string_view line)
{
    constexpr std::size_t kMaxLine = kLength - ColumnBase;  // 117 report columns
    std::string text;
    text.reserve(kLength);
    text.assign(ColumnBase, ' ');
    text.append(line.substr(0, kMaxLine));
    text.resize(kLength, ' ');

    // Where a double-byte character of the line starts, in line offsets.
    auto pairStartsAt = [&](std::size_t lineOffset) {
        return lineOffset + 1 < line.size() && cp932::isLeadByte(static_cast<unsigned char>(line[lineOffset]))
            && !cp932::isTrailPosition(line, lineOffset);
    };
    const std::size_t col61 = columns::kSeparator.first - 2;  // line offset of column 61
    const std::size_t col62 = col61 + 1;
    if (pairStartsAt(col61))
        text[indexOf(61)] = ' ';
    if (pairStartsAt(col62))
        text[indexOf(63)] = ' ';
    if (pairStartsAt(kMaxLine - 1))
        text[indexOf(117)] = ' ';
    text[kSeparatorIndex] = '/';
    return ObservationItem(std::move(text));
}

ObservationItem ObservationItem::fromItemText(std::string_view held)
{
    std::string text(held.substr(0, kLength));
    text.resize(kLength, ' ');
    text[kSeparatorIndex] = '/';
    return ObservationItem(std::move(text));
}

std::string_view ObservationItem::columns(columns::Field field) const
{
    return std::string_view(text_).substr(indexOf(field.first), field.width);
}

char ObservationItem::column(std::size_t reportColumn) const
{
    return text_.at(indexOf(reportColumn));
}

void ObservationItem::put(columns::Field field, std::string_view value)
{
    const std::size_t kept = cp932::safeCutLength(value, field.width);
    const auto at = text_.begin() + static_cast<std::ptrdiff_t>(indexOf(field.first));
    std::copy_n(value.begin(), kept, at);
    std::fill(at + static_cast<std::ptrdiff_t>(kept), at + static_cast<std::ptrdiff_t>(field.width), ' ');
}

void ObservationItem::setRecordNumber(int number)
{
    if (number < 1 || number > kMaxRecords)
        throw std::out_of_range("record number outside 1..999");
    std::string prefix = std::to_string(number);
    padLeftTo(prefix, ColumnBase - 1);
    text_.replace(0, ColumnBase - 1, prefix);
}

std::string ObservationItem::reportLine() const
{
    return text_.substr(ColumnBase, kReportColumns);
}

std::string ObservationItem::commentLine() const
{
    std::string comment = text_.substr(kCommentIndex);
    trimRightSpaces(comment);
    if (comment.empty())
        return comment;
    return std::string(kCommentIndent, ' ') + comment;
}

void ObservationItem::setCommentFromLine(std::string_view commentLine)
{
    std::string_view body = commentLine.size() > kCommentIndent ? commentLine.substr(kCommentIndent) : std::string_view{};
    put(columns::kCommentArea, body);
}

void ObservationItem::normaliseCertaintyColumn()
{
    char& certainty = text_[indexOf(columns::kCertainty.first)];
    if (!isCertaintyCode(certainty))
        certainty = ' ';
}

bool ObservationItem::isBlank() const
{
    return isBlankObservationLine(text_);
}

bool ObservationItem::hasValidYear() const
{
    std::string year(columns(columns::kYear));
    trimLeftSpaces(year);
    if (digitsOnly(year) == 0)
        return false;
    return isRecordYear(digitValue(year));
}

long long lineYear(std::string_view line)
{
    // Four columns hold at most four digits: no overflow to guard against.
    long long year = 0;
    bool anyDigit = false;
    for (char c : line.substr(0, 4)) {
        if (c >= '0' && c <= '9') {
            year = year * 10 + (c - '0');
            anyDigit = true;
        }
    }
    return anyDigit ? year : 1;
}

}  // namespace selen
