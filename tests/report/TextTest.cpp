#include "report/Cp932.h"
#include "report/ObservationCodeLists.h"
#include "report/SiteLine.h"
#include "report/StringRoutines.h"
#include "report/TextLines.h"

#include <gtest/gtest.h>

#include <functional>

namespace selen {
namespace {

// Every choice text goes to CP932 once at start-up; each must come back
// unchanged through UTF-8, or a list would show mojibake.
TEST(Cp932, CodeListTextsRoundTripAndCharactersGetTheirWindowsBytes)
{
    for (const CodeList* list : {&codes::catalogue(), &codes::phenomenon(), &codes::limb(),
                                 &codes::personalEquationApplication(), &codes::timingMethod1(), &codes::timingMethod2(),
                                 &codes::timeSource(), &codes::certainty(), &codes::doubleStarComponent(),
                                 &codes::lightLevel(), &codes::skyCondition(), &codes::remarks(),
                                 &SiteLine::telescopeTypes(), &SiteLine::heightDatums()}) {
        for (const std::string& entry : list->entries()) {
            const cp932::Conversion utf8 = cp932::toUtf8(entry);
            ASSERT_TRUE(utf8.ok) << entry;
            EXPECT_EQ(cp932::fromUtf8(utf8.text).text, entry) << utf8.text;
        }
    }
    // Characters get their Windows bytes; one without a CP932 form fails at
    // its offset, with no "?" put in its place.
    const std::pair<const char*, std::string> cases[] = {
        {"ﾀｲﾑｲﾝｻｰﾀ", "\xC0\xB2\xD1\xB2\xDD\xBB\xB0\xC0"},  // half-width katakana: one byte each
        {"〜", "\x81\x60"}, {"～", "\x81\x60"},           // U+301C wave dash; U+FF5E, the same key on Windows
        {"−", "\x81\x7C"},                                 // U+2212 minus sign
        {"A　亜", "A\x81\x40\x88\x9F"},                     // a trail byte inside the lead-byte range
        {"髙黑", "\xFB\xFC\xFC\x4B"}};                         // lead bytes at the top of the range
    for (const auto& [utf8, bytes] : cases)
        EXPECT_EQ(cp932::fixed(utf8), bytes) << utf8;
    const std::pair<std::string, std::size_t> failures[] = {
        {"ab\xF0\x9F\x98\x80" "c", 2},             // an emoji
        {"\xE3\x80\x9C\xF0\x9F\x98\x80", 3},       // after a wave dash, swapped for its twin
        {"\xC2\xA3x\xF0\x9F\x98\x80", 3},          // after a pound sign, whose twin is a byte longer
        {"\xE6\x97\xA5\xED\x95\x9C", 3}};          // Hangul
    for (const auto& [utf8, offset] : failures) {
        const cp932::Conversion result = cp932::fromUtf8(utf8);
        EXPECT_FALSE(result.ok) << utf8;
        EXPECT_EQ(result.badOffset, offset) << utf8;
        EXPECT_EQ(result.text.find('?'), std::string::npos) << utf8;
    }
    EXPECT_THROW(cp932::fixed("\xF0\x9F\x98\x80"), std::logic_error);
    const cp932::Conversion truncated = cp932::toUtf8("ab\x88");
    EXPECT_EQ(std::pair(truncated.ok, truncated.badOffset), std::pair(false, std::size_t{2}));
}

TEST(TextRoutines, Cp932CutsNeverSplitACharacterAndStringRoutinesCleanPadAndTest)
{
    const std::string text = "a" + cp932::fixed("亜亜") + "b";  // a 88 9F 88 9F b
    const std::pair<std::size_t, std::size_t> cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {5, 5}, {60, 6}};
    for (const auto& [maxBytes, cut] : cases) {
        EXPECT_EQ(cp932::safeCutLength(text, maxBytes), cut) << maxBytes;
        EXPECT_EQ(cp932::cutToBytes(text, maxBytes), text.substr(0, cut)) << maxBytes;
    }
    std::string leads;  // lead bytes run 81-9F and E0-FC
    for (int byte : {0x80, 0x81, 0x9F, 0xA0, 0xDF, 0xE0, 0xEF, 0xF0, 0xFB, 0xFC, 0xFD, 0xFF})
        leads += cp932::isLeadByte(static_cast<unsigned char>(byte)) ? 'L' : '-';
    EXPECT_EQ(leads, "-LL--LLLLL--");
    EXPECT_TRUE(cp932::isTrailPosition(text, 2));
    EXPECT_FALSE(cp932::isTrailPosition(text, 3));  // 0x88 after the 0x9F trail starts a character
    EXPECT_EQ(cp932::safeCutLength(cp932::fixed("ｱｲｳ"), 2), 2u);
    // The string routines: cleaners, pads, blank tests and numbers.
    const std::function<void(std::string&)> pad4 = [](std::string& s) { padLeftTo(s, 4); };
    const std::tuple<std::function<void(std::string&)>, std::string, std::string> edits[] = {
        {cleanDecimal, "1.2.3", "1.23"}, {cleanDecimal, " 12.5", "12.5"}, {cleanDecimal, ".5", "5"},
        {cleanDecimal, "a-3.", "-3."},   {digitsAndMinusOnly, "- 5x", "-5"}, {trimRightSpaces, " a b  ", " a b"},
        {trimLeftSpaces, "   ", ""},     {pad4, "7", "   7"},              {pad4, "12345", "12345"}};
    for (const auto& [edit, in, out] : edits) {
        std::string edited = in;
        edit(edited);
        EXPECT_EQ(edited, out) << '"' << in << '"';
    }
    EXPECT_TRUE(isBlankLine("  /  "));
    EXPECT_FALSE(isBlankLine("TA") || isBlankLine(" \t") || isBlankText(" \t"));
    EXPECT_TRUE(isBlankObservationLine("  1 7      /   "));  // column 1 is not looked at
    EXPECT_TRUE(isBlankText(" \x81\x40 \x81\x40"));
    EXPECT_FALSE(isBlankText("\x88\x81\x40"));  // 0x81 is the trail of 0x88 here
    EXPECT_FALSE(isBlankText("\x81"));
    EXPECT_EQ((std::vector{roundHalfAway(2.5), roundHalfAway(-2.5), roundHalfAway(0.49)}),
              (std::vector<long long>{3, -3, 0}));
    EXPECT_GT(digitValue(std::string(2047, '9')), 2200);  // a long run never wraps round to a small year
    EXPECT_EQ(splitLines("a\r\nb\nc\rd\r\n\r\n"), (std::vector<std::string_view>{"a", "b", "c", "d", ""}));
}

}  // namespace
}  // namespace selen
