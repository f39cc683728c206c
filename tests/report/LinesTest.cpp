#include "TestSupport.h"

#include "report/Cp932.h"
#include "report/ObserverLine.h"

#include <gtest/gtest.h>

#include <functional>

namespace selen {
namespace {

using test::repeat;

const std::string kA = cp932::fixed("亜");  // 0x88 0x9F: its trail byte is in the lead-byte range

TEST(ObservationItem, PutsStayInTheirColumnsLinesAreCutWholeAndOnly1600To2200AreYears)
{
    ObservationItem item;
    EXPECT_EQ(item.text(), std::string(65, ' ') + "/" + std::string(55, ' '));
    item.setRecordNumber(7);
    EXPECT_EQ(item.text().substr(0, 4), "  7 ");
    EXPECT_THROW(item.setRecordNumber(1000), std::out_of_range);

    item = test::record({{columns::kTemperature, " -5"}, {columns::kSite, "AB"}, {columns::kObserver, "C"}});
    EXPECT_EQ(item.reportLine(), std::string(56, ' ') + " -5AC");
    // A U comment of 52 double-byte bytes keeps 44: byte 45 would be half a character.
    item.put(columns::kGscCommentText, repeat(kA, 26));
    EXPECT_EQ(item.columns(columns::kCommentArea), std::string(10, ' ') + repeat(kA, 22) + " ");
    item.put(columns::kGscCommentText, std::string(44, 'b') + "\xFC\x4B");  // 黑: FC is a lead byte too
    EXPECT_EQ(item.columns(columns::kGscCommentText), std::string(44, 'b') + " ");
    item.put(columns::kCommentArea, "  x");
    EXPECT_EQ(item.commentLine(), "      x");
    item.put(columns::kCommentArea, "");
    EXPECT_EQ(item.commentLine(), "");
    // A comment line's characters 5-59 become the comment area; a cut that
    // would end on a lead byte leaves that byte out.
    const std::pair<std::string, std::string> cases[] = {
        {"    " + std::string(54, 'x') + kA + std::string(10, 'y'), std::string(54, 'x')},  // 70 bytes, across 59
        {"    " + std::string(53, 'x') + kA + std::string(11, 'y'), std::string(53, 'x') + kA},
        {"    " + std::string(54, 'x') + "\xFB\xFCyy", std::string(54, 'x')},  // 髙
        {"    " + repeat(kA, 33), repeat(kA, 27)}, {"    z" + repeat(kA, 32) + "w", "z" + repeat(kA, 27)}, {"    ", ""}};
    for (const auto& [line, comment] : cases) {
        ObservationItem fromLine;
        fromLine.setCommentFromLine(line);
        EXPECT_EQ(fromLine.columns(columns::kCommentArea), comment + std::string(55 - comment.size(), ' ')) << line;
    }
    // A record line longer than the record keeps 117 report columns; a double-byte
    // character split by the "/" of column 62 or by the cut leaves a blank.
    const std::pair<std::size_t, std::size_t> leads[] = {{0, 0}, {60, 0}, {61, 61}, {62, 63}, {116, 0}, {117, 117}};
    for (const auto& [leadAt, blankAt] : leads) {  // report columns; 0 for none
        std::string line = test::plainRecord(1).reportLine() + std::string(150 - 61, 'c');
        if (leadAt != 0)
            line.replace(leadAt - 1, 2, kA);
        std::string expected = "    " + line.substr(0, 117);
        expected[4 + 61] = '/';
        if (blankAt != 0)
            expected[4 + blankAt - 1] = ' ';
        EXPECT_EQ(ObservationItem::fromReportLine(line).text(), expected) << leadAt;
    }
    EXPECT_EQ(ObservationItem::fromReportLine("2024"), test::record({{columns::kYear, "2024"}}));

    // Saving passes only the years the reader takes back as records.
    const std::pair<std::string, bool> years[] = {{"1600", true}, {"2200", true}, {"1599", false}, {"2201", false},
                                                  {"", false},     {"0", false},    {"202", false},  {"9999", false}};
    for (const auto& [year, valid] : years) {
        SCOPED_TRACE(year);
        ObservationItem item = test::plainRecord(1, test::right(year, 4));
        EXPECT_EQ(item.hasValidYear(), valid);
        EXPECT_EQ(isRecordYear(lineYear(item.reportLine())), valid);  // what the reader will do
        EXPECT_EQ(firstRecordWithoutValidYear({test::plainRecord(1), item, ObservationItem()}), valid ? 2u : 1u);
    }
}

TEST(SiteLine, LinesReadBackPutsStayInTheirColumnsAndLettersGoByPosition)
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

    // Lines are lettered by position, A to Z then a to z.
    EXPECT_EQ(std::string({recordLetter(0), recordLetter(25), recordLetter(26), recordLetter(51)}), "AZaz");
    EXPECT_THROW(recordLetter(52), std::out_of_range);
    for (std::size_t i = 0; i < kMaxLetteredLines; ++i)
        EXPECT_EQ(letterPosition(recordLetter(i)), i);
    EXPECT_EQ(ObserverLine::create(51).text(), "Oz" + std::string(73, ' '));

    // Each put writes its own columns of a fresh "TA" line and nothing else; the
    // page tests make every other put through the same calls.
    const std::tuple<std::function<void(SiteLine&)>, std::size_t, std::string> cases[] = {
        {[](SiteLine& s) { s.setLatitudeDegrees("123"); }, 33, " 12 "},  // too long: cut, never spilled
        {[](SiteLine& s) { s.setLongitudeSeconds("12"); s.setLongitudeDecimals("3"); }, 27, "12.3  "},
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

}  // namespace
}  // namespace selen
