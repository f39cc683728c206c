#include "report/StringRoutines.h"
#include "report/TextLines.h"

#include <gtest/gtest.h>

#include <functional>

namespace selen {
namespace {

TEST(StringRoutines, InPlaceCleanersAndPads)
{
    using Edit = std::function<void(std::string&)>;
    const struct {
        const char* name;
        Edit edit;
        std::string in;
        std::string out;
    } cases[] = {
        {"cleanDecimal second point", cleanDecimal, "1.2.3", "1.23"},
        {"cleanDecimal leading space", cleanDecimal, " 12.5", "12.5"},
        {"cleanDecimal leading point", cleanDecimal, ".5", "5"},
        {"cleanDecimal minus kept", cleanDecimal, "-3", "-3"},
        {"cleanDecimal letters", cleanDecimal, "a1-b.2.", "1-.2"},
        {"digitsOnly", [](std::string& s) { digitsOnly(s); }, " 1a9-9.", "199"},
        {"digitsAndMinusOnly", digitsAndMinusOnly, "- 5x", "-5"},
        {"trimRight", trimRightSpaces, "  a b  ", "  a b"},
        {"trimRight all spaces", trimRightSpaces, "   ", ""},
        {"trimLeft", trimLeftSpaces, "  a b  ", "a b  "},
        {"padLeft", [](std::string& s) { padLeftTo(s, 4); }, "7", "   7"},
        {"padLeft longer kept", [](std::string& s) { padLeftTo(s, 4); }, "12345", "12345"},
        {"padRight", [](std::string& s) { padRightTo(s, 3); }, "a", "a  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = c.in;
        c.edit(text);
        EXPECT_EQ(text, c.out);
    }
}

TEST(StringRoutines, BlankTests)
{
    EXPECT_TRUE(isBlankLine(""));
    EXPECT_TRUE(isBlankLine("  /  "));
    EXPECT_FALSE(isBlankLine("TA"));
    EXPECT_TRUE(isBlankObservationLine("  1 7      /   "));  // column 1 is not looked at
    EXPECT_FALSE(isBlankObservationLine("  1 2024   /   "));
    EXPECT_TRUE(isBlankText(""));
    EXPECT_TRUE(isBlankText(" \x81\x40 \x81\x40"));
    EXPECT_FALSE(isBlankText("\x88\x81\x40"));  // 0x81 is the trail of 0x88 here, then "@"
    EXPECT_FALSE(isBlankText(" /"));
    EXPECT_FALSE(isBlankText("\x81"));
}

TEST(StringRoutines, NumbersRoundAndSaturate)
{
    EXPECT_EQ(roundHalfAway(2.5), 3);
    EXPECT_EQ(roundHalfAway(-2.5), -3);
    EXPECT_EQ(roundHalfAway(0.49), 0);
    EXPECT_EQ(digitValue(""), 0);
    EXPECT_EQ(digitValue("2200"), 2200);
    EXPECT_GT(digitValue(std::string(2047, '9')), 2200);  // a long run never wraps to a small year
}

TEST(TextLines, SplitsOnEveryLineEnd)
{
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\n\r"), (Lines{"", ""}));
}

}  // namespace
}  // namespace selen
