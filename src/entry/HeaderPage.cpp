#include "HeaderPage.h"

namespace selen {

HeaderPage::HeaderPage(Report& report) : report_(report)
{
    // Each field writes its own header value; the preview follows.
    auto writes = [this](TextControl& field, std::string Report::*value) {
        field.setChangeRule([this, &field, value] {
            report_.*value = field.text();
            refreshPreview();
        });
    };
    writes(placeName, &Report::placeName);
    writes(emailAddress, &Report::emailAddress);
    writes(representative, &Report::representative);
    message.setChangeRule([this] {
        report_.headerMessage = message.lines();
        refreshPreview();
    });
    refreshPreview();
}

void HeaderPage::clear()
{
    placeName.setText({});
    emailAddress.setText({});
    representative.setText({});
    message.setText({});
    refreshPreview();
}

void HeaderPage::load()
{
    // The report holds the values already; the fields only show them.
    const std::string place = report_.placeName;
    const std::string email = report_.emailAddress;
    const std::string rep = report_.representative;
    const std::vector<std::string> lines = report_.headerMessage;
    placeName.setText(place);
    emailAddress.setText(email);
    representative.setText(rep);
    message.setLines(lines);
    report_.headerMessage = lines;
    refreshPreview();
}

KeyOutcome HeaderPage::keyRule(std::string_view formName, NavigationKey key, bool) const
{
    const bool first = formName == placeName.formName();
    switch (key) {
    case NavigationKey::Up: return first ? KeyOutcome::handOn() : KeyOutcome{false, -1, true};
    case NavigationKey::Down: return KeyOutcome{false, +1, true};
    case NavigationKey::Enter: return KeyOutcome{true, +1, true};
    default: return KeyOutcome::handOn();
    }
}

void HeaderPage::refreshPreview()
{
    std::vector<std::string> lines = headerLines(report_);
    if (lines.size() < kPreviewMinimumLines)
        lines.resize(kPreviewMinimumLines);
    preview.setLines(std::move(lines));
}

}  // namespace selen
