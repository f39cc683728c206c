// The observation page's colours and the report's problems agree: a field
// shown white is a listed "required and missing" problem, a field shown pale
// blue never is, for records of every kind with each field in turn emptied.
#include "entry/ObservationList.h"
#include "entry/ObservationPage.h"

#include "../report/TestSupport.h"
#include "report/RecordRules.h"
#include "report/ReportRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace selen {
namespace {

using P = ObservationPage;

// Which control shows which field, as the page's form names say.
std::map<FieldId, std::function<std::uint32_t(const P&, const ObservationList&)>> shownColours()
{
    using F = FieldId;
    std::map<FieldId, std::function<std::uint32_t(const P&, const ObservationList&)>> colours;
    const std::pair<F, TextControl P::*> texts[] = {
        {F::Year, &P::year}, {F::Month, &P::month}, {F::Day, &P::day}, {F::Hour, &P::hour}, {F::Minute, &P::minute},
        {F::Second, &P::second}, {F::SecondFraction, &P::fraction}, {F::StarNumber, &P::starNumber},
        {F::GscRegion, &P::gscRegion}, {F::GscNumber, &P::gscNumber}, {F::AsteroidNumber, &P::asteroidNumber},
        {F::PlanetNumber, &P::planetNumber}, {F::WdsComponent, &P::wdsComponent},
        {F::PersonalEquationWhole, &P::personalEquationWhole}, {F::PersonalEquationFraction, &P::personalEquationFraction},
        {F::AccuracyWhole, &P::accuracyWhole}, {F::AccuracyFraction, &P::accuracyFraction},
        {F::SignalToNoiseUnits, &P::signalToNoiseUnits}, {F::SignalToNoiseTenths, &P::signalToNoiseTenths},
        {F::DurationWhole, &P::durationWhole}, {F::DurationFraction, &P::durationFraction},
        {F::Temperature, &P::temperature}, {F::Comment, &P::comment}};
    for (auto [id, field] : texts)
        colours[id] = [field](const P& page, const ObservationList&) { return (page.*field).colour(); };
    const std::pair<F, ChoiceControl P::*> lists[] = {
        {F::Catalogue, &P::catalogue}, {F::PlanetList, &P::planet}, {F::Phenomenon, &P::phenomenon},
        {F::Limb, &P::limb}, {F::Application, &P::application}, {F::TimingMethod1, &P::timingMethod1},
        {F::TimingMethod2, &P::timingMethod2}, {F::TimeSource, &P::timeSource}, {F::Certainty, &P::certainty},
        {F::DoubleStarComponent, &P::doubleStar}, {F::LightLevel, &P::lightLevel}, {F::SkyStability, &P::stability},
        {F::SkyTransparency, &P::transparency}, {F::Remarks, &P::remarks}};
    for (auto [id, list] : lists)
        colours[id] = [list](const P& page, const ObservationList&) { return (page.*list).colour(); };
    colours[F::Site] = [](const P&, const ObservationList& l) { return l.siteSelector.colour(); };
    colours[F::Observer] = [](const P&, const ObservationList& l) { return l.observerSelector.colour(); };
    return colours;
}

TEST(ColourRules, AWhiteFieldIsAListedProblemAndAPaleBlueOneNever)
{
    const auto colours = shownColours();
    ASSERT_EQ(colours.size(), kFieldCount);
    // Records of every catalogue, method and remark, each whole and then with
    // one field's columns blanked at a time.
    std::vector<ObservationItem> records;
    for (int n = 0; n < 24; ++n) {  // 24 x 40 records: within the 999 a report holds
        const ObservationItem whole = test::record({{columns::kSite, "A"}, {columns::kObserver, "A"}}, test::fullRecord(n));
        records.push_back(whole);
        for (const FieldInfo& info : allFields())
            records.push_back(test::record({{info.columns, ""}}, whole));
    }
    Report report = test::reportWith(records);
    ObservationList list(report);
    P page(list);
    list.onLoadSelected = [&page] { page.loadSelectedRecord(); };
    list.replaceAll();
    // The photometry box as the page starts, ticked.
    ASSERT_TRUE(page.photometry.checked());
    const std::vector<Problem> problems = checkReport(report, RuleContext{});
    std::size_t white = 0, paleBlue = 0;
    for (std::size_t row = 0; row < records.size(); ++row) {
        list.select(row);
        for (const FieldInfo& info : allFields()) {
            const std::uint32_t shown = colours.at(info.id)(page, list);
            const bool listed = std::any_of(problems.begin(), problems.end(), [&](const Problem& p) {
                return p.record == row + 1 && p.code == ProblemCode::RequiredMissing && p.field == info.id;
            });
            SCOPED_TRACE("record " + std::to_string(row + 1) + ", field " + std::string(info.name));
            if (shown == RequiredColour) {
                ++white;
                EXPECT_TRUE(listed);
            } else {
                EXPECT_FALSE(listed);
                paleBlue += shown == FilledColour;
            }
        }
    }
    // Both kinds were met often, so the agreement says something.
    EXPECT_GT(white, 250u);
    EXPECT_GT(paleBlue, 2500u);
}

}  // namespace
}  // namespace selen
