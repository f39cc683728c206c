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
    const std::tuple<std::function<void(SiteLine&)>, std::size_t, std::string> cases[] = {
        {[](SiteLine& s) { s.setLongitudeEast(false); }, 21, "-"},
        {[](SiteLine& s) { s.setLongitudeDegrees("5"); }, 22, "  5"},
        {[](SiteLine& s) { s.setLongitudeMinutes("5"); }, 25, "05"},
        {[](SiteLine& s) { s.setLongitudeSeconds("12"); s.setLongitudeDecimals("3"); }, 27, "12.3  "},
        {[](SiteLine& s) { s.setLongitudeDecimals("34"); }, 29, ".34 "},
        {[](SiteLine& s) { s.setLatitudeDegrees("123"); }, 33, " 12 "},  // too long: cut, never spilled
        {[](SiteLine& s) { s.setLatitudeSeconds("7"); s.setLatitudeDecimals("78"); }, 38, "07.78 "},
        {[](SiteLine& s) { s.setHorizontalDatum("46  Tokyo"); }, 43, " 46 "},
        {[](SiteLine& s) { s.setAltitude("35"); s.setAltitudeTenths("2"); }, 47, "  35.2"},
        {[](SiteLine& s) { s.setHeightDatum(1); }, 53, "E"},
        {[](SiteLine& s) {
             s.setTelescopeType("N  x"); s.setMount("A  x"); s.setDrive("M  x");
             s.setAperture("20"); s.setFocalLength("100");
         }, 4, " NAM   20   100 "}};
    for (const auto& [put, first, expected] : cases) {
        SiteLine line = SiteLine::create(0);
        put(line);
        std::string text = SiteLine::create(0).text();
        EXPECT_EQ(line.text(), text.replace(first - 1, expected.size(), expected)) << "column " << first;
    }
}

TEST(SiteLine, LinesFromAReportReadBackAndShortOnesArePadded)
{
    const SiteLine full = SiteLine::fromText("TA  RED   20   100  +1394412.3  -353927.50 85 1234.5E");
    EXPECT_EQ(full.longitudeDegrees() + full.longitudeMinutes() + full.longitudeSeconds() + full.longitudeDecimals()
                  + full.latitudeDegrees() + full.latitudeMinutes() + full.latitudeSeconds() + full.latitudeDecimals()
                  + full.altitude() + full.altitudeTenths() + full.aperture() + full.focalLength(),
              "13944123" "35392750" "12345" "20100");
    EXPECT_FALSE(full.latitudeNorth());
    EXPECT_EQ(full.horizontalDatumIndex() + full.heightDatumIndex() + full.telescopeTypeIndex() + full.mountIndex()
                  + full.driveIndex(),
              5u);  // each the second item of its list
    SiteLine site = SiteLine::fromText("TB");
    site.setAltitude("1234");
    EXPECT_EQ(site.text(), "TB" + std::string(44, ' ') + "1234   ");

    ObserverLine observer = ObserverLine::fromText("OC  N. Tanaka");  // as written: trailing blanks removed
    observer.setEmail("t@example.jp");
    observer.setName(std::string(40, 'n'));  // a 40-byte name never reaches the e-mail columns
    EXPECT_EQ(observer.text(), "OC  " + std::string(25, 'n') + " t@example.jp" + std::string(33, ' '));
    EXPECT_EQ(observer.email(), "t@example.jp");
}

TEST(RecordLetters, FiftyTwoLettersByPosition)
{
    EXPECT_EQ(std::string({recordLetter(0), recordLetter(25), recordLetter(26), recordLetter(51)}), "AZaz");
    EXPECT_THROW(recordLetter(52), std::out_of_range);
    for (std::size_t i = 0; i < kMaxLetteredLines; ++i)
        EXPECT_EQ(letterPosition(recordLetter(i)), i);
    EXPECT_EQ(ObserverLine::create(51).text(), "Oz" + std::string(73, ' '));
}

}  // namespace
}  // namespace selen
