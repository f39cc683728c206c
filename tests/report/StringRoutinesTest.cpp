#include "report/StringRoutines.h"
#include "report/TextLines.h"

#include <gtest/gtest.h>

#include <functional>

namespace selen {
namespace {

TEST(StringRoutines, CleanersAndPads)
{
    const std::function<void(std::string&)> pad4 = [](std::string& s) { padLeftTo(s, 4); };
    const std::tuple<std::function<void(std::string&)>, std::string, std::string> cases[] = {
        {cleanDecimal, "1.2.3", "1.23"}, {cleanDecimal, " 12.5", "12.5"}, {cleanDecimal, ".5", "5"},
        {cleanDecimal, "a-3.", "-3."},   {digitsAndMinusOnly, "- 5x", "-5"}, {trimRightSpaces, " a b  ", " a b"},
        {trimLeftSpaces, "   ", ""},     {pad4, "7", "   7"},              {pad4, "12345", "12345"}};
    for (const auto& [edit, in, out] : cases) {
        std::string text = in;
        edit(text);
        EXPECT_EQ(text, out) << '"' << in << '"';
    }
}

TEST(StringRoutines, BlankTestsAndNumbers)
{
    EXPECT_TRUE(isBlankLine("  /  "));
    EXPECT_FALSE(isBlankLine("TA"));
    EXPECT_TRUE(isBlankObservationLine("  1 7      /   "));  // column 1 is not looked at
    EXPECT_TRUE(isBlankText(" \x81\x40 \x81\x40"));
    EXPECT_FALSE(isBlankText("\x88\x81\x40"));  // 0x81 is the trail of 0x88 here
    EXPECT_FALSE(isBlankText("\x81"));
    EXPECT_EQ(roundHalfAway(2.5), 3);
    EXPECT_EQ(roundHalfAway(-2.5), -3);
    EXPECT_EQ(roundHalfAway(0.49), 0);
    EXPECT_GT(digitValue(std::string(2047, '9')), 2200);  // a long run never wraps round to a small year
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitLines("a\r\nb\nc\rd\r\n\r\n"), (Lines{"a", "b", "c", "d", ""}));
}

}  // namespace
}  // namespace selen
