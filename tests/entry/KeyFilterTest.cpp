#include "entry/KeyFilter.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

// Every byte a filter passes, written out; a double-byte character never
// passes, even where its second byte is a letter.
TEST(KeyFilter, EachFilterPassesExactlyItsCharacters)
{
    const std::pair<KeyFilter, std::string> cases[] = {
        {KeyFilter::Digits, "0123456789"},
        {KeyFilter::DigitsAndPoint, ".0123456789"},
        {KeyFilter::DigitsAndMinus, "-0123456789"},
        {KeyFilter::LettersAndPoint, ".ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"},
    };
    for (const auto& [filter, expected] : cases) {
        std::string passed;
        for (int byte = 0; byte < 256; ++byte) {
            if (keyPasses(filter, static_cast<char>(byte)))
                passed += static_cast<char>(byte);
        }
        EXPECT_EQ(passed, expected);
    }
    EXPECT_EQ(filterText(KeyFilter::LettersAndPoint, "z\x82\x60.\x83" "ab1"), "z.b");  // Ａ is 82 60; 83 61 ends in "a"
    EXPECT_EQ(filterText(KeyFilter::None, "\x82\x60"), "\x82\x60");
}

}  // namespace
}  // namespace selen
