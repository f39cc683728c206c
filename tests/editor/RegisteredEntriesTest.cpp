#include "editor/RegisteredEntries.h"

#include "../support/FakeFileSystem.h"

#include "entry/ObservationList.h"
#include "report/Cp932.h"

#include <gtest/gtest.h>

#include <map>

namespace selen::test {
namespace {

std::string sj(std::string_view utf8) { return cp932::fixed(utf8); }

// The pages as the session holds them, after the start-up reset.
struct Pages {
    Report report = Report::fresh();
    HeaderPage header{report};
    SitesPage sites{report};
    ObservationList list{report};
    ObservationPage observation{list};
    Pages()
    {
        list.onLoadSelected = [this] { observation.loadSelectedRecord(); };
        list.replaceAll();
        sites.replaceAll();
        sites.reset();
        observation.reset();
    }
    std::vector<TextControl*> texts()
    {
        auto [s, o] = std::tie(sites, observation);
        return {&header.placeName, &header.emailAddress, &header.representative, &s.longitudeDegrees,
                &s.longitudeMinutes, &s.longitudeSeconds, &s.longitudeDecimals, &s.latitudeDegrees, &s.latitudeMinutes,
                &s.latitudeSeconds, &s.latitudeDecimals, &s.altitude, &s.altitudeTenths, &s.aperture, &s.focalLength,
                &s.observerName, &s.observerEmail, &o.accuracyWhole, &o.accuracyFraction, &o.personalEquationWhole,
                &o.personalEquationFraction};
    }
    std::vector<ChoiceControl*> lists()
    {
        auto [s, o] = std::tie(sites, observation);
        return {&s.horizontalDatum, &s.heightDatum, &s.telescopeType, &s.mount, &s.drive, &o.timeSource,
                &o.timingMethod1, &o.timingMethod2, &o.lightLevel, &o.application};
    }
    // Every value the registered entries cover, and the lines they reach.
    std::map<std::string, std::string> snapshot()
    {
        std::map<std::string, std::string> s;
        for (TextControl* f : texts())
            s[f->formName()] = f->text();
        for (ChoiceControl* c : lists())
            s[c->formName()] = std::to_string(c->index());
        s["CheckBox1"] = sites.surveyed.checked() ? "ticked" : "unticked";
        s["labels"] = sites.longitudeCaption() + sites.latitudeCaption();
        s["header"] = report.placeName + "|" + report.emailAddress + "|" + report.representative;
        s["site line"] = report.sites.at(sites.selectedSite()).text();
        s["observer line"] = report.observers.at(sites.selectedObserver()).text();
        s["record"] = list.selectedRecord().text();
        return s;
    }
};

// The pages, the settings file and the registered entries over them.
struct Session {
    FakeFileSystem fs;
    ProfileFile settings{fs, "/opt/selen/selen.ini"};
    Pages pages;
    RegisteredEntries entries{settings, pages.header, pages.sites, pages.observation};

