#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ReportRules.h"

#include <gtest/gtest.h>

#include <functional>

namespace selen {
namespace {

using enum ProblemCode;
using F = FieldId;

// A problem as the table writes it: code, line, record, site, observer,
// field, columns, offending bytes.
using Found = std::tuple<ProblemCode, std::size_t, std::size_t, std::size_t, std::size_t, std::optional<FieldId>,
                         std::size_t, std::size_t, std::string>;

std::vector<Found> check(const Report& report, const RuleContext& context)
{
    std::vector<Found> found;
    for (const Problem& p : checkReport(report, context))
        found.emplace_back(p.code, p.line, p.record, p.site, p.observer, p.field, p.firstColumn, p.lastColumn, p.found);
    return found;
}

void put(Report& report, std::size_t record, columns::Field field, std::string_view value)
{
    report.observations[record - 1].put(field, value);
}

TEST(ReportRules, FindsEachProblemOfTheReportAsHeld)
{
    const RuleContext noDate;
    const RuleContext march13{2024, 3, 13};  // the records are dated 2024-03-15
    const RuleContext march14{2024, 3, 14};
    const std::string kanji = cp932::fixed("田中");
    using namespace columns;
    const std::tuple<const char*, std::function<void(Report&)>, RuleContext, std::vector<Found>> cases[] = {
        {"complete", [](Report&) {}, noDate, {}},
        {"dated one day after today", [](Report&) {}, march14, {}},
        {"dated two days after today", [&](Report& r) { r.observations.resize(1); }, march13,
         {{FutureDate, 1, 1, 0, 0, F::Year, 1, 8, "20240315"}}},
        {"header empty", [](Report& r) { r.placeName = r.emailAddress = r.representative = ""; }, noDate,
         {{MissingPlaceName, 0, 0, 0, 0, {}, 0, 0, ""}, {MissingEmail, 0, 0, 0, 0, {}, 0, 0, ""},
          {MissingRepresentative, 0, 0, 0, 0, {}, 0, 0, ""}}},
        {"no site line", [](Report& r) { r.sites = {SiteLine::create(0)}; }, noDate, {{NoSiteLine, 0, 0, 0, 0, {}, 0, 0, ""}}},
        {"no observer line", [](Report& r) { r.observers = {ObserverLine::create(0)}; }, noDate,
         {{NoObserverLine, 0, 0, 0, 0, {}, 0, 0, ""}}},
        // A blank record is left out of the text, but saving asks for its year.
        {"no records, no lines", [](Report& r) { r = test::reportWith({ObservationItem{}}); r.emailAddress = "e"; r.representative = "r"; },
         noDate, {{RequiredMissing, 1, 1, 0, 0, F::Year, 1, 4, ""}}},
        {"kanji observer name", [&](Report& r) { r.observers[0].setName(kanji + " Taro"); }, noDate,
         {{NonAscii, 1, 0, 0, 1, {}, 5, 8, kanji}}},
        {"kanji in the second site line", [&](Report& r) { r.sites.push_back(SiteLine::fromText("TB  " + kanji)); },
         noDate, {{NonAscii, 2, 0, 2, 0, {}, 5, 8, kanji}}},
        {"katakana in a record", [](Report& r) { put(r, 2, kWdsComponent, "\xB1"); }, noDate,
         {{NonAscii, 2, 2, 0, 0, {}, 26, 26, "\xB1"}}},
        {"delete and tab in a record", [](Report& r) { put(r, 2, kPersonalEquationWhole, "\x7F"); put(r, 3, kTemperature, "\t-5"); },
         noDate, {{NonAscii, 2, 2, 0, 0, {}, 30, 30, "\x7F"}, {NonAscii, 3, 3, 0, 0, {}, 57, 57, "\t"}}},
        {"minute empty", [](Report& r) { put(r, 2, kMinute, ""); }, noDate,
         {{RequiredMissing, 2, 2, 0, 0, F::Minute, 11, 12, ""}}},
        {"site not chosen", [](Report& r) { put(r, 3, kSite, ""); }, noDate,
         {{RequiredMissing, 3, 3, 0, 0, F::Site, 60, 60, ""}}},
        {"site letter of no line", [](Report& r) { put(r, 3, kSite, "C"); }, noDate,
         {{UnknownSite, 3, 3, 0, 0, F::Site, 60, 60, "C"}}},
        {"observer letter of no line", [](Report& r) { put(r, 1, kObserver, "b"); }, noDate,
         {{UnknownObserver, 1, 1, 0, 0, F::Observer, 61, 61, "b"}}},
        {"phenomenon of no list", [](Report& r) { put(r, 1, kPhenomenon, "Z"); }, noDate,
         {{CodeNotInList, 1, 1, 0, 0, F::Phenomenon, 27, 27, "Z"}}},
        {"gradual event without duration", [](Report& r) { put(r, 1, kRemarks, "1"); }, noDate,
         {{RequiredMissing, 1, 1, 0, 0, F::DurationWhole, 48, 48, ""},
          {RequiredMissing, 1, 1, 0, 0, F::DurationFraction, 49, 52, ""},
          {RequiredMissing, 1, 1, 0, 0, F::LightLevel, 53, 53, ""}}},
        {"stopwatch without personal equation",
         [](Report& r) { put(r, 1, kTimingMethod1, "S"); put(r, 1, kPersonalEquationApplication, "S"); }, noDate,
         {{RequiredMissing, 1, 1, 0, 0, F::PersonalEquationWhole, 30, 30, ""},
          {RequiredMissing, 1, 1, 0, 0, F::PersonalEquationFraction, 31, 33, ""}}},
        {"year 1599", [](Report& r) { put(r, 2, kYear, "1599"); }, noDate,
         {{YearOutOfRange, 2, 2, 0, 0, F::Year, 1, 4, "1599"}}},
        {"month 13, day 30 of February", [](Report& r) { put(r, 1, kMonth, "13"); put(r, 2, kMonth, "02"); put(r, 2, kDay, "30"); },
         noDate, {{NotADate, 1, 1, 0, 0, F::Month, 5, 6, "13"}, {NotADate, 2, 2, 0, 0, F::Day, 7, 8, "30"}}},
        {"29 February of a leap year", [](Report& r) { put(r, 2, kMonth, "02"); put(r, 2, kDay, "29"); }, noDate, {}},
        {"hour 24, minute 60, second 60, fraction 5a",
         [](Report& r) { put(r, 1, kHour, "24"); put(r, 2, kMinute, "60"); put(r, 2, kSecond, "60"); put(r, 3, kSecondFraction, "5a"); },
         noDate,
         {{NotATime, 1, 1, 0, 0, F::Hour, 9, 10, "24"}, {NotATime, 2, 2, 0, 0, F::Minute, 11, 12, "60"},
          {NotATime, 2, 2, 0, 0, F::Second, 13, 14, "60"}, {NotATime, 3, 3, 0, 0, F::SecondFraction, 15, 18, ".5a "}}},
        {"a blank record has only its year", [](Report& r) { r.observations.insert(r.observations.begin(), ObservationItem{}); }, noDate,
         {{RequiredMissing, 1, 1, 0, 0, F::Year, 1, 4, ""}}},
    };
    for (const auto& [name, edit, context, expected] : cases) {
        Report report = test::completeReport();
        edit(report);
        EXPECT_EQ(check(report, context), expected) << name;
    }
}

TEST(ReportRules, ProblemsComeInPageOrderAndOnlyTheReadersLoseText)
{
    Report report = test::completeReport();
    report.placeName.clear();
    report.observers[0].setName("\x88\x9F");
    report.observations[0].put(columns::kMinute, "");
    std::vector<ProblemCode> codes;
    for (const Problem& p : checkReport(report)) {
        codes.push_back(p.code);
        EXPECT_FALSE(losesText(p));
    }
    EXPECT_EQ(codes, (std::vector<ProblemCode>{MissingPlaceName, NonAscii, RequiredMissing}));
    EXPECT_TRUE(losesText(Problem{SecondHeaderLine, 4}));
    EXPECT_TRUE(losesText(Problem{YearOutOfRange, 9}));
    EXPECT_FALSE(losesText(Problem{YearOutOfRange, 9, 2}));
}

}  // namespace
}  // namespace selen
