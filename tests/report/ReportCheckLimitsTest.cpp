#include "TestSupport.h"

#include "report/ReportCheck.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

std::vector<ProblemCode> codes(const std::vector<std::string>& records)
{
    std::vector<std::string> lines = {"", "TA", "", "OA", ""};
    lines.insert(lines.end(), records.begin(), records.end());
    std::vector<ProblemCode> found;
    for (const Problem& problem : checkReportText(test::crlf(lines)))
        found.push_back(problem.code);
    return found;
}

// A comment line of 59 bytes is read whole, one of 60 loses its last byte;
// DEL is no printable character.
TEST(ReportCheck, CommentLengthBoundaryAndTheDelByte)
{
    const std::string record = "20240315111111    R     1 DD     EG G     1          12    AA";
    EXPECT_EQ(codes({record, "    " + std::string(55, 'c')}), std::vector<ProblemCode>{});
    EXPECT_EQ(codes({record, "    " + std::string(56, 'c')}), std::vector<ProblemCode>{ProblemCode::CommentTooLong});
    EXPECT_EQ(codes({std::string(record).replace(19, 1, "\x7F")}),
              std::vector<ProblemCode>{ProblemCode::NonAsciiInRecord});
}

}  // namespace
}  // namespace selen
