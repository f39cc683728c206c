// The observing conditions of the observation page: certainty, sky, remarks
// with the duration, double-star fields, temperature, site, observer and
// the comment.
#include "ObservationList.h"
#include "ObservationPage.h"

#include "report/StringRoutines.h"

namespace selen {

namespace {
constexpr std::size_t kGradualEvent = 1;
}  // namespace

void ObservationPage::wireConditionsGroup()
{
    wireCoded(certainty, columns::kCertainty);
    wireCoded(stability, columns::kSkyStability);
    wireCoded(transparency, columns::kSkyTransparency);
    wireCoded(doubleStar, columns::kDoubleStarComponent);
    wireCoded(list_.siteSelector, columns::kSite);
    wireCoded(list_.observerSelector, columns::kObserver);
    remarks.setChangeRule([this] { putRemarks(); });
    durationWhole.setChangeRule([this] {
        if (clipOneDigit(durationWhole))
            return;
        put(columns::kDurationWhole, durationWhole.text());
    });
    durationFraction.setChangeRule([this] {
        const std::string& text = durationFraction.text();
        put(columns::kDurationPoint, text.empty() ? " " : ".");
        put(columns::kDurationFraction, text);
    });
    wdsComponent.setChangeRule([this] {
        std::string text = wdsComponent.text();
        trimRightSpaces(text);
        if (text != wdsComponent.text()) {
            wdsComponent.setText(text);
            return;
        }
        put(columns::kWdsComponent, text);
    });
    temperature.setChangeRule([this] {
        std::string text = temperature.text();
        digitsAndMinusOnly(text);
        padLeftTo(text, columns::kTemperature.width);
        put(columns::kTemperature, text);
    });
    comment.setChangeRule([this] { putComment(); });
}

void ObservationPage::putRemarks()
{
    put(columns::kRemarks, std::string(1, remarks.code()));
    // Only a gradual event has a duration.
    if (remarks.index() != kGradualEvent) {
        setField(durationWhole, {});
        setField(durationFraction, {});
    }
}

void ObservationPage::putComment()
{
    const bool gsc = catalogue.code() == 'U';
    put(gsc ? columns::kGscCommentText : columns::kCommentArea, comment.text());
}

void ObservationPage::loadConditionsGroup()
{
    const ObservationItem& record = list_.selectedRecord();
    auto code = [&record](ChoiceControl& list, columns::Field field) { list.selectByCode(record.column(field.first)); };
    code(stability, columns::kSkyStability);
    code(transparency, columns::kSkyTransparency);
    code(remarks, columns::kRemarks);
    code(certainty, columns::kCertainty);
    code(doubleStar, columns::kDoubleStarComponent);
    for (auto [field, columns] : {std::pair{&durationWhole, columns::kDurationWhole},
                                  std::pair{&durationFraction, columns::kDurationFraction}}) {
        std::string value(record.columns(columns));
        trimRightSpaces(value);
        field->load(value);
    }
    std::string wds(record.columns(columns::kWdsComponent));
    trimRightSpaces(wds);
    wdsComponent.load(wds);
    std::string celsius(record.columns(columns::kTemperature));
    digitsAndMinusOnly(celsius);
    temperature.load(celsius);
}

}  // namespace selen
