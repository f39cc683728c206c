#include "entry/ObservationList.h"

#include "../report/TestSupport.h"
#include "report/ObservationCodeLists.h"

#include <gtest/gtest.h>

#include <functional>

namespace selen {
namespace {

using namespace columns;
using test::record;

// A record told apart from the others by its star number.
ObservationItem event(const std::string& star, const std::string& when = "20071224201510", const std::string& site = "A")
{
    return record({{Field{1, 14}, when}, {kObjectNumber, star}, {kSite, site}, {kObserver, "A"}});
}

std::vector<ObservationItem> events(int count)
{
    std::vector<ObservationItem> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(event(std::to_string(i)));
    return out;
}

// A report, its list, and what the list told its views and hooks.
struct Fixture {
    explicit Fixture(std::vector<ObservationItem> records = {ObservationItem()}, std::size_t selected = 0)
    {
        report.observations = std::move(records);
        list.onLoadSelected = [this] { ++loads; };
        list.onRecordAdded = [this] { ++recalls; };
        list.rowChanged().listen([this] { rows.push_back(list.changedRow()); });
        list.listReset().listen([this] { ++resets; });
        list.replaceAll();
        list.select(selected);
        loads = resets = 0;
    }
    std::vector<std::string> stars() const
    {
        std::vector<std::string> out;
        for (const ObservationItem& item : report.observations)
            out.push_back(std::string(item.columns(kObjectNumber)).substr(0, item.columns(kObjectNumber).find(' ')));
        return out;
    }
    // Every prefix holds the position, right-justified, and a blank.
    bool numbered() const
    {
        for (std::size_t i = 0; i < report.observations.size(); ++i) {
            const std::string n = std::to_string(i + 1);
            if (report.observations[i].text().substr(0, 4) != std::string(3 - n.size(), ' ') + n + " ")
                return false;
        }
        return true;
    }
    Report report = Report::fresh();
    ObservationList list{report};
    int loads = 0, recalls = 0, resets = 0;
    std::vector<std::size_t> rows;
};

// The last record decides, and only its report columns 2-57 count; add and
// copy stop at 999 records.
TEST(ObservationList, AddAppendsOnlyAfterANonBlankLastRecordAndStopsAt999)
{
    const std::pair<test::FieldValues, bool> cases[] = {
        {{}, false}, {{{kYear, "2007"}}, true}, {{{Field{1, 1}, "2"}}, false}, {{{kTemperature, "-5"}}, true},
        {{{kTemperature, " -5"}}, false}, {{{kSite, "A"}, {kObserver, "B"}}, false}, {{{kCommentArea, "x"}}, false}};
    for (const auto& [last, adds] : cases) {
        Fixture f({event("7"), record(last)});
        f.list.add();
        EXPECT_EQ(f.list.size(), adds ? 3u : 2u) << record(last).text();
        EXPECT_EQ(f.list.selected(), adds ? 2u : 0u);
        EXPECT_EQ(f.recalls + f.loads, adds ? 2 : 0);
        EXPECT_TRUE(f.numbered());
    }
    Fixture f(events(998));
    f.list.add();
    f.list.putSelected(kYear, "2008");
    EXPECT_EQ(f.list.selectedRecord().text().substr(0, 8), "999 2008");
    f.list.add();
    f.list.copyLastForNextEvent();
    EXPECT_EQ(f.list.size(), 999u);
}

// The copy is of the last record, and that record says whether it is a
// graze, whatever the selected one shows. Every character of it is set.
TEST(ObservationList, CopyBlanksTheColumnsOfOneEventAndSelectsTheCopy)
{
    const std::pair<char, std::vector<std::pair<int, int>>> cases[] = {
        {' ', {{7, 8}, {9, 18}, {20, 28}, {43, 52}, {54, 59}, {63, 117}}},
        {'G', {{9, 18}, {26, 28}, {43, 52}, {54, 59}, {63, 117}}}};
    for (const auto& [flag, blanked] : cases) {
        std::string text = "    ";
        for (int i = 0; i < 117; ++i)
            text += static_cast<char>('A' + i % 26);
        text[4 + 28] = flag;
        Fixture f({record({{kGrazeFlag, flag == 'G' ? " " : "G"}}), event("2"), ObservationItem::fromItemText(text)});
        f.list.copyLastForNextEvent();
        ASSERT_EQ(f.list.size(), 4u);
        EXPECT_EQ(f.list.selected(), 3u);
        EXPECT_TRUE(f.numbered());
        EXPECT_EQ(f.loads, 1);
        for (int column = 1; column <= 117; ++column) {
            bool blank = false;
            for (const auto& [first, last] : blanked)
                blank = blank || (column >= first && column <= last);
            EXPECT_EQ(f.report.observations[3].column(column), blank ? ' ' : f.report.observations[2].column(column))
                << "column " << column << " graze '" << flag << "'";
        }
    }
    Fixture blankLast({event("1"), ObservationItem()});
    blankLast.list.copyLastForNextEvent();
    EXPECT_EQ(blankLast.list.size(), 2u);
}

// Remove keeps the position or takes the new last line. Move exchanges with
// the neighbour: the selection follows the record, the fields are not
// reloaded. Sort orders by time, a record without a date first, grouped by
// site letters without regard to case if asked, and keeps the selected
// record. Every record stays whole and is numbered again.
TEST(ObservationList, RemoveMoveAndSortKeepRecordsWholeAndNumbered)
{
    using Command = std::function<void(ObservationList&)>;
    const Command remove = &ObservationList::removeSelected, up = &ObservationList::moveUp,
                  down = &ObservationList::moveDown, byTime = [](ObservationList& l) { l.sort(false); },
                  bySite = [](ObservationList& l) { l.sort(true); };
    const std::vector<ObservationItem> dated = {
        event("1", "20071224201510", "B"), event("2", "20070303230000", "a"), event("3", "20071224181510", "A"),
        event("4", "20070101000000", "b"), record({{kObjectNumber, "5"}, {kSite, "B"}})};
    // command, records, selected, stars afterwards, selected afterwards, loads
    const std::tuple<Command, std::vector<ObservationItem>, std::size_t, std::vector<std::string>, std::size_t, int>
        cases[] = {
            {remove, events(5), 4, {"1", "2", "3", "4"}, 3, 1}, {remove, events(5), 1, {"1", "3", "4", "5"}, 1, 1},
            {remove, events(2), 0, {"2"}, 0, 1},                {remove, events(1), 0, {"1"}, 0, 0},
            {up, events(3), 1, {"2", "1", "3"}, 0, 0},          {up, events(3), 0, {"1", "2", "3"}, 0, 0},
            {down, events(3), 1, {"1", "3", "2"}, 2, 0},        {down, events(3), 2, {"1", "2", "3"}, 2, 0},
            {byTime, dated, 1, {"5", "4", "2", "3", "1"}, 1, 1}, {bySite, dated, 1, {"2", "3", "5", "4", "1"}, 1, 1}};
    for (const auto& [command, records, selected, stars, selectedAfter, loads] : cases) {
        Fixture f(records, selected);
        command(f.list);
        EXPECT_EQ(f.stars(), stars) << testing::PrintToString(stars);
        EXPECT_EQ(f.list.selected(), selectedAfter);
        EXPECT_TRUE(f.numbered());
        EXPECT_EQ(f.loads, loads);
        for (std::size_t i = 0; i < stars.size(); ++i)
            EXPECT_EQ(f.report.observations[i].text().substr(4), records[std::stoul(stars[i]) - 1].text().substr(4));
    }
}

TEST(ObservationList, PutSelectedWritesItsColumnsAndRepaintsOneRow)
{
    Fixture f(events(3), 1);
    const Report before = f.report;
    f.rows.clear();
    f.list.putSelected(kPhenomenon, "R");
    f.list.putSelected(kPhenomenon, "R");  // the same text again changes nothing
    f.list.select(3);                      // outside the list
    EXPECT_EQ(f.rows, std::vector<std::size_t>{1});
    EXPECT_EQ(f.resets + f.loads, 0);
    std::string expected = before.observations[1].text();
    expected[4 + 26] = 'R';
    EXPECT_EQ(f.list.selectedRecord().text(), expected);
    f.report.observations[1] = before.observations[1];
    EXPECT_EQ(f.report, before);
}

// Characters 2-50 of each line, a short line filled with blanks; a chosen
// entry that no longer exists falls back to entry 0.
TEST(ObservationList, SelectorsFollowTheSiteAndObserverLines)
{
    Fixture f(events(2), 1);
    f.report.sites = {SiteLine::fromText("TA"), SiteLine::create(1)};
    f.report.observers = {ObserverLine::fromText("OA  Short"), ObserverLine::fromText("OB" + std::string(60, 'x'))};
    f.list.refreshSelectors();
    f.list.siteSelector.setIndex(2);
    f.list.observerSelector.setIndex(2);
    EXPECT_EQ(f.list.siteSelector.lines(), (std::vector<std::string>{codes::siteSelectorEmptyEntry(), "A" + std::string(48, ' '),
                                                                     SiteLine::create(1).text().substr(1, 49)}));
    EXPECT_EQ(f.list.observerSelector.lines(), (std::vector<std::string>{codes::observerSelectorEmptyEntry(),
                                                                         "A  Short" + std::string(41, ' '), "B" + std::string(48, 'x')}));
    f.report.sites.pop_back();
    f.list.refreshSelectors();
    EXPECT_EQ(f.list.siteSelector.index(), 0u);
    EXPECT_EQ(f.list.observerSelector.index(), 2u);

    // A report read in: its sites are in the selector before its first record loads.
    std::size_t sitesAtLoad = 0;
    f.list.onLoadSelected = [&] { sitesAtLoad = f.list.siteSelector.lines().size(); };
    f.report.sites = {SiteLine::create(0), SiteLine::create(1), SiteLine::create(2)};
    f.report.observations = {event("9"), event("8")};
    f.list.replaceAll();
    EXPECT_EQ(sitesAtLoad, 4u);
    EXPECT_EQ(f.list.selected(), 0u);
    EXPECT_TRUE(f.numbered());
}

}  // namespace
}  // namespace selen
