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

bool freeOfPersonalEquation(char method)
{
    return method == 'G' || method == 'V' || method == 'E' || method == 'P';
}

}  // namespace

void ObservationPage::wireMethodGroup()
{
    timingMethod1.setChangeRule([this] { putTimingMethod1(); });
    wireCoded(timingMethod2, columns::kTimingMethod2);
    wireCoded(timeSource, columns::kTimeSource);
    wireCoded(lightLevel, columns::kLightLevel);
    application.setChangeRule([this] { putApplication(); });

    struct Whole {
        TextControl* field;
        columns::Field column;
    };
    for (Whole w : {Whole{&personalEquationWhole, columns::kPersonalEquationWhole},
                    Whole{&accuracyWhole, columns::kAccuracyWhole},
                    Whole{&signalToNoiseUnits, columns::kSignalToNoiseUnits}}) {
        w.field->setChangeRule([this, w] {
            if (clipOneDigit(*w.field))
                return;
            put(w.column, w.field->text());
        });
    }
    struct Fraction {
        TextControl* field;
        columns::Field point;
        columns::Field digits;
    };
    for (Fraction f : {Fraction{&personalEquationFraction, columns::kPersonalEquationPoint, columns::kPersonalEquationFraction},
                       Fraction{&accuracyFraction, columns::kAccuracyPoint, columns::kAccuracyFraction},
                       Fraction{&signalToNoiseTenths, columns::kSignalToNoisePoint, columns::kSignalToNoiseTenths}}) {
        f.field->setChangeRule([this, f] {
            std::string text = f.field->text();
            cleanDecimal(text);
            if (text != f.field->text()) {
                f.field->setText(text);
                return;
            }
            put(f.point, text.empty() ? " " : ".");
            put(f.digits, text);
        });
    }
    photometry.setClickRule([this] {
        recolour();  // the light level is needed only while photometry is in use
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
}

void ObservationPage::putAccuracyWhole()
{
    put(columns::kAccuracyWhole, accuracyWhole.text());
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
        if (method == 'G')
            videoUnit.setIndex(kUnitFrame);
        if (method == 'P')
            videoUnit.setIndex(kUnitHundredth);
    } else {
        application.setIndex(0);
        putApplication();
        setField(personalEquationWhole, {});
        setField(personalEquationFraction, {});
    }
    applyPhotometryState();
    recolour();  // the fields that depend on the method
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
    applyPhotometryState();
}

void ObservationPage::loadMethodGroup()
{
    const ObservationItem& record = list_.selectedRecord();
    auto code = [&record](ChoiceControl& list, columns::Field field) { list.selectByCode(record.column(field.first)); };
    auto text = [&record](TextControl& field, columns::Field columns) {
        std::string value(record.columns(columns));
        trimRightSpaces(value);
        field.load(std::move(value));
    };
    // In the load order of the page; the other groups' loads come between.
    code(timeSource, columns::kTimeSource);
    loadTimingMethod1();
    code(timingMethod2, columns::kTimingMethod2);
    code(application, columns::kPersonalEquationApplication);
    code(lightLevel, columns::kLightLevel);
    text(accuracyWhole, columns::kAccuracyWhole);
    text(accuracyFraction, columns::kAccuracyFraction);
    std::string accuracy(record.columns(columns::Field{columns::kAccuracyWhole.first, 5}));
    cleanDecimal(accuracy);
    videoUnit.setIndex(accuracy == "0.04" ? kUnitFrame : accuracy == "0.02" ? kUnitField
                                                      : accuracy == "0.01" ? kUnitHundredth : kUnitNone);
    text(personalEquationWhole, columns::kPersonalEquationWhole);
    text(personalEquationFraction, columns::kPersonalEquationFraction);
    std::string units(record.columns(columns::kSignalToNoiseUnits));
    trimRightSpaces(units);
    digitsOnly(units);
    signalToNoiseUnits.load(units);
    text(signalToNoiseTenths, columns::kSignalToNoiseTenths);
}

}  // namespace selen
