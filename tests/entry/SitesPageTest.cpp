#include "entry/SitesPage.h"

#include "report/Cp932.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

// Each key is added at the end of the text, as the view passes the edited
// text to the field.
void type(TextControl& field, std::string_view keys)
{
    for (char key : keys)
        field.enter(field.text() + key);
}

std::string padded(std::string text, std::size_t width)
{
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

std::string blanks(std::size_t n) { return std::string(n, ' '); }

// A page over a fresh report with its start-up values put.
struct Fixture {
    Fixture()
    {
        page.reset();
        page.onListsChanged = [this] { ++listChanges; };
    }
    // Replaces the lists as a report read from a file would.
    void read(std::vector<std::string> sites, std::vector<std::string> observers = {"OA"})
    {
        report.sites.clear();
        report.observers.clear();
        for (std::string& line : sites)
            report.sites.push_back(SiteLine::fromText(std::move(line)));
        for (std::string& line : observers)
            report.observers.push_back(ObserverLine::fromText(std::move(line)));
        page.replaceAll();
    }
    const std::string& site() const { return report.sites[page.selectedSite()].text(); }
    const std::string& observer() const { return report.observers[page.selectedObserver()].text(); }
    std::string columns(std::size_t first, std::size_t count) const { return padded(site(), 53).substr(first - 1, count); }
    // Every site line, then every observer line, each ended by "|".
    std::string lines() const
    {
        std::string out;
        for (const SiteLine& line : report.sites)
            out += line.text() + "|";
        for (const ObserverLine& line : report.observers)
            out += line.text() + "|";
        return out;
    }
    Report report = Report::fresh();
    SitesPage page{report};
    int listChanges = 0;
};

// Typed keys -> what the field shows and the columns it writes; nothing
// outside those columns changes.
TEST(SitesPage, TypedAndPastedValuesLandInTheirColumns)
{
    using P = SitesPage;
    struct Case { TextControl P::*field; std::string keys, shown; std::size_t first; std::string columns;
                  bool surveyed = false; };
    const Case cases[] = {
        {&P::longitudeDegrees, "5", "5", 22, "  5"}, {&P::longitudeDegrees, "1.'%3", "13", 22, " 13"},
        {&P::longitudeDegrees, "181", "18", 22, " 18"}, {&P::longitudeDegrees, "180", "180", 22, "180"},
        {&P::longitudeMinutes, "5", "5", 25, "05"}, {&P::longitudeMinutes, "60", "6", 25, "06"},
        {&P::longitudeSeconds, "591", "59", 27, "59"}, {&P::longitudeSeconds, "75", "7", 27, "07"},
        {&P::longitudeDecimals, "34", "3", 29, ".3  "}, {&P::longitudeDecimals, "345", "34", 29, ".34 ", true},
        {&P::latitudeDegrees, "95", "9", 34, " 9"}, {&P::latitudeDegrees, "90", "90", 34, "90"},
        {&P::latitudeDegrees, "91", "9", 34, " 9"},
        {&P::latitudeMinutes, "60", "6", 36, "06"}, {&P::latitudeSeconds, "591", "59", 38, "59"},
        {&P::latitudeDecimals, "7", "7", 40, ".7 "}, {&P::latitudeDecimals, "05", "05", 40, ".05", true},
        {&P::altitude, "35", "35", 47, "  35"}, {&P::altitudeTenths, "2", "2", 51, ".2"},
        {&P::aperture, "2a.0", "20", 9, "  20"}, {&P::focalLength, "200", "200", 15, " 200"},
    };
    for (const Case& c : cases) {
        Fixture f;
        SCOPED_TRACE((f.page.*c.field).formName() + " " + c.keys);
        f.page.setSurveyed(c.surveyed);
        const std::string expected = std::string(f.site()).replace(c.first - 1, c.columns.size(), c.columns);
        type(f.page.*c.field, c.keys);
        EXPECT_EQ((f.page.*c.field).text(), c.shown);
        EXPECT_EQ(f.site(), expected);
    }
    Fixture f;  // pasted text too
    EXPECT_EQ(std::pair(f.page.observerName.maxBytes(), f.page.observerEmail.maxBytes()), std::pair(25ul, 45ul));
    type(f.page.observerEmail, "a@b.jp");
    f.page.observerName.enter(std::string(40, 'N'));
    EXPECT_EQ(f.observer(), "OA  " + std::string(25, 'N') + " " + padded("a@b.jp", 45));
    const std::string wide = cp932::fixed("星星星星星星星星星星星星星");  // 13 double-byte characters: 12 fit
    f.page.observerName.enter(wide);
    EXPECT_EQ(f.observer(), "OA  " + wide.substr(0, 24) + "  " + padded("a@b.jp", 45));
    f.page.longitudeDegrees.enter(std::string(2047, '9'));
    f.page.latitudeMinutes.enter("7x7");
    EXPECT_EQ(f.columns(21, 17), "+ 99        +  07");
}

TEST(SitesPage, StartValuesLabelsChoicesSurveyedFlagAndClearWriteTheirColumns)
{
    Fixture f;
    EXPECT_EQ(f.lines(),
              "TA" + blanks(18) + "+" + blanks(11) + "+" + blanks(10) + "84" + blanks(7) + "M|OA" + blanks(73) + "|");
    f.page.clickLongitudeLabel();
    f.page.clickLatitudeLabel();
    EXPECT_EQ(f.page.longitudeCaption() + f.page.latitudeCaption(), cp932::fixed("西経南緯"));
    f.page.clickLatitudeLabel();
    EXPECT_EQ(f.page.latitudeCaption(), cp932::fixed("北緯"));
    for (auto [list, entry] : {std::pair{&f.page.horizontalDatum, 10}, {&f.page.heightDatum, 1},
                               {&f.page.telescopeType, 2}, {&f.page.mount, 2}, {&f.page.drive, 1}})
        list->choose(entry);
    EXPECT_EQ(f.site(), "TA  NAD" + blanks(13) + "-" + blanks(11) + "+" + blanks(10) + "46" + blanks(7) + "E");
    // The surveyed flag only changes the decimal limits.
    f.page.surveyed.click();
    type(f.page.longitudeDecimals, "57");
    const std::string line = f.site();
    f.page.surveyed.click();
    EXPECT_EQ(f.page.latitudeDecimals.maxBytes(), 1u);
    EXPECT_EQ(f.page.longitudeDecimals.text(), "57");
    EXPECT_EQ(f.site(), line);

    // Clearing empties the coordinates and the altitude only; hand-edited
    // degrees with no digit show as empty and are blanked too.
    f.read({"TA  RED   20   200  -x   030.25 -33 0 0.50 46   35.2E"});
    EXPECT_EQ(f.page.longitudeDegrees.text(), "");
    f.page.setSurveyed(true);
    f.page.clearSiteValues();
    EXPECT_EQ(f.site(), "TA  RED   20   200  +" + blanks(11) + "+" + blanks(10) + "46" + blanks(7) + "E");
    EXPECT_TRUE(f.page.longitudeEast() && f.page.latitudeNorth() && f.page.surveyed.checked());
}

// Route texts without and with the surveyed flag: columns 21-32 and 33-42.
TEST(SitesPage, RouteTextIsTakenWithRoundingAndCarry)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {  // route, tenths, hundredths
        {"E135 5 7.57 N35 1 2.05 ", "+1350507.6  +350102.1 ", "+1350507.57 +350102.05"},
        {"E135 559.95 N35 159.95 ", "+1350600.0  +350200.0 ", "+1350559.95 +350159.95"},
        {"E135 559.995N35 159.995", "+1350600.0  +350200.0 ", "+1350600.00 +350200.00"},
        {"E1355959.96 N355959.96 ", "+1360000.0  +360000.0 ", "+1355959.96 +355959.96"},
        {"E1805959.96 N895959.999", "+1805959.9  +900000.0 ", "+1805959.96 +900000.00"},
        {"W 70 030.00 S33 0 0.00 ", "- 700030.0  -330000.0 ", "- 700030.00 -330000.00"},
        {"E135 5 7.   N35 1 2.   ", "+1350507.0  +350102.0 ", "+1350507.00 +350102.00"},
        {"E135 5 7.abcN35 1 2.x/-", "+1350507.0  +350102.0 ", "+1350507.00 +350102.00"},
        {"E999 075.9  N95 060.   ", "+ 990007.9  + 90006.0 ", "+ 990007.90 + 90006.00"},
    };
    for (const auto& [route, tenths, hundredths] : cases) {
        ASSERT_EQ(route.size(), 23u) << route;
        for (bool surveyed : {false, true}) {
            Fixture f;
            f.page.setSurveyed(surveyed);
            EXPECT_TRUE(f.page.takeRouteText(route)) << route;
            EXPECT_EQ(f.columns(21, 22), surveyed ? hundredths : tenths) << route;
        }
    }
    // The route text of the fields, and texts that are not route texts.
    Fixture f;
    EXPECT_EQ(f.page.routeText(), "E  0 0 0.0  N 0 0 0.0  ");
    type(f.page.longitudeDegrees, "12");
    const Report before = f.report;
    for (const std::string text : {"E135 5 7.57 N35 1 2.05", "E135 5 7.57 N35 1 2.050 ", "X135 5 7.57 N35 1 2.05 ",
                                   "e135 5 7.57 N35 1 2.05 ", "E135 5 7.57 Q35 1 2.05 ", "",
                                   "E135 5 7.57\xef\xbc\xa5N35 1 2.0"}) {  // 23 bytes with a full-width letter
        EXPECT_FALSE(f.page.takeRouteText(text)) << text;
        EXPECT_EQ(f.report, before) << text;
        EXPECT_EQ(f.page.longitudeDegrees.text(), "12");
    }
    ASSERT_TRUE(f.page.takeRouteText("E1355959.96 N355959.96 "));
    EXPECT_EQ(f.page.longitudeMinutes.text() + f.page.longitudeSeconds.text() + f.page.longitudeDecimals.text(), "000");
    EXPECT_EQ(f.page.routeText(), "E136 0 0.0  N36 0 0.0  ");
    f.page.setSurveyed(true);
    ASSERT_TRUE(f.page.takeRouteText("W135 517.57 S 5 0 9.05 "));
    EXPECT_EQ(f.page.routeText(), "W135 517.57 S 5 0 9.05 ");
}

