#include "report/Cp932.h"
#include "report/ObservationCodeLists.h"
#include "report/SiteLine.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

// Every choice text the program shows goes to CP932 once at start-up; each
// must come back unchanged through UTF-8, or a list would show mojibake.
TEST(Cp932, CodeListTextsRoundTripThroughUtf8)
{
    const std::vector<const CodeList*> lists = {
        &codes::catalogue(), &codes::phenomenon(), &codes::limb(), &codes::personalEquationApplication(),
        &codes::timingMethod1(), &codes::timingMethod2(), &codes::timeSource(), &codes::certainty(),
        &codes::doubleStarComponent(), &codes::lightLevel(), &codes::skyCondition(), &codes::remarks(),
        &SiteLine::telescopeTypes(), &SiteLine::mounts(), &SiteLine::drives(), &SiteLine::heightDatums()};
    for (const CodeList* list : lists) {
        for (const std::string& entry : list->entries()) {
            cp932::Conversion utf8 = cp932::toUtf8(entry);
            ASSERT_TRUE(utf8.ok) << entry;
            cp932::Conversion back = cp932::fromUtf8(utf8.text);
            ASSERT_TRUE(back.ok) << utf8.text;
            EXPECT_EQ(back.text, entry) << utf8.text;
        }
    }
}

TEST(Cp932, KnownCharactersGetTheirWindowsBytes)
{
    const struct {
        const char* utf8;
        std::string cp932;
    } cases[] = {
        {"ﾀｲﾑｲﾝｻｰﾀ", "\xC0\xB2\xD1\xB2\xDD\xBB\xB0\xC0"},  // half-width katakana: one byte each
        {"〜", "\x81\x60"},                              // U+301C wave dash
        {"～", "\x81\x60"},                              // U+FF5E, the CP932 form of the same key
        {"−", "\x81\x7C"},                               // U+2212 minus sign
        {"A　亜", "A\x81\x40\x88\x9F"},                   // ideographic space; a trail byte in the lead range
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(cp932::fixed(c.utf8), c.cp932);
    }
    EXPECT_EQ(codes::timingMethod1().entries().at(1).size(), 26u);  // "G  ビデオ＋ﾀｲﾑｲﾝｻｰﾀ, LED等"
}

TEST(Cp932, CharacterWithoutCp932FormFailsAtItsOffset)
{
    const struct {
        std::string utf8;
        std::size_t badOffset;
    } cases[] = {
        {"ab\xF0\x9F\x98\x80" "c", 2},            // an emoji
        {"\xE3\x80\x9C\xF0\x9F\x98\x80", 3},      // after a wave dash, which is swapped for its twin
        {"\xC2\xA3x\xF0\x9F\x98\x80", 3},         // after a pound sign, whose twin is one byte longer
        {"\xE6\x97\xA5\xED\x95\x9C", 3},          // Hangul
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        cp932::Conversion result = cp932::fromUtf8(c.utf8);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.badOffset, c.badOffset);
        EXPECT_EQ(result.text.find('?'), std::string::npos);
    }
    EXPECT_THROW(cp932::fixed("\xF0\x9F\x98\x80"), std::logic_error);
    cp932::Conversion truncated = cp932::toUtf8("ab\x88");
    EXPECT_FALSE(truncated.ok);
    EXPECT_EQ(truncated.badOffset, 2u);
}

TEST(Cp932, CutsNeverSplitADoubleByteCharacter)
{
    const std::string text = "a" + cp932::fixed("亜亜") + "b";  // a 88 9F 88 9F b
    const struct {
        std::size_t maxBytes;
        std::size_t cut;
    } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {5, 5}, {6, 6}, {60, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maxBytes);
        EXPECT_EQ(cp932::safeCutLength(text, c.maxBytes), c.cut);
        EXPECT_EQ(cp932::cutToBytes(text, c.maxBytes), text.substr(0, c.cut));
    }
    EXPECT_TRUE(cp932::isTrailPosition(text, 2));
    EXPECT_FALSE(cp932::isTrailPosition(text, 3));  // 0x88 after the 0x9F trail starts a character
    EXPECT_TRUE(cp932::isTrailPosition(text, 4));
    const std::string kana = cp932::fixed("ｱｲｳ");  // single bytes: any cut is safe
    EXPECT_EQ(cp932::safeCutLength(kana, 2), 2u);
}

}  // namespace
}  // namespace selen
