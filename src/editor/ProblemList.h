#pragma once

#include "report/ReportRules.h"

#include <cstddef>
#include <string>
#include <vector>

namespace selen {

// Where the window goes to mend a problem: a page, the record, site line,
// observer line or text line on it, and the control to put the focus in.
struct ProblemTarget {
    int page = 0;
    std::size_t record = 0;    // 1-based; 0 when not about a record
    std::size_t site = 0;      // 1-based site line
    std::size_t observer = 0;  // 1-based observer line
    std::size_t textLine = 0;  // 1-based line of the read page's text
    std::string formName;      // the control to focus; empty for none

    friend bool operator==(const ProblemTarget&, const ProblemTarget&) = default;
};

// One entry of the window's problem list.
struct ListedProblem {
    Problem problem;
    std::string text;  // UTF-8, in the window's words
    ProblemTarget target;
};

// The problem in the window's words (UTF-8), naming the field as its label
// on the page reads: "観測 3: 「分」が未入力です".
std::string problemText(const Problem& problem);

// Where the problem is mended.
ProblemTarget problemTarget(const Problem& problem);

// The problems the window lists: what the reader passed over when the
// report was last opened or applied (kept until the next open or apply),
// then the problems of the report as it stands now.
class ProblemList {
public:
    // What reading the text just opened or applied passed over or cut
    // (readingProblems), listed until the next open or apply.
    void keepReaderFindings(std::vector<Problem> findings) { readerFindings_ = std::move(findings); }
    void forgetReaderFindings() { readerFindings_.clear(); }

    // Computes the list afresh for the report as it stands; false when it
    // is the list it was, so that nothing shown needs redrawing.
    bool refresh(const Report& report, const RuleContext& context);
    const std::vector<ListedProblem>& items() const { return items_; }

private:
    std::vector<Problem> readerFindings_;
    std::vector<ListedProblem> items_;
};

}  // namespace selen
