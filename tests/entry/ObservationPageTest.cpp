#include "entry/ObservationPage.h"

#include "../report/TestSupport.h"
#include "entry/ObservationList.h"
#include "report/Cp932.h"
#include "report/RecordRules.h"
#include "report/ReportRules.h"

#include <gtest/gtest.h>

#include <map>

namespace selen {
namespace {

using namespace columns;
using P = ObservationPage;
using Puts = test::FieldValues;
constexpr std::uint32_t F = FilledColour, R = RequiredColour, C = ConditionalColour;

// A colour as a letter: F filled, R required, C conditional, G the pale green
// of the photometry box and unit, - the button face of a field not in use.
char letter(std::uint32_t colour)
{
    return colour == F ? 'F' : colour == R ? 'R' : colour == C ? 'C' : colour == 0xaaffaa ? 'G'
         : colour == 0xf0f0f0 ? '-' : '?';
}

// A fresh report, its list and the page, wired as the window wires them.
struct Fixture {
    Fixture() { list.onLoadSelected = [this] { page.loadSelectedRecord(); }; }
    const std::string& text() const { return list.selectedRecord().text(); }
    std::string at(Field field) const { return std::string(list.selectedRecord().columns(field)); }
    // The selected record with `puts` written over it, every other column as it is.
    std::string plus(const Puts& puts) const { return test::record(puts, list.selectedRecord()).text(); }
    void open(std::vector<ObservationItem> records) { report.observations = std::move(records); list.replaceAll(); }
    // Every control of the page and the two selectors by form name: its text,
    // chosen entry or tick, then its colour as a letter.
    std::map<std::string, std::string> shown() const
    {
        std::map<std::string, std::string> out;
        const P& p = page;
        for (const TextControl* t : {&p.year, &p.month, &p.day, &p.hour, &p.minute, &p.second, &p.fraction, &p.starNumber,
                                     &p.gscRegion, &p.gscNumber, &p.asteroidNumber, &p.planetNumber, &p.wdsComponent,
                                     &p.personalEquationWhole, &p.personalEquationFraction, &p.accuracyWhole,
                                     &p.accuracyFraction, &p.signalToNoiseUnits, &p.signalToNoiseTenths,
                                     &p.durationWhole, &p.durationFraction, &p.temperature, &p.comment})
            out[t->formName()] = t->text() + "/" + letter(t->colour());
        for (const ChoiceControl* c : {&p.phenomenon, &p.limb, &p.catalogue, &p.planet, &p.application, &p.timingMethod1,
                                       &p.timingMethod2, &p.timeSource, &p.videoUnit, &p.certainty, &p.lightLevel,
                                       &p.doubleStar, &p.stability, &p.transparency, &p.remarks, &list.siteSelector,
                                       &list.observerSelector})
            out[c->formName()] = std::to_string(c->index()) + "/" + letter(c->colour());
        for (const CheckControl* b : {&p.graze, &p.photometry})
            out[b->formName()] = (b->checked() ? "ticked/" : "unticked/") + std::string(1, letter(b->colour()));
        return out;
    }
    Report report = Report::fresh();
    ObservationList list{report};
    P page{list};
};

TEST(ObservationPage, TypedTextWritesOnlyItsOwnColumns)
{
    // `written` stands from report column `first` on, every other column is
    // left as it was; `catalogue` is chosen before typing.
    struct Case { TextControl P::*field; std::vector<std::string> typed; std::string shown; std::size_t first;
                  std::string written; std::uint32_t colour = F; std::size_t catalogue = 0; };
    // 髙 (FB FC) and 黑 (FC 4B): lead bytes at the top of the range.
    const std::string a44(44, 'a'), a54(54, 'a'), a55(55, 'a'), taka = "\xFB\xFC", kuro = "\xFC\x4B";
    const Case cases[] = {
        {&P::year, {"2a0b2c4"}, "2024", 1, "2024"}, {&P::year, {".202"}, ".202", 1, " 202"},
        {&P::month, {"7"}, "7", 5, "07"}, {&P::month, {"13"}, "1", 5, "01"}, {&P::day, {"31"}, "31", 7, "31"},
        {&P::day, {"32"}, "3", 7, "03"}, {&P::hour, {"24"}, "24", 9, "24"}, {&P::hour, {"25"}, "2", 9, "02"},
        {&P::minute, {"60"}, "60", 11, "60"}, {&P::minute, {"7", ""}, "", 11, "  ", R},
        {&P::second, {"60"}, "60", 13, "60"}, {&P::second, {"a5"}, "5", 13, "05"},
        {&P::second, {"x"}, "", 13, "  ", R}, {&P::fraction, {"5"}, "5", 15, ".5  "},
        {&P::fraction, {"5", ""}, "", 15, "    ", R}, {&P::fraction, {"1.2"}, "12", 15, ".12 "},
        {&P::starNumber, {"12a3456789"}, "12345", 20, " 12345", F, 1}, {&P::accuracyWhole, {"0"}, "0", 38, "0"},
        {&P::starNumber, {"1234567"}, "123456", 20, "123456"}, {&P::gscNumber, {"56"}, "56", 63, "G       56", F, 4},
        {&P::gscRegion, {"1234"}, "1234", 63, "G1234     ", F, 4}, {&P::personalEquationWhole, {"3"}, "3", 30, "3"},
        {&P::asteroidNumber, {"123456"}, "12345", 20, " 12345", F, 5}, {&P::signalToNoiseUnits, {"7"}, "7", 44, "7"},
        {&P::personalEquationWhole, {"a"}, "", 30, " ", C}, {&P::personalEquationFraction, {"5"}, "5", 31, ".5 "},
        {&P::accuracyFraction, {"04"}, "04", 39, ".04 "}, {&P::signalToNoiseUnits, {"b"}, "", 44, " ", C},
        {&P::signalToNoiseTenths, {"5"}, "5", 45, ".5"}, {&P::durationWhole, {"1"}, "1", 48, "1"},
        {&P::durationFraction, {"5"}, "5", 49, ".5  "}, {&P::wdsComponent, {"b"}, "b", 26, "b"},
        {&P::wdsComponent, {"b", "1"}, "", 26, " ", C}, {&P::temperature, {"-5"}, "-5", 57, " -5"},
        {&P::temperature, {"3"}, "3", 57, "  3"}, {&P::temperature, {"-12"}, "-12", 57, "-12"},
        {&P::temperature, {"- 5"}, "-5", 57, " -5"}, {&P::comment, {a55 + "bcdef"}, a55, 63, a55, F, 1},
        {&P::comment, {a55 + "bcdef"}, a44 + "a", 73, a44 + "a", F, 4}, {&P::comment, {a54 + taka}, a54, 63, a54 + " "},
        {&P::comment, {a44 + kuro + kuro}, a44, 73, a44 + " ", F, 4},
    };
    for (const Case& c : cases) {
        Fixture f;
        TextControl& field = f.page.*c.field;
        SCOPED_TRACE(field.formName() + " <- \"" + c.typed.back() + "\"");
        if (c.catalogue != 0)
            f.page.catalogue.choose(c.catalogue);
        const std::string expected = f.plus({{Field{c.first, c.written.size()}, c.written}});
        for (const std::string& text : c.typed)
            field.enter(text);
        EXPECT_EQ(field.text(), c.shown);
        EXPECT_EQ(f.text(), expected);
        EXPECT_EQ(field.colour(), c.colour);
    }
}

TEST(ObservationPage, ChoicesWriteTheirCodeAndEntryZeroABlank)
{
    struct Case { ChoiceControl P::*list; std::size_t entry; Field column; std::string code; std::uint32_t empty; };
    const Case cases[] = {
        {&P::phenomenon, 1, kPhenomenon, "D", R}, {&P::phenomenon, 8, kPhenomenon, "O", R},
        {&P::limb, 3, kLimb, "U", R}, {&P::timeSource, 7, kTimeSource, "O", R}, {&P::remarks, 9, kRemarks, "9", C},
        {&P::timingMethod2, 8, kTimingMethod2, "K", C}, {&P::timingMethod2, 11, kTimingMethod2, "A", C},
        {&P::application, 6, kPersonalEquationApplication, "X", R}, {&P::lightLevel, 2, kLightLevel, "F", C},
        {&P::certainty, 3, kCertainty, "3", R}, {&P::stability, 2, kSkyStability, "2", R},
        {&P::transparency, 3, kSkyTransparency, "3", R}, {&P::doubleStar, 6, kDoubleStarComponent, "F", C},
    };
    for (const Case& c : cases) {
        Fixture f;
        ChoiceControl& list = f.page.*c.list;
        SCOPED_TRACE(list.formName() + " entry " + std::to_string(c.entry));
        const std::string before = f.text(), expected = f.plus({{c.column, c.code}});
        list.choose(c.entry);
        EXPECT_EQ(f.text(), expected);
        EXPECT_EQ(list.colour(), F);
        list.choose(0);
        EXPECT_EQ(f.text(), before);
        EXPECT_EQ(list.colour(), c.empty);
    }
    Fixture f;
    const std::string before = f.text(), grazed = f.plus({{kGrazeFlag, "G"}});
    f.page.graze.click();
    EXPECT_EQ(f.text(), grazed);
    f.page.graze.click();
    EXPECT_EQ(f.text(), before);
    // Entry k of the site and observer lists names the k-th line.
    f.report.sites.push_back(SiteLine::create(1));
    f.report.observers.push_back(ObserverLine::create(1));
    f.list.refreshSelectors();
    f.list.siteSelector.choose(2);
    f.list.observerSelector.choose(1);
    EXPECT_EQ(f.at(Field{60, 2}), "BA");
    EXPECT_EQ(std::pair(f.list.siteSelector.colour(), f.list.observerSelector.colour()), std::pair(F, F));
    f.list.siteSelector.choose(0);
    EXPECT_EQ(f.at(Field{60, 2}) + letter(f.list.siteSelector.colour()), " AR");
    // Only a gradual event (remarks 1) keeps a duration.
    f.page.remarks.choose(1);
    f.page.durationWhole.enter("1");
    f.page.durationFraction.enter("5");
    EXPECT_EQ(f.at(Field{48, 5}), "1.5  ");
    const std::string blanked = f.plus({{Field{48, 5}, "     "}, {kRemarks, "5"}});
    f.page.remarks.choose(5);
    EXPECT_EQ(f.text() + f.page.durationWhole.text() + f.page.durationFraction.text(), blanked);
}

// Every code of timing method 1 presets the application, the personal
// equation and the photometry fields; K is written like its neighbours.
TEST(ObservationPage, TimingMethodOnePresets)
{
    // `free` of personal equation: application E, the equation kept (and so
    // shown as entered); any other method empties it, which is then
    // required, or needed in some cases while no method is chosen.
    struct Case { std::size_t entry; std::string code; bool free; std::uint32_t equationColour;
                  bool photometry, unitEnabled; std::size_t unit; };
    const Case cases[] = {
        {0, " ", false, C, false, false, 0}, {1, "G", true, F, true, true, 1},   {2, "V", true, F, true, false, 0},
        {3, "M", false, R, false, false, 0}, {4, "S", false, R, false, false, 0}, {5, "T", false, R, false, false, 0},
        {6, "E", true, F, false, false, 0},  {7, "P", true, F, true, true, 3},   {8, "K", false, R, false, false, 0},
        {9, "X", false, R, false, false, 0}, {10, "C", false, R, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("timing method 1 = \"" + c.code + "\"");
        Fixture f;
        P& p = f.page;
        p.personalEquationWhole.enter("3");
        p.personalEquationFraction.enter("5");
        const std::string expected =
            f.plus({{Field{30, 4}, c.free ? "3.5 " : "    "}, {Field{34, 2}, (c.free ? "E" : " ") + c.code}});
        p.timingMethod1.choose(c.entry);
        EXPECT_EQ(f.text(), expected);
        EXPECT_EQ(p.application.index(), c.free ? 5u : 0u);
        EXPECT_EQ(p.personalEquationWhole.text(), c.free ? "3" : "");
        EXPECT_EQ(std::pair(p.personalEquationWhole.colour(), p.personalEquationFraction.colour()),
                  std::pair(c.equationColour, c.equationColour));
        EXPECT_TRUE(p.photometry.checked());
        for (bool on : {p.photometry.enabled(), p.signalToNoiseUnits.enabled(), p.signalToNoiseTenths.enabled(),
                        p.lightLevel.enabled()})
            EXPECT_EQ(on, c.photometry);
        EXPECT_EQ(p.videoUnit.enabled(), c.unitEnabled);
        EXPECT_EQ(p.videoUnit.index(), c.unit);
    }
}

// Unticking the box (G or V) sets the accuracy and takes the photometry
// fields out of use, so a gradual event no longer needs its light level
// (white to pale blue, and back when ticked again, though nothing is put);
// P ticks it again.
TEST(ObservationPage, PhotometryBoxUntickedSetsTheAccuracyAndPTicksItAgain)
{
    for (auto [method, accuracy] : {std::pair{1u, "0.04 "}, std::pair{2u, "     "}}) {
        Fixture f;
        P& p = f.page;
        p.accuracyWhole.enter("1");
        p.accuracyFraction.enter("5");
        p.remarks.choose(1);
        p.timingMethod1.choose(method);
        const std::string expected = f.plus({{Field{38, 5}, accuracy}});
        std::string lightLevel(1, letter(p.lightLevel.colour()));
        p.photometry.click();
        EXPECT_EQ(f.text(), expected) << method;
        EXPECT_FALSE(p.signalToNoiseUnits.enabled() || p.lightLevel.enabled() || p.videoUnit.enabled());
        EXPECT_EQ(p.videoUnit.index(), method == 1 ? 1u : 0u);
        lightLevel += letter(p.lightLevel.colour());
        p.photometry.click();
        lightLevel += letter(p.lightLevel.colour());
        p.photometry.click();
        p.timingMethod1.choose(7);
        EXPECT_TRUE(p.photometry.checked() && p.signalToNoiseUnits.enabled() && p.videoUnit.enabled());
        EXPECT_EQ(p.videoUnit.index(), 3u);
        EXPECT_EQ(lightLevel + letter(p.lightLevel.colour()), "RCRR");
    }
}

TEST(ObservationPage, CatalogueChangesKeepOrDropTheNumbers)
{
    Fixture f;
    P& p = f.page;
    p.catalogue.choose(1);
    p.starNumber.enter("12345");
    p.catalogue.choose(2);
    EXPECT_EQ(f.at(Field{19, 7}) + "|" + p.starNumber.text() + "|" + p.catalogueLabel, "S 12345|12345|SAO");
    const std::string onlyU = f.plus({{kObjectNumber, ""}, {kCatalogue, "U"}});
    p.catalogue.choose(4);
    EXPECT_EQ(f.text(), onlyU);
    EXPECT_TRUE(p.starNumber.text().empty() && !p.starNumber.enabled());
    p.gscRegion.enter("1234");
    p.gscNumber.enter("56");
    EXPECT_EQ(f.at(Field{19, 7}) + f.at(Field{63, 10}), "U      G1234   56");
    p.gscRegion.enter("");
    EXPECT_EQ(f.at(Field{63, 10}), "G       56");
    p.gscNumber.enter("");
    EXPECT_EQ(f.text(), onlyU);  // no number left, no marker

    // Back to R: the comment text moves to column 63 and the GSC number is dropped.
    const std::string b45(45, 'b');
    p.gscRegion.enter("1234");
    p.comment.enter(b45 + "cut");
    ASSERT_EQ(f.at(kCommentArea), "G1234     " + b45);
    p.catalogue.choose(1);
    EXPECT_EQ(f.at(Field{19, 7}) + f.at(kCommentArea), "R      " + b45 + std::string(10, ' '));
    EXPECT_EQ(p.comment.text() + "|" + p.gscRegion.text(), b45 + "|");
    EXPECT_EQ(p.comment.maxBytes(), 55u);

    // Switching to U moves the whole comment, without splitting a character.
    const std::string head = cp932::fixed("あいうえおかきくけこさしすせそたちつてとなに");  // 44 bytes
    const std::string tail = cp932::fixed("ぬxねのはひ");  // 11 bytes: byte 45 is the first of ぬ
    p.comment.enter(head + tail);
    ASSERT_EQ(f.at(kCommentArea), head + tail);
    p.catalogue.choose(4);
    EXPECT_EQ(f.at(kCommentArea), std::string(10, ' ') + head + " ");
    EXPECT_EQ(p.comment.text(), head);
    EXPECT_EQ(p.comment.maxBytes(), 45u);
}

// The catalogue chooses the sub-group in use: its caption black, its fields
// enabled and white; the others grey, disabled, on the button face.
TEST(ObservationPage, CatalogueSetsTheLabelCaptionsAndFieldsInUse)
{
    // entry, label beside the star number, then for the star number, both GSC
    // fields, the asteroid number, the planet list and the planet number:
    // enabled (+) or not (x) and the colour; last the captions of the star,
    // asteroid and planet sub-groups, black (B) or grey (g).
    const std::tuple<std::size_t, const char*, const char*> cases[] = {
        {3, " XZ", "+R x- x- x- x- x- Bgg"}, {0, " XZ", "+R x- x- x- x- x- Bgg"},
        {4, " XZ", "x- +R +R x- x- x- Bgg"}, {5, " XZ", "x- x- x- +R x- x- gBg"},
        {6, " XZ", "x- x- x- x- +R +R ggB"}, {1, " ZC", "+R x- x- x- x- x- Bgg"},
        {2, "SAO", "+R x- x- x- x- x- Bgg"},
    };
    Fixture f;
    P& p = f.page;
    EXPECT_EQ(p.starCaption.text + p.asteroidCaption.text + p.planetCaption.text,
              cp932::fixed("恒星小惑星による恒星食惑星とその衛星による恒星食"));
    for (const auto& [entry, label, state] : cases) {
        p.catalogue.choose(entry);
        std::string seen;
        auto add = [&seen](bool enabled, std::uint32_t colour) {
            seen += enabled ? '+' : 'x';
            seen += letter(colour);
            seen += ' ';
        };
        for (const TextControl* t : {&p.starNumber, &p.gscRegion, &p.gscNumber, &p.asteroidNumber})
            add(t->enabled(), t->colour());
        add(p.planet.enabled(), p.planet.colour());
        add(p.planetNumber.enabled(), p.planetNumber.colour());
        for (const P::Caption* c : {&p.starCaption, &p.asteroidCaption, &p.planetCaption})
            seen += c->colour == 0 ? 'B' : c->colour == 0x808080 ? 'g' : '?';
        EXPECT_EQ(p.catalogueLabel + "|" + seen, std::string(label) + "|" + state) << entry;
    }
}

TEST(ObservationPage, PlanetListAndStepper)
{
    Fixture f;
    P& p = f.page;
    p.catalogue.choose(6);
    p.planet.choose(5);  // Io: the stepper goes down to the thousands, 5000
    EXPECT_EQ(f.at(Field{19, 7}), "P  5001");
    EXPECT_EQ(std::pair(p.stepper.position, p.stepper.lower), std::pair(5001, 5000));
    const std::string atJupiter = f.plus({{kPlanetCode, "5000"}}), after = f.plus({{kPlanetCode, "5005"}});
    p.stepPlanetNumber(-1);
    p.stepPlanetNumber(-1);  // not below the lower bound
    EXPECT_EQ(f.text(), atJupiter);
    for (int i = 0; i < 5; ++i)
        p.stepPlanetNumber(+1);
    EXPECT_EQ(f.text(), after);
    EXPECT_EQ(p.planetNumber.text(), "5005");
    p.planet.choose(11);  // Neptune: Up stops at 9999
    for (int i = 0; i < 2000; ++i)
        p.stepPlanetNumber(+1);
    EXPECT_EQ(f.at(kPlanetCode) + "|" + p.planetNumber.text() + letter(p.planetNumber.colour()), "9999|9999F");
    p.planet.choose(0);  // no planet: four blanks, and the stepper from 0
    EXPECT_EQ(f.at(kPlanetCode) + "|" + p.planetNumber.text() + letter(p.planetNumber.colour()), "    |R");
    p.stepPlanetNumber(+1);
    p.stepPlanetNumber(-1);
    EXPECT_EQ(f.at(kPlanetCode) + "|" + p.planetNumber.text() + letter(p.planetNumber.colour()), "   0|0R");
    p.planet.choose(9);  // Saturn: the stepper stands at 6000 when the next report opens

    // The stepper continues from a loaded planet and stays within 0..9999.
    f.open({test::record({{kCatalogue, "P"}, {kObjectNumber, "  5003"}}),
            test::record({{kCatalogue, "P"}, {kObjectNumber, "123456"}})});
    f.list.select(1);
    EXPECT_TRUE(0 <= p.stepper.lower && p.stepper.lower <= p.stepper.position && p.stepper.position <= 9999);
    f.list.select(0);
    EXPECT_EQ(p.planet.index(), 7u);
    EXPECT_EQ(std::pair(p.stepper.position, p.stepper.lower), std::pair(5003, 5000));
    p.stepPlanetNumber(-1);
    EXPECT_EQ(f.at(kObjectNumber), "  5002");
}

// Odd but plausible records show in the fields and stay byte for byte,
// whichever record was shown before.
TEST(ObservationPage, LoadingNeverRewritesARecord)
{
    struct Case { Puts puts; std::vector<std::pair<TextControl P::*, std::string>> texts;
                  std::vector<std::pair<ChoiceControl P::*, std::size_t>> choices; };
    const std::string note = cp932::fixed("ノート");
    const Case cases[] = {
        {{{Field{1, 18}, "20241332256199.5  "}, {Field{19, 7}, "R 12345"}, {kPhenomenon, "Z"}, {Field{30, 6}, "3.5 SK"},
          {kTemperature, "1 2"}, {Field{60, 2}, "ZZ"}, {kCommentArea, "note"}},
         {{&P::month, "13"}, {&P::day, "32"}, {&P::temperature, "12"}, {&P::personalEquationWhole, "3"},
          {&P::starNumber, "12345"}, {&P::comment, "note"}},
         {{&P::phenomenon, 0}, {&P::timingMethod1, 8}, {&P::application, 1}, {&P::catalogue, 1}}},
        {{{Field{19, 7}, "S  4567"}, {Field{30, 13}, "1.2 SS  0.04 "}, {kCertainty, "Z"}},
         {{&P::personalEquationFraction, "2"}, {&P::starNumber, "4567"}},
         {{&P::timingMethod1, 4}, {&P::application, 1}, {&P::videoUnit, 1}, {&P::certainty, 0}}},
        {{{kCatalogue, "X"}, {Field{26, 1}, "b"}, {kGrazeFlag, "G"}, {Field{34, 13}, "UG  0.02  3.5"},
          {kLightLevel, "T"}, {kRemarks, "1"}},
         {{&P::wdsComponent, "b"}, {&P::signalToNoiseTenths, "5"}, {&P::durationWhole, ""}},
         {{&P::timingMethod1, 1}, {&P::application, 4}, {&P::videoUnit, 2}, {&P::lightLevel, 1}, {&P::catalogue, 3}}},
        {{{kCatalogue, "U"}, {kTimingMethod1, "P"}, {kCommentArea, "G1234   56" + note}},
         {{&P::gscRegion, "1234"}, {&P::gscNumber, "56"}, {&P::comment, note}},
         {{&P::catalogue, 4}, {&P::timingMethod1, 7}}},
        {{{Field{19, 7}, "A 12345"}, {kTimingMethod1, "E"}}, {{&P::asteroidNumber, "12345"}}, {{&P::catalogue, 5}}},
        {{{Field{19, 7}, "P  5003"}, {kTimingMethod1, "V"}}, {{&P::planetNumber, "5003"}}, {{&P::planet, 7}}},
        {{{Field{19, 7}, "P123456"}}, {{&P::planetNumber, "123456"}}, {{&P::planet, 0}, {&P::catalogue, 6}}},
        {{{Field{19, 7}, "Q   777"}}, {{&P::asteroidNumber, ""}}, {{&P::catalogue, 0}}},
    };
    Fixture f;
    f.page.photometry.click();  // unticked: loading a P record ticks it
    std::vector<ObservationItem> records;
    for (const Case& c : cases)
        records.push_back(test::record(c.puts));
    f.open(records);
    const std::vector<ObservationItem> opened = f.report.observations;
    const std::size_t n = std::size(cases);
    for (std::size_t step = 0; step < 2 * n; ++step) {
        const std::size_t i = step < n ? step : 2 * n - 1 - step;
        SCOPED_TRACE("record " + std::to_string(i + 1));
        f.list.select(i);
        EXPECT_EQ(f.text(), opened[i].text());
        for (const auto& [field, text] : cases[i].texts)
            EXPECT_EQ((f.page.*field).text(), text) << (f.page.*field).formName();
        for (const auto& [list, entry] : cases[i].choices)
            EXPECT_EQ((f.page.*list).index(), entry) << (f.page.*list).formName();
    }
    EXPECT_EQ(f.report.observations, opened);
}

// Loading shows every column in its own field and colours every field as
// typing would: a record with a distinct value in each column, then one that
// holds only remarks 1 (its empty duration is required); nothing of the
// record shown before stays in a field.
TEST(ObservationPage, LoadingShowsEveryColumnAndColoursEveryField)
{
    ObservationItem full =
        ObservationItem::fromReportLine("20240315210745.12 R 12345ADBG1.5 UMTR0.25 23.5N1.25 F311-12BA");
    full.put(kCommentArea, "note");
    const std::tuple<const char*, const char*, const char*> rows[] = {  // control, full record, remarks 1 only
        {"Edit23", "2024/F", "/R"}, {"Edit24", "03/F", "/R"}, {"Edit25", "15/F", "/R"}, {"Edit26", "21/F", "/R"},
        {"Edit27", "07/F", "/R"}, {"Edit28", "45/F", "/R"}, {"Edit29", "12/F", "/R"}, {"ComboBox28", "1/F", "0/R"},
        {"ComboBox29", "2/F", "0/R"}, {"CheckBox2", "ticked/-", "unticked/-"}, {"ComboBox6", "1/F", "0/R"},
        {"Edit30", "12345/F", "/R"}, {"Edit31", "/-", "/-"}, {"Edit45", "/-", "/-"}, {"Edit34", "/-", "/-"},
        {"ComboBox7", "0/-", "0/-"}, {"Edit33", "/-", "/-"}, {"Edit32", "A/F", "/C"}, {"Edit41", "1/F", "/C"},
        {"Edit42", "5/F", "/C"}, {"ComboBox17", "4/F", "0/R"}, {"ComboBox8", "3/F", "0/R"}, {"ComboBox9", "5/F", "0/C"},
        {"ComboBox10", "2/F", "0/R"}, {"Edit35", "0/F", "/R"}, {"Edit36", "25/F", "/R"}, {"ComboBox32", "0/G", "0/G"},
        {"ComboBox11", "2/F", "0/R"}, {"Edit37", "3/F", "/C"}, {"Edit38", "5/F", "/C"}, {"CheckBox3", "ticked/G", "ticked/G"},
        {"ComboBox13", "2/F", "0/C"}, {"ComboBox18", "3/F", "0/C"}, {"Edit39", "1/F", "/R"}, {"Edit40", "25/F", "/R"},
        {"ComboBox14", "3/F", "0/R"}, {"ComboBox15", "1/F", "0/R"}, {"ComboBox16", "1/F", "1/F"}, {"Edit43", "-12/F", "/C"},
        {"ComboBox19", "2/F", "0/R"}, {"ComboBox12", "1/F", "0/R"}, {"Edit44", "note/F", "/C"},
    };
    Fixture f;
    f.report.sites.push_back(SiteLine::create(1));
    f.report.observers.push_back(ObserverLine::create(1));
    f.open({full, test::record({{kRemarks, "1"}}), ObservationItem()});
    for (std::size_t record : {0, 1, 0}) {
        f.list.select(record);
        const auto shown = f.shown();
        EXPECT_EQ(shown.size(), std::size(rows));
        for (const auto& [control, fullRecord, gradual] : rows)
            EXPECT_EQ(shown.at(control), record == 0 ? fullRecord : gradual) << control << " of record " << record + 1;
    }
    f.list.select(2);  // remarks 0: the empty duration is conditional again
    EXPECT_EQ(std::pair(f.page.durationWhole.colour(), f.page.durationFraction.colour()), std::pair(C, C));
}

// The colours and the report's problems agree: a field shown white is a
// listed "required and missing" problem, a field shown pale blue never is,
// for records of every catalogue, method and remark, each whole and then
// with one field's columns blanked at a time.
TEST(ObservationPage, AWhiteFieldIsAListedProblemAndAPaleBlueOneNever)
{
    std::vector<ObservationItem> records;
    for (int n = 0; n < 24; ++n) {  // 24 x 40 records: within the 999 a report holds
        const ObservationItem whole = test::record({{kSite, "A"}, {kObserver, "A"}}, test::fullRecord(n));
        records.push_back(whole);
        for (const FieldInfo& info : allFields())
            records.push_back(test::record({{info.columns, ""}}, whole));
    }
    Fixture f;
    f.open(records);
    ASSERT_TRUE(f.page.photometry.checked());  // as the page starts
    const std::vector<Problem> problems = checkReport(f.report, RuleContext{});
    std::size_t white = 0, filled = 0;
    for (std::size_t row = 0; row < records.size(); ++row) {
        f.list.select(row);
        const auto shown = f.shown();
        for (const FieldInfo& info : allFields()) {
            const char colour = shown.at(std::string(info.formName)).back();
            const bool listed = std::any_of(problems.begin(), problems.end(), [&](const Problem& p) {
                return p.record == row + 1 && p.code == ProblemCode::RequiredMissing && p.field == info.id;
            });
            EXPECT_EQ(colour == 'R', listed) << "record " << row + 1 << ", field " << info.name;
            white += colour == 'R';
            filled += colour == 'F';
        }
    }
    // Both kinds were met often, so the agreement says something.
    EXPECT_GT(white, 250u);
    EXPECT_GT(filled, 2500u);
}

// Loading timing method 1 sets the photometry states as choosing it would;
// the accuracy chooses the analysis unit; the S/N units keep digits only;
// a U record limits the comment to 45 bytes.
TEST(ObservationPage, LoadingSetsTheStatesThatFollowTheRecord)
{
    // timing method 1, columns 38-46 (accuracy, certainty, S/N), the box
    // ticked before; then the box enabled and ticked, S/N, light level and
    // unit enabled (+ or x), the unit entry and the S/N units shown.
    const std::tuple<const char*, const char*, bool, const char*> cases[] = {
        {"G", "0.04  7  ", true, "++ +++ 1 7"},   {"G", "0.02  x  ", false, "+x xxx 2 "},
        {"V", "0.01     ", true, "++ ++x 3 "},    {"V", "1        ", false, "+x xxx 0 "},
        {"P", "0.01 1 5 ", false, "++ +++ 3 "},   {"S", "0.04  7  ", true, "x+ xxx 1 7"},
    };
    for (const auto& [method, columns, ticked, states] : cases) {
        Fixture f;
        P& p = f.page;
        f.open({test::record({{kTimingMethod1, method}, {Field{38, 9}, columns}}), ObservationItem()});
        f.list.select(1);
        p.photometry.setChecked(ticked);
        f.list.select(0);
        auto on = [](bool b) { return b ? '+' : 'x'; };
        const std::string seen = std::string{on(p.photometry.enabled()), on(p.photometry.checked()), ' ',
                                             on(p.signalToNoiseUnits.enabled()), on(p.lightLevel.enabled()),
                                             on(p.videoUnit.enabled())}
            + " " + std::to_string(p.videoUnit.index()) + " " + p.signalToNoiseUnits.text();
        EXPECT_EQ(seen, states) << method << " " << columns;
    }
    Fixture f;
    f.open({test::record({{kCatalogue, "U"}}), test::record({{kCatalogue, "R"}})});
    EXPECT_EQ(f.page.comment.maxBytes(), 45u);
    f.list.select(1);
    EXPECT_EQ(f.page.comment.maxBytes(), 55u);
}

TEST(ObservationPage, KeysMoveBetweenFieldsAndResetUnticksTheGrazeBox)
{
    using K = NavigationKey;
    const KeyOutcome next{true, 1, true}, back{true, -1, true}, stay{true, 0, true}, none = KeyOutcome::handOn();
    const std::tuple<const char*, K, bool, KeyOutcome> cases[] = {  // field, key, empty, outcome
        {"Edit23", K::Left, false, none},  {"Edit23", K::Right, true, next},  {"Edit23", K::Enter, true, none},
        {"Edit24", K::Left, false, back},  {"Edit24", K::Enter, false, next}, {"Edit28", K::Point, false, next},
        {"Edit28", K::Point, true, none},  {"Edit41", K::Point, false, next}, {"Edit35", K::Point, true, none},
        {"Edit37", K::Point, false, next}, {"Edit39", K::Point, true, none},  {"Edit29", K::Point, false, none},
        {"Edit44", K::Enter, false, stay}, {"Edit44", K::Enter, true, none},  {"Edit44", K::Left, false, none},
        {"Edit33", K::Enter, true, next},
    };
    Fixture f;
    for (const auto& [field, key, empty, want] : cases) {
        const KeyOutcome got = f.page.keyRule(field, key, empty);
        EXPECT_TRUE(got.put == want.put && got.move == want.move && got.consumed == want.consumed)
            << field << " key " << static_cast<int>(key) << (empty ? " empty" : "");
    }
    // New empties the page: the graze box too.
    f.page.graze.click();
    const std::string before = f.text();
    f.page.reset();
    EXPECT_FALSE(f.page.graze.checked());
    EXPECT_EQ(f.at(kGrazeFlag) + std::string(1, before[4 + 28]), " G");
}

}  // namespace
}  // namespace selen
