#include "PastedRecords.h"

#include "entry/ObservationList.h"
#include "report/Report.h"
#include "report/StringRoutines.h"
#include "report/TextLines.h"

namespace selen {

namespace {

constexpr std::size_t kNumberColumns = 8;  // year, month and day
constexpr std::size_t kCatalogueColumn = 19;

// Leading blanks, an optional sign, then decimal digits, or hexadecimal ones
// after "$" or "0x"; at least one digit and nothing after the digits.
bool readsAsWholeNumber(std::string_view text)
{
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos)
        return false;
    if (text[pos] == '+' || text[pos] == '-')
        ++pos;
    bool hex = false;
    if (text.substr(pos, 1) == "$") {
        hex = true;
        pos += 1;
    } else if (text.substr(pos, 2) == "0x" || text.substr(pos, 2) == "0X") {
        hex = true;
        pos += 2;
    }
    const std::size_t firstDigit = pos;
    while (pos < text.size() && (hex ? isHexDigit(text[pos]) : isDigit(text[pos])))
        ++pos;
    return pos > firstDigit && pos == text.size();
}

bool isPrintableAscii(std::string_view text)
{
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7e)
            return false;
    }
    return true;
}

// The observation list over its report, through the list's public commands.
class ListRecords final : public PastedRecordTarget {
public:
    explicit ListRecords(ObservationList& list) : list_(list) {}
    std::size_t size() const override { return list_.size(); }
    void appendAndSelect(ObservationItem record) override { list_.appendRecord(std::move(record)); }

private:
    ObservationList& list_;
};

}  // namespace

bool isPastedRecordLine(std::string_view line)
{
    if (line.size() < kCatalogueColumn)
        return false;
    const char catalogue = line[kCatalogueColumn - 1];
    return readsAsWholeNumber(line.substr(0, kNumberColumns))
        && (catalogue == 'R' || catalogue == 'S' || catalogue == 'X')
        && isPrintableAscii(line.substr(0, ObservationItem::kReportColumns));
}

std::size_t addPastedRecords(std::string_view pasteAreaText, PastedRecordTarget& list)
{
    std::size_t added = 0;
    for (std::string_view line : splitLines(pasteAreaText)) {
        if (list.size() >= static_cast<std::size_t>(ObservationItem::kMaxRecords) || !isPastedRecordLine(line))
            break;
        list.appendAndSelect(ObservationItem::fromReportLine(line));
        ++added;
    }
    return added;
}

std::size_t addPastedRecords(std::string_view pasteAreaText, ObservationList& list)
{
    ListRecords records(list);
    return addPastedRecords(pasteAreaText, records);
}

}  // namespace selen
