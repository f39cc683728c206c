#include "entry/HeaderPage.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

TEST(HeaderPage, FieldLimitsAndKeys)
{
    Report report = Report::fresh();
    HeaderPage page(report);
    EXPECT_EQ((std::vector{page.placeName.maxBytes(), page.emailAddress.maxBytes(), page.representative.maxBytes()}),
              (std::vector<std::size_t>{50, 60, 60}));
    // Enter puts and moves on, also from an empty field; Up and Down only
    // move, and Up in the place name is left to the window.
    using K = NavigationKey;
    const std::tuple<const char*, K, bool, KeyOutcome> cases[] = {
        {"Edit2", K::Enter, true, {true, 1, true}},  {"Edit3", K::Enter, true, {true, 1, true}},
        {"Edit2", K::Up, false, KeyOutcome::handOn()}, {"Edit2", K::Down, false, {false, 1, true}},
        {"Edit4", K::Up, true, {false, -1, true}},   {"Edit3", K::Left, false, KeyOutcome::handOn()},
    };
    for (const auto& [field, key, empty, want] : cases) {
        const KeyOutcome got = page.keyRule(field, key, empty);
        EXPECT_TRUE(got.put == want.put && got.move == want.move && got.consumed == want.consumed)
            << field << " key " << static_cast<int>(key);
    }
}

}  // namespace
}  // namespace selen
