#include "ReportRules.h"

#include "Cp932.h"
#include "RecordLetters.h"
#include "StringRoutines.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace selen {

namespace {

using enum ProblemCode;

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

// True when none of the eight bytes is below 0x20 or above 0x7E.
bool allPrintable(std::uint64_t bytes)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighs = 0x8080808080808080;
    const std::uint64_t below20 = (bytes - 0x20 * kOnes) & ~bytes & kHighs;
    const std::uint64_t from7F = ((bytes & ~kHighs) + kOnes) | bytes;
    return ((below20 | from7F) & kHighs) == 0;
}

// The first stretch of the fixed columns from the first to the last byte
// outside printable ASCII (a double-byte character counted whole), if any.
std::optional<std::pair<std::size_t, std::size_t>> nonAsciiSpan(std::string_view line, std::size_t width)
{
    line = line.substr(0, std::min(line.size(), width));
    // Eight bytes at a time: nearly every line is plain.
    std::size_t plain = 0;
    for (std::uint64_t bytes = 0; plain + 8 <= line.size(); plain += 8) {
        std::memcpy(&bytes, line.data() + plain, 8);
        if (!allPrintable(bytes))
            break;
    }
    const auto isBad = [](char c) { return !isPrintableAscii(c); };
    const auto first = std::find_if(line.begin() + static_cast<std::ptrdiff_t>(plain), line.end(), isBad);
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
        : report_(report), context_(context), lines_(lines), out_(out),
          lastDay_(dayNumber(context.todayYear, std::max(context.todayMonth, 1), context.todayDay) + 1)
    {
    }

    // The list is reserved once for the most problems the report can have:
    // a report of incomplete records has thousands, and growing the list
    // step by step (copying it, and touching new memory each time) costs
    // more than finding them. Reserved memory that is never written costs
    // nothing.
    void run()
    {
        constexpr std::size_t kMostForTheHeader = 5;    // three header values, no site, no observer
        constexpr std::size_t kMostPerRecord = kFieldCount + 2;  // one per field, a future date, a byte
        out_.reserve(out_.size() + kMostForTheHeader + report_.sites.size() + report_.observers.size()
                     + kMostPerRecord * report_.observations.size());

        if (isBlankText(report_.placeName))
            emit(MissingPlaceName);
        if (isBlankText(report_.emailAddress))
            emit(MissingEmail);
        if (isBlankText(report_.representative))
            emit(MissingRepresentative);
        const bool hasRecords = std::any_of(report_.observations.begin(), report_.observations.end(),
                                            [](const ObservationItem& item) { return !item.isBlank(); });

        const bool anySite = std::any_of(report_.sites.begin(), report_.sites.end(),
                                         [](const SiteLine& site) { return !holdsNothing(site.text()); });
        if (hasRecords && !anySite)
            emit(NoSiteLine);
        for (std::size_t i = 0; i < report_.sites.size(); ++i)
            checkLine(report_.sites[i].text(), SiteLine::kWidth, lineOf(lines_.sites, i), i + 1, 0);

        const bool anyObserver = std::any_of(report_.observers.begin(), report_.observers.end(),
                                             [](const ObserverLine& line) { return !holdsNothing(line.text()); });
        if (hasRecords && !anyObserver)
            emit(NoObserverLine);
        for (std::size_t i = 0; i < report_.observers.size(); ++i)
            checkLine(report_.observers[i].text(), ObserverLine::kWidth, lineOf(lines_.observers, i), 0, i + 1);

        for (std::size_t i = 0; i < report_.observations.size(); ++i) {
            const ObservationItem& item = report_.observations[i];
            if (!item.isBlank())
                checkRecord(item, lineOf(lines_.records, i), i + 1);
            else if (!item.hasValidYear())  // a blank record is left out, but its year is still asked for before saving
                emit(RequiredMissing, lineOf(lines_.records, i), i + 1, 0, 0, FieldId::Year, columns::kYear.first,
                     columns::kYear.last());
        }
    }

private:
    void emit(ProblemCode code, std::size_t line = 0, std::size_t record = 0, std::size_t site = 0,
              std::size_t observer = 0, std::optional<FieldId> field = std::nullopt, std::size_t first = 0,
              std::size_t last = 0, std::string_view found = {})
    {
        Problem& p = out_.emplace_back();
        p.code = code;
        p.line = static_cast<std::uint32_t>(line);
        p.record = static_cast<std::uint32_t>(record);
        p.site = static_cast<std::uint16_t>(site);
        p.observer = static_cast<std::uint16_t>(observer);
        p.field = field;
        p.firstColumn = static_cast<std::uint32_t>(first);
        p.lastColumn = static_cast<std::uint32_t>(last);
        p.found = found;
    }

    static std::size_t lineOf(const std::vector<std::size_t>* lines, std::size_t index)
    {
        if (lines == nullptr)
            return index + 1;
        return index < lines->size() ? (*lines)[index] : 0;
    }

    void checkLine(std::string_view text, std::size_t width, std::size_t line, std::size_t site, std::size_t observer)
    {
        if (auto span = nonAsciiSpan(text, width)) {
            emit(NonAscii, line, 0, site, observer, std::nullopt, span->first, span->second,
                 text.substr(span->first - 1, span->second - span->first + 1));
        }
    }

    // A problem of the record being checked, about one field.
    void add(ProblemCode code, FieldId field, columns::Field columns, std::string_view found = {})
    {
        emit(code, line_, record_, 0, 0, field, columns.first, columns.last(), found);
    }

    void checkRecord(const ObservationItem& item, std::size_t line, std::size_t record)
    {
        line_ = line;
        record_ = record;
        const FieldStates states = fieldStates(item, fieldContext_);
        checkDateAndTime(item, states);
        const std::string_view text = std::string_view(item.text()).substr(ObservationItem::ColumnBase);
        // The fields that may have a problem: required and empty, or coded
        // and not entered. The date and time are checked on their own.
        std::uint64_t candidates = 0;
        for (std::size_t i = static_cast<std::size_t>(FieldId::SecondFraction) + 1; i < kFieldCount; ++i) {
            const bool candidate = states[i] == FieldState::Required
                                || (states[i] == FieldState::Conditional && isCodedField(static_cast<FieldId>(i)));
            candidates |= std::uint64_t{candidate} << i;
        }
        for (; candidates != 0; candidates &= candidates - 1) {
            const FieldInfo& field = allFields()[static_cast<std::size_t>(std::countr_zero(candidates))];
            const std::string_view first = text.substr(field.columns.first - 1, 1);
            if (first != " " && (field.id == FieldId::Site || field.id == FieldId::Observer)) {
                add(field.id == FieldId::Site ? UnknownSite : UnknownObserver, field.id, field.columns, first);
            } else if (first != " " && isCodedField(field.id)) {
                // A coded column is entered exactly when its list has the
                // code; another code shows entry 0: say what it holds.
                add(CodeNotInList, field.id, field.columns, first);
            } else if (states[static_cast<std::size_t>(field.id)] == FieldState::Required) {
                add(RequiredMissing, field.id, field.columns);
            }
        }
        const std::string_view fixed = text.substr(0, ObservationItem::kReportColumns);
        if (auto span = nonAsciiSpan(fixed, fixed.size())) {
            emit(NonAscii, line_, record_, 0, 0, std::nullopt, span->first, span->second,
                 fixed.substr(span->first - 1, span->second - span->first + 1));
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

        // The year as saving and the reader judge it: its digits, 1600-2200.
        long long year = 0;
        if (!required(FieldId::Year)) {
            const std::string_view yearColumns = item.columns(columns::kYear);
            year = lineYear(yearColumns);
            if (!isRecordYear(year)) {
                add(YearOutOfRange, FieldId::Year, columns::kYear, yearColumns);
                year = 0;
            }
        }
        int month = 0;
        if (!required(FieldId::Month)) {
            month = value(columns::kMonth);
            if (month < 1 || month > 12) {
                add(NotADate, FieldId::Month, columns::kMonth, item.columns(columns::kMonth));
                month = 0;
            }
        }
        int day = 0;
        if (!required(FieldId::Day)) {
            day = value(columns::kDay);
            if (day < 1 || day > (month == 0 ? 31 : daysInMonth(year, month))) {
                add(NotADate, FieldId::Day, columns::kDay, item.columns(columns::kDay));
                day = 0;
            }
        }
        if (year != 0 && month != 0 && day != 0 && context_.todayYear != 0 && dayNumber(year, month, day) > lastDay_)
            add(FutureDate, FieldId::Year, columns::Field{1, 8}, item.columns(columns::Field{1, 8}));

        struct TimePart {
            FieldId id;
            columns::Field columns;
            int limit;
        };
        for (TimePart part : {TimePart{FieldId::Hour, columns::kHour, 24},
                              TimePart{FieldId::Minute, columns::kMinute, 60},
                              TimePart{FieldId::Second, columns::kSecond, 60}}) {
            if (required(part.id))
                continue;
            const int v = value(part.columns);
            if (v < 0 || v >= part.limit)
                add(NotATime, part.id, part.columns, item.columns(part.columns));
        }
        if (!required(FieldId::SecondFraction)) {
            std::string_view fraction = item.columns(columns::kSecondFraction);
            fraction = fraction.substr(0, fraction.find_last_not_of(' ') + 1);
            if (!std::all_of(fraction.begin(), fraction.end(), [](char c) { return c >= '0' && c <= '9'; }))
                add(NotATime, FieldId::SecondFraction, fieldInfo(FieldId::SecondFraction).columns,
                    item.columns(fieldInfo(FieldId::SecondFraction).columns));
        }
    }

    const Report& report_;
    const RuleContext& context_;
    const ItemLines& lines_;
    std::vector<Problem>& out_;
    const ReportLetters letters_{report_};
    const FieldContext fieldContext_ = letters_.context(context_.photometryTicked);
    std::size_t line_ = 0;
    std::size_t record_ = 0;
    // The last date a record may carry: tomorrow, for records are dated in
    // Universal Time, which west of Greenwich is tomorrow by the evening.
    long long lastDay_;
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
    case SeparatorOverwritten:
    case CommentTooLong:
    case TooManyRecords:
    case TooManySites:
    case TooManyObservers:
    case CertaintyReadAsBlank:
        return true;
    case YearOutOfRange:
        return problem.record == 0;  // a line not read; a record held so keeps it
    default:
        return false;
    }
}

}  // namespace selen