// Hand-edited and short lines: loading shows them and writes nothing.
TEST(SitesPage, LoadingNeverChangesALine)
{
    Fixture f;
    f.read({"TA  RED   20   200  +1355  7.6  +35 1 2.1  XY   35.2E", "TB  N     5   a1.2",
            "TC" + blanks(18) + "-  9 5 7.12 - 1 2 3.45646 1234  M   trailing", "T"},
           {"OA  J. Smith", "OB"});
    const Report before = f.report;
    for (std::size_t i : {3, 2, 1, 0}) {
        f.page.selectSite(i);
        f.page.selectObserver(i % 2);
    }
    EXPECT_EQ(f.report, before);
    const SitesPage& p = f.page;
    EXPECT_EQ(p.longitudeDegrees.text() + "|" + p.longitudeMinutes.text() + "|" + p.longitudeDecimals.text() + "|"
                  + p.altitude.text() + "|" + p.altitudeTenths.text() + "|" + p.aperture.text(),
              "135|5|6|35|2|20");
    EXPECT_EQ(p.horizontalDatum.index() * 100 + p.heightDatum.index() * 10 + p.telescopeType.index(), 11u);
    f.page.putField("ComboBox1");  // a key that puts the choice
    EXPECT_EQ(f.columns(44, 2), "84");
    f.page.selectSite(2);  // column 43 is read with the latitude decimals
    EXPECT_EQ(p.latitudeDecimals.text(), "456");
    f.page.selectSite(1);  // blank sign columns read east and north, for the route tool too
    EXPECT_TRUE(p.longitudeEast() && p.latitudeNorth());
    EXPECT_EQ(p.focalLength.text() + "|" + p.routeText(), "1.2|E  0 0 0.0  N 0 0 0.0  ");

    // A value lands in its own columns of the padded line.
    f.page.focalLength.setText("50");
    EXPECT_EQ(f.site(), padded("TB  N     5     50", 53));
    type(f.page.observerEmail, "js@x.org");
    EXPECT_EQ(f.observer(), padded("OA  J. Smith", 30) + padded("js@x.org", 45));
}

