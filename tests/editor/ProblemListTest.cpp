// The window's problem list: each problem in the window's words and where it
// is mended. A year outside 1600-2200 is a line the reader passed over when
// it stands in a file, and a field to correct when a record holds it.
#include "../report/TestSupport.h"

#include "editor/ProblemList.h"
#include "report/ReportCheck.h"
#include "report/ReportReader.h"
#include "report/TextLines.h"

#include <gtest/gtest.h>

using namespace selen;
using namespace selen::test;

TEST(ProblemList, AYearOutOfRangeIsMendedWhereItStands)
{
    Report report = completeReport();
    report.observations[1].put(columns::kYear, "1599");
    ProblemList list;
    ASSERT_TRUE(list.refresh(report, {}));
    ASSERT_EQ(list.items().size(), 1u);
    EXPECT_EQ(list.items()[0].text, "観測 2: 年が1600〜2200の範囲にありません");
    EXPECT_TRUE(list.items()[0].target == (ProblemTarget{3, 2, 0, 0, 0, "Edit23"}));  // the year of record 2
    EXPECT_FALSE(list.refresh(report, {}));  // the list it was: nothing to redraw

    const std::string text = crlf({"Place name     Hachioji", "Email address  t@example.jp", "15990315101010"});
    const std::vector<std::string_view> lines = splitLines(text);
    const ReadReport read = parseReportLines(lines);
    list.keepReaderFindings(readingProblems(text, lines, read));
    ASSERT_TRUE(list.refresh(read.report, {}));
    ASSERT_FALSE(list.items().empty());
    EXPECT_EQ(list.items()[0].text, "読み込んだ報告書の3行目: 年が1600〜2200の範囲にありません");
    EXPECT_TRUE(list.items()[0].target == (ProblemTarget{0, 0, 0, 0, 3, "Memo2"}));  // line 3 of the read page
}
