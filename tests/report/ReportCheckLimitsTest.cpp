#include "TestSupport.h"

#include "report/ReportCheck.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace selen {
namespace {

// The checker's byte limits: a comment line of 59 bytes is read whole, one
// of 60 loses its last byte; DEL is no printable character.
TEST(ReportCheck, CommentLengthBoundaryAndTheDelByte)
{
    const std::string record = "20240315111111    R     1 DD     EG G     1          12    AA";
    auto problems = [](const std::string& recordLine, const std::string& commentLine) {
        return checkReportText(test::crlf({"", "TA", "", "OA", "", recordLine, commentLine}));
    };
    auto longComment = [](const Problem& p) { return p.code == ProblemCode::CommentTooLong; };
    auto del = [](const Problem& p) { return p.found == "\x7F" && p.firstColumn == 20; };
    EXPECT_EQ(std::ranges::count_if(problems(record, "    " + std::string(55, 'c')), longComment), 0);
    EXPECT_EQ(std::ranges::count_if(problems(record, "    " + std::string(56, 'c')), longComment), 1);
    EXPECT_EQ(std::ranges::count_if(problems(std::string(record).replace(19, 1, "\x7F"), ""), del), 1);
}

}  // namespace
}  // namespace selen
