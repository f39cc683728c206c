#include "ReportRules.h"

#include "Cp932.h"
#include "RecordLetters.h"
#include "StringRoutines.h"

#include <algorithm>

namespace selen {

namespace {

using enum ProblemCode;

bool hasNonSpace(std::string_view text)
{
    return text.find_first_not_of(' ') != std::string_view::npos;
}

bool isPrintableAscii(char c)
{
    return c >= 0x20 && c <= 0x7E;
}

// A site or observer line with nothing after its letter.
bool holdsNothing(std::string_view line)
{
    return line.size() <= 2 || !hasNonSpace(line.substr(2));
}

// The value of a one- or two-column number as the fields show it: blanks
// around it removed; -1 when what remains is not all digits.
int columnValue(std::string_view columns)
{
    const std::size_t first = columns.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return -1;
    const std::size_t last = columns.find_last_not_of(' ');
    int value = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (columns[i] < '0' || columns[i] > '9')
            return -1;
        value = value * 10 + (columns[i] - '0');
    }
    return value;
}

bool isLeapYear(long long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(long long year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && (year == 0 || isLeapYear(year)) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long long dayNumber(long long year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The first stretch of the fixed columns from the first to the last byte
// outside printable ASCII (a double-byte character counted whole), if any.
std::optional<std::pair<std::size_t, std::size_t>> nonAsciiSpan(std::string_view line, std::size_t width)
{
    line = line.substr(0, std::min(line.size(), width));
    const auto isBad = [](char c) { return !isPrintableAscii(c); };
    const auto first = std::find_if(line.begin(), line.end(), isBad);
    if (first == line.end())
        return std::nullopt;
    std::size_t last = static_cast<std::size_t>(std::find_if(line.rbegin(), line.rend(), isBad).base() - line.begin());
    if (cp932::isLeadByte(static_cast<unsigned char>(line[last - 1])) && !cp932::isTrailPosition(line, last - 1)
        && last < line.size())
        ++last;
    return std::pair{static_cast<std::size_t>(first - line.begin()) + 1, last};
}

class ItemChecker {
public:
    ItemChecker(const Report& report, const RuleContext& context, const ItemLines& lines, std::vector<Problem>& out)
        : report_(report), context_(context), lines_(lines), out_(out)
    {
    }

    void run()
    {
        if (isBlankText(report_.placeName))
            out_.push_back(Problem{MissingPlaceName});
        if (isBlankText(report_.emailAddress))
            out_.push_back(Problem{MissingEmail});
        if (isBlankText(report_.representative))
            out_.push_back(Problem{MissingRepresentative});
        const bool hasRecords = std::any_of(report_.observations.begin(), report_.observations.end(),
                                            [](const ObservationItem& item) { return !item.isBlank(); });

        std::size_t siteCount = 0;
        bool anySite = false;
        for (const SiteLine& site : report_.sites) {
            if (siteCount < kMaxLetteredLines)
                siteLetters_[siteCount++] = site.letter();
            anySite = anySite || !holdsNothing(site.text());
        }
        if (hasRecords && !anySite)
            out_.push_back(Problem{NoSiteLine});
        for (std::size_t i = 0; i < report_.sites.size(); ++i)
            checkLine(report_.sites[i].text(), SiteLine::kWidth, lineOf(lines_.sites, i), i + 1, 0);

        std::size_t observerCount = 0;
        bool anyObserver = false;
        for (const ObserverLine& observer : report_.observers) {
            if (observerCount < kMaxLetteredLines)
                observerLetters_[observerCount++] = observer.letter();
            anyObserver = anyObserver || !holdsNothing(observer.text());
        }
        if (hasRecords && !anyObserver)
            out_.push_back(Problem{NoObserverLine});
        for (std::size_t i = 0; i < report_.observers.size(); ++i)
            checkLine(report_.observers[i].text(), ObserverLine::kWidth, lineOf(lines_.observers, i), 0, i + 1);

        fieldContext_.photometryTicked = context_.photometryTicked;
        fieldContext_.siteLetters = std::string_view(siteLetters_.data(), siteCount);
        fieldContext_.observerLetters = std::string_view(observerLetters_.data(), observerCount);
        for (std::size_t i = 0; i < report_.observations.size(); ++i) {
            if (!report_.observations[i].isBlank())
                checkRecord(report_.observations[i], lineOf(lines_.records, i), i + 1);
        }
    }

private:
    static std::size_t lineOf(const std::vector<std::size_t>* lines, std::size_t index)
    {
        if (lines == nullptr)
            return index + 1;
        return index < lines->size() ? (*lines)[index] : 0;
    }

    void checkLine(std::string_view text, std::size_t width, std::size_t line, std::size_t site, std::size_t observer)
    {
        if (auto span = nonAsciiSpan(text, width)) {
            out_.push_back(Problem{NonAscii, line, 0, site, observer, std::nullopt, span->first, span->second,
                                   std::string(text.substr(span->first - 1, span->second - span->first + 1))});
        }
    }

    void add(ProblemCode code, FieldId field, columns::Field columns, std::string found = {})
    {
        out_.push_back(
            Problem{code, line_, record_, 0, 0, field, columns.first, columns.last(), std::move(found)});
    }

    void checkRecord(const ObservationItem& item, std::size_t line, std::size_t record)
    {
        line_ = line;
        record_ = record;
        const FieldStates states = fieldStates(item, fieldContext_);
        checkDateAndTime(item, states);
        for (const FieldInfo& field : allFields()) {
            const std::size_t index = static_cast<std::size_t>(field.id);
            const char first = item.column(field.columns.first);
            if (field.id >= FieldId::Year && field.id <= FieldId::SecondFraction)
                continue;  // checked with the date and time
            if (field.id == FieldId::Site || field.id == FieldId::Observer) {
                if (first != ' ' && states[index] != FieldState::Entered)
                    add(field.id == FieldId::Site ? UnknownSite : UnknownObserver, field.id, field.columns,
                        std::string(1, first));
                else if (states[index] == FieldState::Required)
                    add(RequiredMissing, field.id, field.columns);
                continue;
            }
            // A coded column holding a code of no list shows entry 0: say
            // what it holds rather than that it is empty.
            if (first != ' ' && isCodedField(field.id) && !isListedCode(field.id, first)) {
                add(CodeNotInList, field.id, field.columns, std::string(1, first));
                continue;
            }
            if (states[index] == FieldState::Required)
                add(RequiredMissing, field.id, field.columns);
        }
        const std::string_view fixed = item.columns(columns::Field{1, ObservationItem::kReportColumns});
        if (auto span = nonAsciiSpan(fixed, fixed.size())) {
            out_.push_back(Problem{NonAscii, line_, record_, 0, 0, std::nullopt, span->first, span->second,
                                   std::string(fixed.substr(span->first - 1, span->second - span->first + 1))});
        }
    }

    static bool isCodedField(FieldId id)
    {
        switch (id) {
        case FieldId::Catalogue: case FieldId::Phenomenon: case FieldId::Limb: case FieldId::Application:
        case FieldId::TimingMethod1: case FieldId::TimingMethod2: case FieldId::TimeSource: case FieldId::Certainty:
        case FieldId::DoubleStarComponent: case FieldId::LightLevel: case FieldId::SkyStability:
        case FieldId::SkyTransparency: case FieldId::Remarks:
            return true;
        default:
            return false;
        }
    }

    // The date and time fields: empty, not a date or time, or too late.
    void checkDateAndTime(const ObservationItem& item, const FieldStates& states)
    {
        auto required = [&](FieldId id) {
            if (states[static_cast<std::size_t>(id)] != FieldState::Required)
                return false;
            add(RequiredMissing, id, fieldInfo(id).columns);
            return true;
        };
        auto value = [&](columns::Field field) { return columnValue(item.columns(field)); };

        long long year = 0;
        if (!required(FieldId::Year)) {
            if (item.hasValidYear()) {
                std::string digits(item.columns(columns::kYear));
                digitsOnly(digits);
                year = digitValue(digits);
            } else {
                add(YearOutOfRange, FieldId::Year, columns::kYear, std::string(item.columns(columns::kYear)));
            }
        }
        int month = 0;
        if (!required(FieldId::Month)) {
            month = value(columns::kMonth);
            if (month < 1 || month > 12) {
                add(NotADate, FieldId::Month, columns::kMonth, std::string(item.columns(columns::kMonth)));
                month = 0;
            }
        }
        int day = 0;
        if (!required(FieldId::Day)) {
            day = value(columns::kDay);
            if (day < 1 || day > (month == 0 ? 31 : daysInMonth(year, month))) {
                add(NotADate, FieldId::Day, columns::kDay, std::string(item.columns(columns::kDay)));
                day = 0;
            }
        }
        if (year != 0 && month != 0 && day != 0 && context_.todayYear != 0
            && dayNumber(year, month, day) > dayNumber(context_.todayYear, context_.todayMonth, context_.todayDay) + 1)
            add(FutureDate, FieldId::Year, columns::Field{1, 8}, std::string(item.columns(columns::Field{1, 8})));

        struct TimePart {
            FieldId id;
            columns::Field columns;
            int limit;
        };
        for (TimePart part : {TimePart{FieldId::Hour, columns::kHour, 24}, TimePart{FieldId::Minute, columns::kMinute, 60},
                              TimePart{FieldId::Second, columns::kSecond, 60}}) {
            if (required(part.id))
                continue;
            const int v = value(part.columns);
            if (v < 0 || v >= part.limit)
                add(NotATime, part.id, part.columns, std::string(item.columns(part.columns)));
        }
        if (!required(FieldId::SecondFraction)) {
            std::string_view fraction = item.columns(columns::kSecondFraction);
            fraction = fraction.substr(0, fraction.find_last_not_of(' ') + 1);
            if (!std::all_of(fraction.begin(), fraction.end(), [](char c) { return c >= '0' && c <= '9'; }))
                add(NotATime, FieldId::SecondFraction, fieldInfo(FieldId::SecondFraction).columns,
                    std::string(item.columns(fieldInfo(FieldId::SecondFraction).columns)));
        }
    }

    const Report& report_;
    const RuleContext& context_;
    const ItemLines& lines_;
    std::vector<Problem>& out_;
    FieldContext fieldContext_;
    std::array<char, kMaxLetteredLines> siteLetters_{};
    std::array<char, kMaxLetteredLines> observerLetters_{};
    std::size_t line_ = 0;
    std::size_t record_ = 0;
};

}  // namespace

void checkReportItems(const Report& report, const RuleContext& context, const ItemLines& lines,
                      std::vector<Problem>& out)
{
    ItemChecker(report, context, lines, out).run();
}

std::vector<Problem> checkReport(const Report& report, const RuleContext& context)
{
    std::vector<Problem> problems;
    checkReportItems(report, context, ItemLines{}, problems);
    return problems;
}

bool losesText(const Problem& problem)
{
    switch (problem.code) {
    case ByteOrderMark:
    case FirstLineNotHeader:
    case SecondHeaderLine:
    case LineAfterMarker:
    case UnrecognisedLine:
    case MissingYear:
    case RecordReadAsComment:
    case RecordTooLong:
    case SplitCharacter:
    case CommentTooLong:
    case TooManyRecords:
    case TooManySites:
    case TooManyObservers:
        return true;
    case CertaintyReadAsBlank:
        return true;
    case YearOutOfRange:
        return problem.record == 0;  // a line not read; a record held so keeps it
    default:
        return false;
    }
}

}  // namespace selen
