#pragma once

#include "Controls.h"
#include "KeyRules.h"

#include "report/Report.h"

#include <string_view>

namespace selen {

// The header page: place name, e-mail address, representative and the header
// message, with the preview of the header lines as they open the report.
// Every change goes straight into the report's header values.
class HeaderPage {
public:
    static constexpr int kHelpTopic = 5;
    static constexpr int kPlaceNameHelpTopic = 73;
    static constexpr std::size_t kPreviewMinimumLines = 8;

    explicit HeaderPage(Report& report);
    HeaderPage(const HeaderPage&) = delete;
    HeaderPage& operator=(const HeaderPage&) = delete;

    TextControl placeName{"Edit2", 50, KeyFilter::None, kHelpTopic};
    TextControl emailAddress{"Edit3", 60, KeyFilter::None, kHelpTopic};
    TextControl representative{"Edit4", 60, KeyFilter::None, kHelpTopic};
    MemoControl message{"Memo4"};
    ListControl preview{"ListBox1"};

    // Empties every field (the preview follows).
    void clear();
    // Shows the report's header values in the fields.
    void load();

    // Up, Down and Enter in the three header fields.
    KeyOutcome keyRule(std::string_view formName, NavigationKey key, bool empty) const;

private:
    void refreshPreview();
    Report& report_;
};

}  // namespace selen