TEST(SitesPage, AddingLettersLinesAndStopsAt52)
{
    Fixture f;
    f.page.clickLongitudeLabel();
    f.page.clickLatitudeLabel();
    f.page.horizontalDatum.choose(10);
    f.page.heightDatum.choose(1);
    f.page.telescopeType.choose(3);
    type(f.page.longitudeDegrees, "70");
    type(f.page.observerName, "A. Alpha");  // none of these values goes to the new lines
    for (int i = 0; i < 60; ++i) {
        f.page.addSite();
        f.page.addObserver();
    }
    std::string letters;
    for (const SiteLine& line : f.report.sites)
        letters += line.letter();
    EXPECT_EQ(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(f.site(), "Tz" + blanks(18) + "-" + blanks(11) + "-" + blanks(10) + "46" + blanks(7) + "E");
    EXPECT_EQ(f.observer(), "Oz" + blanks(73));
    EXPECT_EQ(f.page.longitudeDegrees.text() + f.page.observerName.text(), "");
    EXPECT_EQ(f.page.telescopeType.index(), 0u);
    EXPECT_EQ(f.listChanges, 2 * 51);  // 52 observers too
}

TEST(SitesPage, MovingExchangesTextsAndDeletingAndSortingReletter)
{
    Fixture f;
    f.page.deleteSite();  // the only line
    EXPECT_EQ(f.report.sites.size(), 1u);
    f.read({"TA  R", "TB  N     10", "TC  C"}, {"OA  A. Alpha", "OB  B. Bravo"});
    f.page.selectSite(1);
    for (int i = 0; i < 2; ++i) {  // the second time at the top or the bottom: nothing
        f.page.moveSiteUp();
        f.page.moveObserverDown();
    }
    EXPECT_EQ(f.lines(), padded("TA  N     10", 53) + "|" + padded("TB  R", 53) + "|TC  C|" + padded("OA  B. Bravo", 75)
                             + "|" + padded("OB  A. Alpha", 75) + "|");
    EXPECT_EQ(std::pair(f.page.selectedSite(), f.page.selectedObserver()), std::pair(0ul, 1ul));
    EXPECT_EQ(f.page.aperture.text(), "10");

    f.page.selectSite(1);
    f.page.deleteSite();  // the line now at the position is selected, or the new last
    EXPECT_EQ(std::pair(f.page.selectedSite(), f.page.telescopeType.index()), std::pair(1ul, 3ul));
    f.page.deleteSite();
    EXPECT_EQ(std::pair(f.page.selectedSite(), f.page.telescopeType.index()), std::pair(0ul, 2ul));
    f.page.selectObserver(0);
    f.page.deleteObserver();
    EXPECT_EQ(f.lines(), padded("TA  N     10", 53) + "|" + padded("OA  A. Alpha", 75) + "|");
    EXPECT_EQ(f.page.observerName.text(), "A. Alpha");
    EXPECT_EQ(f.listChanges, 6);  // the read, two moves and three deletions: none for a step that did nothing

    // Short lines, as a hand-edited report holds them, sort whole; the
    // selected line stays selected.
    f.listChanges = 0;
    const std::string sites[] = {padded("TA  R     20   200", 20) + "+135 5", "TB  N",
                                 padded("TC  C     30", 20) + "-  5", padded("TD  O", 20) + "+ 35",
                                 padded("TE  R", 20) + "+  9 1 2.3  +35"};
    f.read({sites, sites + 5}, {"OA  C. Charlie", "OB  a. alpha      x@y", "Oz  B. Bravo"});
    f.page.selectSite(2);  // the western site
    f.page.sortSites();
    EXPECT_EQ(std::pair(f.page.selectedSite(), f.page.aperture.text()), std::pair(4ul, std::string("30")));
    EXPECT_FALSE(f.page.longitudeEast());
    f.page.sortObservers();  // by name, whatever the letters and the case
    std::string expected;
    for (auto [line, letter] :
         {std::pair{sites[1], 'A'}, {sites[4], 'B'}, {sites[3], 'C'}, {sites[0], 'D'}, {sites[2], 'E'}})
        expected += padded(line.replace(1, 1, 1, letter), 53) + "|";
    EXPECT_EQ(f.lines(), expected + padded("OA  a. alpha      x@y", 75) + "|" + padded("OB  B. Bravo", 75) + "|"
                             + padded("OC  C. Charlie", 75) + "|");
    EXPECT_EQ(f.page.observerName.text(), "C. Charlie");
    EXPECT_EQ(f.listChanges, 3);
}

TEST(SitesPage, KeysMoveBetweenFields)
{
    using K = NavigationKey;
    const KeyOutcome next{true, 1, true}, stay{true, 0, true}, none = KeyOutcome::handOn();
    const std::tuple<const char*, K, bool, KeyOutcome, const char*> cases[] = {
        {"Edit9", K::Left, false, none, ""},          {"Edit9", K::Enter, true, none, ""},
        {"Edit10", K::Left, false, {true, -1, true}, ""}, {"Edit15", K::Point, false, next, ""},
        {"Edit15", K::Point, true, none, ""},         {"Edit16", K::Enter, true, next, ""},
        {"ComboBox1", K::Right, false, stay, "ComboBox3"}, {"ComboBox3", K::Left, false, stay, "ComboBox1"},
        {"ComboBox4", K::Enter, false, {false, 1, true}, ""}, {"ComboBox5", K::Left, false, {false, -1, true}, ""},
        {"Edit18", K::Right, false, stay, ""},        {"Edit18", K::Enter, true, none, ""},
        // "." in whole seconds moves to their decimals; Enter moves on in the observer fields.
        {"Edit11", K::Point, false, next, ""},        {"Edit14", K::Point, false, next, ""},
        {"Edit11", K::Point, true, none, ""},         {"Edit10", K::Point, false, none, ""},
        {"Edit19", K::Enter, false, next, ""},        {"Edit19", K::Enter, true, none, ""},
        {"Edit20", K::Enter, false, next, ""},        {"Edit19", K::Right, false, none, ""},
    };
    Fixture f;
    for (const auto& [field, key, empty, want, jump] : cases) {
        const KeyOutcome got = f.page.keyRule(field, key, empty);
        EXPECT_TRUE(got.put == want.put && got.move == want.move && got.consumed == want.consumed)
            << field << " key " << static_cast<int>(key);
        EXPECT_EQ(SitesPage::jumpTarget(field, key), jump) << field;
    }
}

}  // namespace
}  // namespace selen
