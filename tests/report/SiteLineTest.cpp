#include "report/ObserverLine.h"
#include "report/RecordLetters.h"
#include "report/SiteLine.h"

#include <gtest/gtest.h>

#include <functional>

namespace selen {
namespace {

// Each put writes its own columns of a fresh "TA" line and nothing else.
TEST(SiteLine, EachFieldLandsInItsColumns)
{
    const struct {
        const char* name;
        std::function<void(SiteLine&)> put;
        std::size_t first;  // 1-based column
        std::string expected;
    } cases[] = {
        {"west", [](SiteLine& s) { s.setLongitudeEast(false); }, 21, "-"},
        {"lon degrees 5", [](SiteLine& s) { s.setLongitudeDegrees("5"); }, 22, "  5"},
        {"lon minutes 5", [](SiteLine& s) { s.setLongitudeMinutes("5"); }, 25, "05"},
        {"lon seconds empty", [](SiteLine& s) { s.setLongitudeSeconds(""); }, 27, "  "},
        {"lon tenths", [](SiteLine& s) { s.setLongitudeDecimals("3"); }, 29, ".3  "},
        {"lon hundredths", [](SiteLine& s) { s.setLongitudeDecimals("34"); }, 29, ".34 "},
        {"lat degrees 5", [](SiteLine& s) { s.setLatitudeDegrees("5"); }, 34, " 5"},
        {"lat degrees too long", [](SiteLine& s) { s.setLatitudeDegrees("123"); }, 33, " 12 "},
        {"lat hundredths", [](SiteLine& s) { s.setLatitudeDecimals("78"); }, 40, ".78 "},
        {"datum", [](SiteLine& s) { s.setHorizontalDatum("46  Tokyo"); }, 43, " 46 "},
        {"altitude with tenths", [](SiteLine& s) { s.setAltitude("35"); s.setAltitudeTenths("2"); }, 47, "  35.2"},
        {"altitude without tenths", [](SiteLine& s) { s.setAltitude("35"); s.setAltitudeTenths(""); }, 47, "  35  "},
        {"ellipsoid height", [](SiteLine& s) { s.setHeightDatum(1); }, 53, "E"},
        {"telescope", [](SiteLine& s) {
             s.setTelescopeType("N  x");
             s.setMount("A  x");
             s.setDrive("M  x");
             s.setAperture("20");
             s.setFocalLength("100");
         }, 4, " NAM   20   100 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SiteLine line = SiteLine::create(0);
        c.put(line);
        std::string expected = SiteLine::create(0).text();
        expected.replace(c.first - 1, c.expected.size(), c.expected);
        EXPECT_EQ(line.text(), expected);
    }
}

TEST(SiteLine, ShortLineFromAReportReadsAndWritesTheRightColumns)
{
    SiteLine site = SiteLine::fromText("TB");
    EXPECT_EQ(site.altitude(), "");
    EXPECT_TRUE(site.longitudeEast());
    site.setAltitude("1234");
    EXPECT_EQ(site.text(), "TB" + std::string(44, ' ') + "1234   ");

    SiteLine full = SiteLine::fromText("TA  RED   20   100  +1394412.3  -353927.50 85 1234.5E");
    EXPECT_EQ(full.longitudeDegrees(), "139");
    EXPECT_EQ(full.longitudeSeconds(), "12");
    EXPECT_EQ(full.longitudeDecimals(), "3");
    EXPECT_FALSE(full.latitudeNorth());
    EXPECT_EQ(full.latitudeDegrees(), "35");
    EXPECT_EQ(full.latitudeDecimals(), "50");
    EXPECT_EQ(full.horizontalDatumIndex(), 1u);
    EXPECT_EQ(full.altitude(), "1234");
    EXPECT_EQ(full.altitudeTenths(), "5");
    EXPECT_EQ(full.heightDatumIndex(), 1u);
    EXPECT_EQ(full.telescopeTypeIndex(), 1u);
    EXPECT_EQ(full.aperture(), "20");
    EXPECT_EQ(full.focalLength(), "100");
    EXPECT_EQ(SiteLine::fromText("TA  X").telescopeTypeIndex(), 0u);  // unknown code shows the first item
}

TEST(ObserverLine, NameAndEmailKeepToTheirColumns)
{
    ObserverLine observer = ObserverLine::fromText("OC  N. Tanaka");  // as read: trailing blanks removed
    EXPECT_EQ(observer.name(), "N. Tanaka");
    EXPECT_EQ(observer.email(), "");
    observer.setEmail("tanaka@example.jp");
    EXPECT_EQ(observer.text(), "OC  N. Tanaka" + std::string(17, ' ') + "tanaka@example.jp" + std::string(28, ' '));
    observer.setName(std::string(40, 'n'));  // a 40-byte name never reaches the e-mail columns
    EXPECT_EQ(observer.text().substr(4, 26), std::string(25, 'n') + " ");
    EXPECT_EQ(observer.email(), "tanaka@example.jp");
    EXPECT_EQ(ObserverLine::create(51).text(), "Oz" + std::string(73, ' '));
}

TEST(RecordLetters, FiftyTwoLettersByPosition)
{
    EXPECT_EQ(recordLetter(0), 'A');
    EXPECT_EQ(recordLetter(25), 'Z');
    EXPECT_EQ(recordLetter(26), 'a');
    EXPECT_EQ(recordLetter(51), 'z');
    EXPECT_THROW(recordLetter(52), std::out_of_range);
    for (std::size_t i = 0; i < kMaxLetteredLines; ++i)
        EXPECT_EQ(letterPosition(recordLetter(i)), i);
    EXPECT_EQ(letterPosition(' '), std::nullopt);
    SiteLine site = SiteLine::create(3);
    site.setLetter(30);
    EXPECT_EQ(site.text(), "Te" + std::string(51, ' '));
}

}  // namespace
}  // namespace selen