    std::string& file() { return fs.files[settings.path()]; }  // to read or to edit by hand
    void storeAll(int slot)
    {
        for (auto store : {&RegisteredEntries::storeHeaderSlot, &RegisteredEntries::storeSiteSlot,
                           &RegisteredEntries::storeTelescopeSlot, &RegisteredEntries::storeObserverSlot,
                           &RegisteredEntries::storeMethodSlot})
            ASSERT_TRUE((entries.*store)(slot));
    }
    void recallAll(int slot)
    {
        for (auto recall : {&RegisteredEntries::recallHeaderSlot, &RegisteredEntries::recallSiteSlot,
                            &RegisteredEntries::recallTelescopeSlot, &RegisteredEntries::recallObserverSlot})
            (entries.*recall)(slot);
        entries.recallMethodSlot(slot);
    }
};

class RegisteredEntriesTest : public ::testing::Test, protected Session {};

// One registered set, entered as a user would: the lists first (timing
// method 1 may empty the personal equation), then the texts.
struct Filling {
    bool surveyed, east, north;
    std::vector<std::size_t> choices;  // in the order of Pages::lists()
    std::vector<std::string> texts;    // in the order of Pages::texts()
};

void fill(Pages& p, const Filling& f)
{
    p.sites.setSurveyed(f.surveyed);
    for (std::size_t i = 0; i < f.choices.size(); ++i)
        p.lists()[i]->choose(f.choices[i]);
    for (std::size_t i = 0; i < f.texts.size(); ++i)
        p.texts()[i]->enter(f.texts[i]);
    if (p.sites.longitudeEast() != f.east)
        p.sites.clickLongitudeLabel();
    if (p.sites.latitudeNorth() != f.north)
        p.sites.clickLatitudeLabel();
}

const Filling kFillings[] = {
    {true, true, true, {0, 0, 2, 1, 1, 1, 1, 0, 1, 3},
     {"Hachioji, Tokyo, Japan", "rep@example.jp", "T. Sato", "139", "18", "45", "12", "35", "39", "29", "07", "120",
      "5", "20", "100", "K. Tanaka", "k@example.jp", "0", "04", "0", "12"}},
    {false, false, false, {10, 1, 4, 2, 2, 7, 2, 3, 2, 4},
     {sj("八王子"), "", "", "5", "7", "", "4", "", "0", "59", "", "3.5", "", "8", "", sj("佐藤　太郎"), "", "1", "",
      "2", "5"}},
    {false, true, false, {5, 0, 0, 0, 0, 0, 6, 11, 0, 6},
     {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "1", "", ""}},
};

TEST_F(RegisteredEntriesTest, EverySlotAndEveryChoiceRecallWhatWasStoredAndANeverRegisteredSlotClears)
{
    const auto cleared = pages.snapshot();  // with the east and north labels
    std::map<std::string, std::string> stored[3];
    for (int slot = 1; slot <= 3; ++slot) {
        fill(pages, kFillings[slot - 1]);
        stored[slot - 1] = pages.snapshot();
        storeAll(slot);
        if (slot == 1) {
            recallAll(3);
            EXPECT_EQ(pages.snapshot(), cleared);
        }
    }
    for (int slot : {2, 1, 3, 1}) {
        SCOPED_TRACE(slot);
        pages.sites.reset();
        pages.observation.reset();
        slot == 1 ? entries.recallDefaults() : recallAll(slot);
        EXPECT_EQ(pages.snapshot(), stored[slot - 1]);
    }
    // Every choice recalls the line it came from.
    for (ChoiceControl* list : pages.lists())
        for (std::size_t line = 0; line < list->lines().size(); ++line) {
            SCOPED_TRACE(list->formName() + " line " + std::to_string(line));
            list->choose(line);
            storeAll(1);
            list->setIndex(line + 1);
            entries.recallDefaults();
            EXPECT_EQ(list->index(), line);
        }
    // A hand-edited value matches by its first two bytes, or by the whole text.
    struct Case { std::string section, key, value; ChoiceControl* list; std::size_t line; };
    auto [s, o] = std::tie(pages.sites, pages.observation);
    const std::string type = s.telescopeType.lines()[2];
    const Case cases[] = {
        {"Place", "Horizontal Datum 1", "46  Tokyo", &s.horizontalDatum, 10},
        {"Place", "Horizontal Datum 1", "46", &s.horizontalDatum, 10},
        {"Place", "Horizontal Datum 1", "4", &s.horizontalDatum, 0},
        {"Place", "Horizontal Datum 1", "99  Mars", &s.horizontalDatum, 0},
        {"Place", "Vertical Datum 1", "E  (GPS)", &s.heightDatum, 1},
        {"Observation", "TimingMethod1 1", "P  anything", &o.timingMethod1, 7},
        {"Observation", "TimingMethod1 1", "Q  no such method", &o.timingMethod1, 0},
        {"Observation", "TimingMethod2 1", sj("A　"), &o.timingMethod2, 11},
        {"Telescope", "Type 1", type, &s.telescopeType, 2},
        {"Telescope", "Type 1", type.substr(0, type.size() - 1) + "X", &s.telescopeType, 0},
        {"Telescope", "Type 1", type.substr(0, 2), &s.telescopeType, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key + "=" + c.value);
        c.list->setIndex(3);
        file() = "[" + c.section + "]\n" + c.key + "=" + c.value + "\n";
        entries.recallDefaults();
        EXPECT_EQ(c.list->index(), c.line);
    }
}

// Recalled text stays within its field and its columns, never half a
// character; the file is read as far as it makes sense.
TEST_F(RegisteredEntriesTest, HandEditedFileIsReadAsFarAsItMakesSense)
{
    const std::string name = std::string(24, 'a') + sj("観測") + std::string(14, 'b');  // 42 bytes
    file() = "; written by hand\n[place]\n  LongDeg 1   =   139  \nLongDeg 1=140\r\nlatdeg 1=\t35\nAltDec   1 = 5\n"
             "AltDec 1=9\nLatMin 1=6x0\nLongSign 1=east\n[OBSERVER]\nObserversName 1=" + name
             + "\nObserversEmail 1=e@x.jp\n[Telescope]\nFocalLength 1=" + std::string(3000, '7') + "\n";
    entries.recallDefaults();
    SitesPage& s = pages.sites;
    // The later line wins; "6x0" is filtered to "60", then its range rule; "AltDec 1" is another key.
    EXPECT_EQ(s.longitudeDegrees.text() + "|" + s.latitudeDegrees.text() + "|" + s.latitudeMinutes.text() + "|"
                  + s.altitudeTenths.text(),
              "140|35|6|5");
    EXPECT_TRUE(!s.longitudeEast() && s.latitudeNorth());  // any word but 東経 is west; a missing label: north
    EXPECT_EQ(s.sites().at(0).text().substr(20, 1) + s.sites().at(0).text().substr(32, 1), "-+");
    EXPECT_EQ(s.focalLength.text() + "|" + s.sites().at(0).text().substr(14, 4), "7777|7777");
    EXPECT_EQ(s.observerName.text(), std::string(24, 'a'));
    EXPECT_EQ(pages.report.observers.at(0).text().substr(4), std::string(24, 'a') + "  e@x.jp" + std::string(39, ' '));
    // Header values are cut to their fields' 50 and 60 bytes, never inside a character.
    file() = "[Header]\nPlace Name 1=" + std::string(49, 'p') + "\xFB\xFCp\nEmail 1=" + std::string(70, 'e')
             + "\nRepresentative 1=" + std::string(70, 'r') + "\n";
    entries.recallHeaderSlot(1);
    EXPECT_EQ(pages.report.placeName + "|" + pages.report.emailAddress + "|" + pages.report.representative,
              std::string(49, 'p') + "|" + std::string(60, 'e') + "|" + std::string(60, 'r'));
    // A recalled value the field shows already: the latitude and altitude are
    // put again, the longitude relies on its change rule and keeps its columns.
    pages.report.sites = {SiteLine::fromText("TA" + std::string(19, ' ') + "5  " + std::string(9, ' ') + "5 "
                                             + std::string(11, ' ') + "35  ")};
    pages.sites.replaceAll();
    file() = "[Place]\nLongDeg 1=5\nLatDeg 1=5\nAltitude 1=35\n";
    entries.recallSiteSlot(1);
    EXPECT_EQ(s.sites().at(0).text(),
              "TA" + std::string(18, ' ') + "+5  " + std::string(8, ' ') + "+ 5" + std::string(8, ' ') + "84   35  M");
    // The surveyed key is read as a whole number.
    const std::pair<const char*, bool> cases[] = {
        {"1", true},     {"2", true},  {"-1", true},   {"0x1F", true}, {"0X0a", true}, {"  7  ", true},
        {"123456789012345678901234567890", true},     {"0", false},   {"00", false},  {"0x0", false},
        {"0x", false},   {"yes", false}, {"1a", false}, {"0x1G", false}, {"", false},  {"+", false},
    };
    for (auto [value, ticked] : cases) {
        SCOPED_TRACE(value);
        pages.sites.setSurveyed(!ticked);
        file() = std::string("[Place]\nIsSurvey 1=") + value + "\nLongDec 1=123\n";
        entries.recallSiteSlot(1);
        EXPECT_EQ(pages.sites.surveyed.checked(), ticked);
        EXPECT_EQ(pages.sites.longitudeDecimals.text(), ticked ? "12" : "1");
    }
}

TEST_F(RegisteredEntriesTest, MethodRecallKeepsTheOrderOfItsKeysAndReachesAddedRecords)
{
    ObservationPage& o = pages.observation;
    // S is not free of a personal equation: recalling it empties the
    // personal equation recalled just before it.
    o.timingMethod1.choose(4);
    o.personalEquationWhole.enter("1");
    o.accuracyWhole.enter("0");
    o.accuracyFraction.enter("02");
    ASSERT_TRUE(entries.storeMethodSlot(2));
    o.videoUnit.setIndex(0);
    entries.recallMethodSlot(2);
    EXPECT_EQ(o.personalEquationWhole.text(), "");
    EXPECT_EQ(pages.list.selectedRecord().columns(columns::kPersonalEquationWhole), " ");
    EXPECT_EQ(o.videoUnit.index(), 0u);
    entries.methodRecall.choose(2);  // from the selector: the record is loaded again
    EXPECT_EQ(std::pair(o.videoUnit.index(), entries.methodRecall.index()), std::pair(2ul, 2ul));

    // An added record gets the default method even when the fields show it.
    fill(pages, kFillings[0]);
    o.year.enter("2026");
    storeAll(1);
    pages.list.onRecordAdded = [this] { entries.recallMethodSlot(1); };
    pages.list.add();
    ASSERT_EQ(pages.list.size(), 2u);
    const auto& records = pages.list.records();
    EXPECT_EQ(records[1].text().substr(5 + 29, 24), records[0].text().substr(5 + 29, 24));  // report columns 30-53
}

TEST_F(RegisteredEntriesTest, StoresWriteEveryKeyOfTheSlotInOrderAndSelectorsStoreAndRecall)
{
    EXPECT_EQ(entries.headerRegister.lines(),
              (std::vector<std::string>{sj("登録"), sj("デフォルトとして登録"), sj("報告者２　に登録"), sj("報告者３　に登録")}));
    EXPECT_EQ(entries.headerRecall.lines()[2] + entries.methodRegister.lines()[3], sj("観測地２設定３　に登録"));
    EXPECT_EQ(entries.methodRecall.formName(), "ComboBox27");
    pages.sites.observerName.enter("K. Tanaka");
    entries.observerRegister.choose(0);
    EXPECT_EQ(file(), "");

    // A store writes every key of its slot in the order of its section, each
    // spelt as settings files have always spelt it; Button6 stores slot 1. The
    // site line, loaded with blank sign columns, reads east and north.
    pages.sites.clickLongitudeLabel();
    pages.sites.clickLatitudeLabel();
    pages.report.sites = {SiteLine::fromText("TA")};
    pages.sites.replaceAll();
    pages.sites.longitudeDegrees.enter("139");
    storeAll(3);
    pages.header.placeName.enter("Tokyo");
    entries.registerHeaderDefault();
    EXPECT_EQ(file(), "[Header]\nPlace Name 3=\nEmail 3=\nRepresentative 3=\nPlace Name 1=Tokyo\nEmail 1=\n"
                      "Representative 1=\n\n\n[Place]\nIsSurvey 3=0\nLongDeg 3=139\nLongMin 3=\nLongSec 3=\nLongDec 3=\n"
                      "LatDeg 3=\nLatMin 3=\nLatSec 3=\nLatDec 3=\nAltitude 3=\nAltDec   3=\nHorizontal Datum 3=84  WGS84\n"
                      "Vertical Datum 3=" + sj("M （標高）\nLongSign 3=東経\nLatSign 3=北緯\n\n\n[Telescope]\nAperture 3=\n"
                      "FocalLength 3=\nType 3=----------\nMounting 3=------\nDrive 3=--------\n\n\n[Observer]\n"
                      "ObserversName 3=K. Tanaka\nObserversEmail 3=\n\n\n[Observation]\nAccuracy 3=\nAccuracyDec 3=\n"
                      "PersonalEquation 3=\nPersonalEquationDec 3=\nTimeSource 3=基準時刻信号\nTimingMethod1 3=時刻測定の方法-1\n"
                      "TimingMethod2 3=方法-2 (複数ある場合)\nLightLevel 3=指定なし／関係しない\n"
                      "Application of Personal Equation 3=個人差の扱い\n"));
    entries.observerRegister.choose(3);
    EXPECT_EQ(entries.observerRegister.index(), 0u);
    pages.sites.observerName.enter("");
    entries.observerRecall.choose(3);
    EXPECT_EQ(pages.sites.observerName.text() + "|" + std::to_string(entries.observerRecall.index()), "K. Tanaka|3");
    EXPECT_THROW(entries.storeSiteSlot(4), std::out_of_range);
    EXPECT_THROW(entries.recallHeaderSlot(0), std::out_of_range);
}

TEST(RegisteredEntriesFailure, WriteThatFailsStopsAtItsKey)
{
    struct Case { std::function<void(RegisteredEntries&)> store; int failingWrite; std::string written, notWritten; };
    const Case cases[] = {
        {[](RegisteredEntries& e) { e.siteRegister.choose(1); }, 4, "LongMin 1=", "LongSec 1"},
        {[](RegisteredEntries& e) { e.registerHeaderDefault(); }, 1, "", "Place Name 1"},
        {[](RegisteredEntries& e) { e.methodRegister.choose(2); }, 9, "LightLevel 2=", "Application"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notWritten);
        Session s;
        int writes = 0;
        s.fs.fails = [&](const FakeFileSystem::Call& call) { return call.op == "write" && ++writes == c.failingWrite; };
        std::vector<std::string> errors;
        s.entries.onWriteFailed = [&](const FileResult& r) { errors.push_back(r.error); };
        c.store(s.entries);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_NE(errors[0].find("/opt/selen/selen.ini"), std::string::npos);
        EXPECT_NE(s.file().find(c.written), std::string::npos);
        EXPECT_EQ(s.file().find(c.notWritten), std::string::npos);
        EXPECT_EQ(writes, c.failingWrite);
        EXPECT_EQ(s.fs.files.size(), 1u);  // the file (empty when nothing was written), no temporary
        EXPECT_EQ(s.entries.siteRegister.index() + s.entries.methodRegister.index(), 0u);
    }
}

}  // namespace
}  // namespace selen::test
