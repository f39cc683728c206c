#include "EditorFakes.h"

#include "editor/Messages.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

namespace selen::test {
namespace {

// New empties the observation page as the start did: the graze box unticked,
// the return field back at the year, the selectors holding the fresh lists.
TEST(EditorSessionReset, NewEmptiesTheObservationPageAndItsSelectors)
{
    SessionFixture f;
    f.session.start();
    Report report = reportWith({plainRecord(1)});
    report.sites.push_back(SiteLine::create(1));
    f.files.files["/r/a.LOR"] = buildReportText(report);
    f.dialogs.openNames = {"/r/a.LOR"};
    f.session.openReport();
    ObservationPage& page = f.session.observationPage;
    page.graze.click();
    page.setReturnField("Edit44");
    ASSERT_EQ(f.session.observations.siteSelector.lines().size(), 3u);
    f.dialogs.answers = {true};
    f.session.newReport();
    EXPECT_FALSE(page.graze.checked());
    EXPECT_EQ(page.returnField(), "Edit23");
    EXPECT_EQ(f.session.observations.siteSelector.lines().size(), 2u);
}

// Every page change loads the selected record into the fields again; the
// today button fills year, month and day in that order.
TEST(EditorSessionReset, PageChangesReloadTheRecordAndTodayFillsTheDate)
{
    SessionFixture f;
    f.session.start();
    f.session.enterToday();
    EXPECT_EQ(f.session.report().observations[0].columns(columns::Field{1, 8}), "20261207");
    f.session.observations.putSelected(columns::kMonth, "05");
    ASSERT_TRUE(f.session.changePage(pages::kObservations));
    EXPECT_EQ(f.session.observationPage.month.text(), "05");
    // Hand edits of the output text are work that opening would lose.
    ASSERT_TRUE(f.session.changePage(pages::kOutput));
    f.session.outputEditor.edit("typed by hand");
    f.dialogs.answers = {false};
    f.session.openReport();
    EXPECT_EQ(f.dialogs.shown, std::vector<std::string>{std::string(messages::kOpenDiscards)});
}

}  // namespace
}  // namespace selen::test
