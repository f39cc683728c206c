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
    wireCoded(certainty, columns::kCertainty, RequiredColour);
    wireCoded(stability, columns::kSkyStability, RequiredColour);
    wireCoded(transparency, columns::kSkyTransparency, RequiredColour);
    wireCoded(doubleStar, columns::kDoubleStarComponent, ConditionalColour);
    wireCoded(list_.siteSelector, columns::kSite, RequiredColour);
    wireCoded(list_.observerSelector, columns::kObserver, RequiredColour);
    remarks.setChangeRule([this] {
        putRemarks();
        remarks.setColour(statusColour(remarks, ConditionalColour));
    });
    durationWhole.setChangeRule([this] {
        if (clipOneDigit(durationWhole))
            return;
        put(columns::kDurationWhole, durationWhole.text());
        durationWhole.setColour(statusColour(durationWhole, ConditionalColour));
    });
    durationFraction.setChangeRule([this] {
        const std::string& text = durationFraction.text();
        put(columns::kDurationPoint, text.empty() ? " " : ".");
        put(columns::kDurationFraction, text);
        durationFraction.setColour(statusColour(durationFraction, ConditionalColour));
    });
    wdsComponent.setChangeRule([this] {
        std::string text = wdsComponent.text();
        trimRightSpaces(text);
        if (text != wdsComponent.text()) {
            wdsComponent.setText(text);
            return;
        }
        put(columns::kWdsComponent, text);
        wdsComponent.setColour(statusColour(wdsComponent, ConditionalColour));
    });
    temperature.setChangeRule([this] {
        std::string text = temperature.text();
        digitsAndMinusOnly(text);
        padLeftTo(text, columns::kTemperature.width);
        put(columns::kTemperature, text);
        temperature.setColour(statusColour(temperature, ConditionalColour));
    });
    comment.setChangeRule([this] { putComment(); });
}

void ObservationPage::putRemarks()
{
    put(columns::kRemarks, std::string(1, remarks.code()));
    if (remarks.index() != kGradualEvent) {
        setField(durationWhole, {});
        setField(durationFraction, {});
        durationWhole.setColour(ConditionalColour);
        durationFraction.setColour(ConditionalColour);
        if (lightLevel.index() == 0)
            lightLevel.setColour(ConditionalColour);
        return;
    }
    for (TextControl* field : {&durationWhole, &durationFraction}) {
        if (field->text().empty())
            field->setColour(RequiredColour);
    }
    if (lightLevel.index() == 0 && (timingMethod1.code() == 'G' || timingMethod1.code() == 'V'))
        lightLevel.setColour(photometry.checked() ? RequiredColour : ConditionalColour);
}

void ObservationPage::putComment()
{
    const bool gsc = catalogue.code() == 'U';
    put(gsc ? columns::kGscCommentText : columns::kCommentArea, comment.text());
    comment.setColour(statusColour(comment, ConditionalColour));
}

void ObservationPage::loadConditionsGroup()
{
    const ObservationItem& record = list_.selectedRecord();
    auto code = [&record](ChoiceControl& list, columns::Field field, std::uint32_t emptyColour) {
        list.selectByCode(record.column(field.first));
        list.setColour(statusColour(list, emptyColour));
    };
    code(stability, columns::kSkyStability, RequiredColour);
    code(transparency, columns::kSkyTransparency, RequiredColour);
    code(remarks, columns::kRemarks, ConditionalColour);
    code(certainty, columns::kCertainty, RequiredColour);
    code(doubleStar, columns::kDoubleStarComponent, ConditionalColour);
    const std::uint32_t durationEmpty = remarks.index() == kGradualEvent ? RequiredColour : ConditionalColour;
    for (auto [field, columns] : {std::pair{&durationWhole, columns::kDurationWhole},
                                  std::pair{&durationFraction, columns::kDurationFraction}}) {
        std::string value(record.columns(columns));
        trimRightSpaces(value);
        field->load(value);
        field->setColour(statusColour(*field, durationEmpty));
    }
    std::string wds(record.columns(columns::kWdsComponent));
    trimRightSpaces(wds);
    wdsComponent.load(wds);
    wdsComponent.setColour(statusColour(wdsComponent, ConditionalColour));
    std::string celsius(record.columns(columns::kTemperature));
    digitsAndMinusOnly(celsius);
    temperature.load(celsius);
    temperature.setColour(statusColour(temperature, ConditionalColour));
}

}  // namespace selen
