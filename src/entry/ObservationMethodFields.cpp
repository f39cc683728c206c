// The method fields of the observation page: timing methods, time source,
// accuracy with its video analysis unit, personal equation with its
// application, and photometry.
#include "ObservationList.h"
#include "ObservationPage.h"

#include "report/StringRoutines.h"

namespace selen {

namespace {

constexpr std::size_t kApplicationFreeOfEquation = 5;  // "E"
constexpr std::size_t kUnitNone = 0;
constexpr std::size_t kUnitFrame = 1;
constexpr std::size_t kUnitField = 2;
constexpr std::size_t kUnitHundredth = 3;
constexpr std::size_t kGradualEvent = 1;  // remarkable circumstances entry 1

bool freeOfPersonalEquation(char method)
{
    return method == 'G' || method == 'V' || method == 'E' || method == 'P';
}

}  // namespace

void ObservationPage::wireMethodGroup()
{
    timingMethod1.setChangeRule([this] {
        putTimingMethod1();
        timingMethod1.setColour(statusColour(timingMethod1, RequiredColour));
    });
    wireCoded(timingMethod2, columns::kTimingMethod2, ConditionalColour);
    wireCoded(timeSource, columns::kTimeSource, RequiredColour);
    wireCoded(lightLevel, columns::kLightLevel, ConditionalColour);
    application.setChangeRule([this] { putApplication(); });

    struct Whole {
        TextControl* field;
        columns::Field column;
        std::uint32_t emptyColour;
    };
    for (Whole w : {Whole{&personalEquationWhole, columns::kPersonalEquationWhole, ConditionalColour},
                    Whole{&accuracyWhole, columns::kAccuracyWhole, RequiredColour},
                    Whole{&signalToNoiseUnits, columns::kSignalToNoiseUnits, ConditionalColour}}) {
        w.field->setChangeRule([this, w] {
            if (clipOneDigit(*w.field))
                return;
            put(w.column, w.field->text());
            w.field->setColour(statusColour(*w.field, w.emptyColour));
        });
    }
    struct Fraction {
        TextControl* field;
        columns::Field point;
        columns::Field digits;
        std::uint32_t emptyColour;
    };
    for (Fraction f : {Fraction{&personalEquationFraction, columns::kPersonalEquationPoint,
                                columns::kPersonalEquationFraction, ConditionalColour},
                       Fraction{&accuracyFraction, columns::kAccuracyPoint, columns::kAccuracyFraction, RequiredColour},
                       Fraction{&signalToNoiseTenths, columns::kSignalToNoisePoint, columns::kSignalToNoiseTenths,
                                ConditionalColour}}) {
        f.field->setChangeRule([this, f] {
            std::string text = f.field->text();
            cleanDecimal(text);
            if (text != f.field->text()) {
                f.field->setText(text);
                return;
            }
            put(f.point, text.empty() ? " " : ".");
            put(f.digits, text);
            f.field->setColour(statusColour(*f.field, f.emptyColour));
        });
    }
    photometry.setClickRule([this] {
        if (lightLevel.index() != 0) {
            lightLevel.setColour(FilledColour);
        } else if (remarks.index() == kGradualEvent && (timingMethod1.code() == 'G' || timingMethod1.code() == 'V')) {
            lightLevel.setColour(photometry.checked() ? RequiredColour : ConditionalColour);
        }
        const bool on = photometry.checked();
        videoUnit.setEnabled(on);
        signalToNoiseUnits.setEnabled(on);
        signalToNoiseTenths.setEnabled(on);
        lightLevel.setEnabled(on);
        if (on)
            return;
        if (timingMethod1.code() == 'G') {
            setField(accuracyWhole, "0");
            setField(accuracyFraction, "04");
            putAccuracyWhole();
            videoUnit.setIndex(kUnitFrame);
        } else {
            setField(accuracyWhole, {});
            setField(accuracyFraction, {});
            putAccuracyWhole();
        }
    });
}

void ObservationPage::putApplication()
{
    put(columns::kPersonalEquationApplication, std::string(1, application.code()));
    application.setColour(statusColour(application, RequiredColour));
}

void ObservationPage::putAccuracyWhole()
{
    put(columns::kAccuracyWhole, accuracyWhole.text());
    accuracyWhole.setColour(statusColour(accuracyWhole, RequiredColour));
}

void ObservationPage::putTimingMethod1()
{
    if (!hasSelection()) {
        videoUnit.setEnabled(false);
        photometry.setEnabled(false);
        return;
    }
    const char method = timingMethod1.code();
    put(columns::kTimingMethod1, std::string(1, method));
    if (freeOfPersonalEquation(method)) {
        application.setIndex(kApplicationFreeOfEquation);
        putApplication();
        personalEquationWhole.setColour(ConditionalColour);
        personalEquationFraction.setColour(ConditionalColour);
        if (method == 'G')
            videoUnit.setIndex(kUnitFrame);
        if (method == 'P')
            videoUnit.setIndex(kUnitHundredth);
    } else {
        application.setIndex(0);
        putApplication();
        setField(personalEquationWhole, {});
        setField(personalEquationFraction, {});
        const std::uint32_t colour = timingMethod1.index() != 0 ? RequiredColour : ConditionalColour;
        personalEquationWhole.setColour(colour);
        personalEquationFraction.setColour(colour);
    }
    applyPhotometryState();
    if (lightLevel.index() == 0)
        lightLevel.setColour(remarks.index() == kGradualEvent ? RequiredColour : ConditionalColour);
    else
        lightLevel.setColour(FilledColour);
}

// Which photometry fields timing method 1 allows.
void ObservationPage::applyPhotometryState()
{
    const char method = timingMethod1.code();
    auto enablePhotometry = [this](bool on) {
        signalToNoiseUnits.setEnabled(on);
        signalToNoiseTenths.setEnabled(on);
        lightLevel.setEnabled(on);
    };
    if (method == 'G' || method == 'V') {
        photometry.setEnabled(true);
        enablePhotometry(photometry.checked());
        if (photometry.checked())
            videoUnit.setEnabled(method == 'G');
    } else if (method == 'P') {
        if (!photometry.checked())
            photometry.click();
        photometry.setEnabled(true);
        enablePhotometry(true);
        videoUnit.setEnabled(true);
        videoUnit.setIndex(kUnitHundredth);
    } else {
        enablePhotometry(false);
        photometry.setEnabled(false);
        videoUnit.setEnabled(false);
    }
}

void ObservationPage::loadTimingMethod1()
{
    timingMethod1.selectByCode(list_.selectedRecord().column(columns::kTimingMethod1.first));
    timingMethod1.setColour(statusColour(timingMethod1, RequiredColour));
    applyPhotometryState();
}

void ObservationPage::loadMethodGroup()
{
    const ObservationItem& record = list_.selectedRecord();
    auto code = [&record](ChoiceControl& list, columns::Field field, std::uint32_t emptyColour) {
        list.selectByCode(record.column(field.first));
        list.setColour(statusColour(list, emptyColour));
    };
    auto text = [&record](TextControl& field, columns::Field columns, std::uint32_t emptyColour) {
        std::string value(record.columns(columns));
        trimRightSpaces(value);
        field.load(std::move(value));
        field.setColour(statusColour(field, emptyColour));
    };
    // In the load order of the page; the other groups' loads come between.
    code(timeSource, columns::kTimeSource, RequiredColour);
    loadTimingMethod1();
    code(timingMethod2, columns::kTimingMethod2, ConditionalColour);
    code(application, columns::kPersonalEquationApplication, RequiredColour);
    code(lightLevel, columns::kLightLevel, ConditionalColour);
    text(accuracyWhole, columns::kAccuracyWhole, RequiredColour);
    text(accuracyFraction, columns::kAccuracyFraction, RequiredColour);
    std::string accuracy(record.columns(columns::Field{columns::kAccuracyWhole.first, 5}));
    cleanDecimal(accuracy);
    videoUnit.setIndex(accuracy == "0.04" ? kUnitFrame : accuracy == "0.02" ? kUnitField
                                                      : accuracy == "0.01" ? kUnitHundredth : kUnitNone);
    text(personalEquationWhole, columns::kPersonalEquationWhole, ConditionalColour);
    text(personalEquationFraction, columns::kPersonalEquationFraction, ConditionalColour);
    std::string units(record.columns(columns::kSignalToNoiseUnits));
    trimRightSpaces(units);
    digitsOnly(units);
    signalToNoiseUnits.load(units);
    signalToNoiseUnits.setColour(statusColour(signalToNoiseUnits, ConditionalColour));
    text(signalToNoiseTenths, columns::kSignalToNoiseTenths, ConditionalColour);
}

}  // namespace selen
