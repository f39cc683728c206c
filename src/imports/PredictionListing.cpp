#include "PredictionListing.h"

#include "entry/ObservationPage.h"
#include "report/StringRoutines.h"
#include "report/TextLines.h"

#include <array>
#include <utility>

namespace selen {

namespace {

// The last column of a listing line that is read (the limb mark).
constexpr std::size_t kLimbColumn = 64;
constexpr std::size_t kTimeWidth = 2;
constexpr std::size_t kStarNumberWidth = 6;
// A ZC number has at most four digits; more make it an SAO number.
constexpr std::size_t kMaxZcDigits = 4;

constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Choice-list lines the transfer chooses: 0 none, 1 the "D" line, 2 the
// other line ("R" reappearance, "B" bright limb).
constexpr std::size_t kNoneLine = 0;
constexpr std::size_t kDLine = 1;
constexpr std::size_t kOtherLine = 2;

// Columns 1-64 of a listing line, blanks past its end. Nothing further is
// read, however long the line.
class ListingColumns {
public:
    explicit ListingColumns(std::string_view line) : text_(line.substr(0, kLimbColumn))
    {
        text_.resize(kLimbColumn, ' ');
    }
    char at(std::size_t column) const { return text_[column - 1]; }
    std::string_view range(std::size_t first, std::size_t last) const
    {
        return std::string_view(text_).substr(first - 1, last - first + 1);
    }
    std::string digits(std::size_t first, std::size_t last) const
    {
        std::string text(range(first, last));
        digitsOnly(text);
        return text;
    }

private:
    std::string text_;
};

std::string digitsOf(std::string_view text)
{
    std::string digits(text);
    digitsOnly(digits);
    return digits;
}

std::string monthNumber(std::string_view name)
{
    for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
        if (kMonthNames[i] == name)
            return std::to_string(i + 1);
    }
    return {};
}

std::string timeValue(std::string text)
{
    if (!text.empty())
        padLeftTo(text, kTimeWidth);
    return text;
}

// Columns 22-28: a star number after a blank (ZC or SAO by its length), or
// an XZ number with its letter.
std::string catalogueString(const ListingColumns& columns)
{
    std::string digits = columns.digits(22, 28);
    if (columns.at(22) == ' ') {
        const char letter = digits.size() <= kMaxZcDigits ? 'R' : 'S';
        padLeftTo(digits, kStarNumberWidth);
        return letter + digits;
    }
    if (columns.at(22) == 'X' && !digits.empty())
        return std::string(columns.range(22, 28));
    return {};
}

void chooseAndPut(ChoiceControl& list, std::size_t line)
{
    list.choose(line);  // runs the list's put even when the line was chosen already
}

std::size_t lineFor(const std::string& code)
{
    if (code.empty())
        return kNoneLine;
    return code == "D" ? kDLine : kOtherLine;
}

}  // namespace

std::vector<std::string> listingLines(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(text))
        lines.emplace_back(line);
    return lines;
}

std::size_t selectFirstEventLine(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return kNoEventLine;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ListingColumns columns(lines[i]);
        if ((isDigit(columns.at(1)) || isDigit(columns.at(2))) && columns.at(3) == ' ')
            return i;
    }
    return 0;
}

void parsePredictionLine(std::string_view line, PredictedEvent& event)
{
    event = PredictedEvent{};
    const ListingColumns columns(line);
    if (columns.digits(1, 3).empty())
        return;

    const std::string yearDigits = columns.digits(1, 2);
    if (!yearDigits.empty())
        event.year = "20" + yearDigits;
    event.month = timeValue(monthNumber(columns.range(4, 6)));
    event.day = timeValue(columns.digits(8, 9));
    event.hour = timeValue(columns.digits(11, 12));
    event.minute = timeValue(columns.digits(14, 15));
    event.second = timeValue(columns.digits(17, 18));
    switch (columns.at(20)) {
    case 'D':
    case 'd': event.phenomenon = "D"; break;
    case 'R':
    case 'r': event.phenomenon = "R"; break;
    default: break;
    }
    event.limb = columns.at(kLimbColumn) == '-' ? "B" : "D";
    if (columns.at(3) == ' ')
        event.catalogue = catalogueString(columns);
}

void transferPredictedEvent(const PredictedEvent& event, ObservationPage& page)
{
    if (event.year.empty())
        return;
    const std::pair<TextControl*, const std::string*> dateAndTime[] = {
        {&page.year, &event.year}, {&page.month, &event.month},   {&page.day, &event.day},
        {&page.hour, &event.hour}, {&page.minute, &event.minute},
    };
    for (const auto& [field, value] : dateAndTime)
        field->enter(digitsOf(*value));
    // The observer's own timing goes here; the predicted second never does.
    page.second.enter({});
    page.fraction.enter({});

    for (const auto& [field, value] : dateAndTime)
        field->putAgain();
    chooseAndPut(page.phenomenon, lineFor(event.phenomenon));
    chooseAndPut(page.limb, lineFor(event.limb));

    const char code = event.catalogue.empty() ? ' ' : event.catalogue.front();
    page.selectCatalogueByCode(code == 'R' || code == 'S' || code == 'X' ? code : ' ');
    page.putCatalogue();
    page.applyCatalogueState();
    page.starNumber.enter(digitsOf(event.catalogue));
    page.putObjectNumber();
}

}  // namespace selen
