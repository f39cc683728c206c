// The event group (date, time, graze flag, phenomenon, limb) and the object
// group (catalogue, star, GSC, asteroid and planet numbers) of the
// observation page.
#include "ObservationList.h"
#include "ObservationPage.h"

#include "report/Cp932.h"
#include "report/ObservationCodeLists.h"
#include "report/StringRoutines.h"

#include <algorithm>

namespace selen {

namespace {

// A two-digit time field: digits only; a value above the maximum loses its
// second character, as the digit that made it too large is typed.
bool clipTwoDigits(TextControl& field, long long maximum)
{
    std::string text = field.text();
    digitsOnly(text);
    if (!text.empty() && digitValue(text) > maximum && text.size() > 1)
        text.erase(1, 1);
    if (text == field.text())
        return false;
    field.setText(text);  // runs the rule again with the cleaned text
    return true;
}

std::string twoDigits(std::string text)
{
    if (text.size() == 1)
        text = "0" + text;
    padLeftTo(text, 2);
    return text;
}

std::string trimmedBoth(std::string_view columns)
{
    std::string text(columns);
    trimRightSpaces(text);
    trimLeftSpaces(text);
    return text;
}

}  // namespace

void ObservationPage::wireEventGroup()
{
    year.setChangeRule([this] {
        std::string text = year.text();
        cleanDecimal(text);
        padLeftTo(text, columns::kYear.width);
        put(columns::kYear, text);
    });
    struct TimeField {
        TextControl* field;
        long long maximum;
        columns::Field columns;
    };
    for (TimeField t : {TimeField{&month, 12, columns::kMonth}, TimeField{&day, 31, columns::kDay},
                        TimeField{&hour, 24, columns::kHour}, TimeField{&minute, 60, columns::kMinute},
                        TimeField{&second, 60, columns::kSecond}}) {
        t.field->setChangeRule([this, t] {
            if (clipTwoDigits(*t.field, t.maximum))
                return;
            put(t.columns, twoDigits(t.field->text()));
        });
    }
    fraction.setChangeRule([this] {
        const std::string& text = fraction.text();
        put(columns::kSecondPoint, text.empty() ? " " : ".");
        put(columns::kSecondFraction, text);
    });
    graze.setClickRule([this] { put(columns::kGrazeFlag, graze.checked() ? "G" : " "); });
    wireCoded(phenomenon, columns::kPhenomenon);
    wireCoded(limb, columns::kLimb);
}

void ObservationPage::enterDate(int y, int m, int d)
{
    year.enter(std::to_string(y));
    month.enter(std::to_string(m));
    day.enter(std::to_string(d));
}

void ObservationPage::loadEventGroup()
{
    const ObservationItem& record = list_.selectedRecord();
    auto show = [](TextControl& field, std::string text) {
        trimRightSpaces(text);
        field.load(std::move(text));
    };
    std::string yearText(record.columns(columns::kYear));
    trimLeftSpaces(yearText);
    show(year, yearText);
    show(month, std::string(record.columns(columns::kMonth)));
    show(day, std::string(record.columns(columns::kDay)));
    show(hour, std::string(record.columns(columns::kHour)));
    show(minute, std::string(record.columns(columns::kMinute)));
    show(second, std::string(record.columns(columns::kSecond)));
    show(fraction, std::string(record.columns(columns::kSecondFraction)));
    phenomenon.selectByCode(record.column(columns::kPhenomenon.first));
    limb.selectByCode(record.column(columns::kLimb.first));
    graze.setChecked(record.column(columns::kGrazeFlag.first) == 'G');
}

void ObservationPage::wireObjectGroup()
{
    catalogue.setChangeRule([this] {
        putCatalogue();
        applyCatalogueState();
        putObjectNumber();
    });
    starNumber.setChangeRule([this] {
        std::string digits = starNumber.text();
        digitsOnly(digits);
        digits.resize(std::min<std::size_t>(digits.size(), 6));
        if (digits != starNumber.text()) {
            starNumber.setText(digits);
            return;
        }
        putObjectNumber();
    });
    for (TextControl* field : {&gscRegion, &gscNumber, &asteroidNumber})
        field->setChangeRule([this] { putObjectNumber(); });
    planet.setChangeRule([this] {
        planetNumber.setEnabled(true);
        const std::string code = planet.index() == 0 ? std::string("    ") : planet.lines()[planet.index()].substr(0, 4);
        planetNumber.load(planet.index() == 0 ? std::string{} : code);
        put(columns::kPlanetCode, code);
        std::string number = planetNumber.text();
        cleanDecimal(number);
        stepper.position = static_cast<int>(std::clamp<long long>(digitValue(number), 0, Stepper::kUpper));
        stepper.lower = stepper.position / 1000 * 1000;
        stateChanged.notify();
    });
}

void ObservationPage::selectCatalogueByCode(char code)
{
    catalogue.selectByCode(code);
}

void ObservationPage::putCatalogue()
{
    const char before = list_.selectedRecord().column(columns::kCatalogue.first);
    const char after = catalogue.code();
    put(columns::kCatalogue, std::string(1, after));
    if (after == 'U' && before != 'U') {
        // The whole comment moves behind the GSC number, cut to 45 bytes.
        std::string text(columns(columns::kCommentArea));
        text = cp932::cutToBytes(text, columns::kGscCommentText.width);
        put(columns::kCommentArea, "");
        put(columns::kGscCommentText, text);
        trimRightSpaces(text);
        comment.setMaxBytes(columns::kGscCommentText.width);
        comment.load(text);
    } else if (before == 'U' && after != 'U') {
        std::string text(columns(columns::kGscCommentText));
        put(columns::kCommentArea, text);
        trimRightSpaces(text);
        comment.setMaxBytes(columns::kCommentArea.width);
        comment.load(text);
    }
}

void ObservationPage::applyCatalogueState()
{
    const std::size_t entry = catalogue.index();
    if (entry >= 1 && entry <= 3)
        catalogueLabel = entry == 1 ? " ZC" : entry == 2 ? "SAO" : " XZ";
    const bool star = entry <= 3;
    const bool gsc = entry == 4;
    const bool asteroid = entry == 5;
    const bool planetInUse = entry == 6;
    starCaption.colour = star || gsc ? CaptionColour : GreyedCaptionColour;
    asteroidCaption.colour = asteroid ? CaptionColour : GreyedCaptionColour;
    planetCaption.colour = planetInUse ? CaptionColour : GreyedCaptionColour;

    auto use = [this](TextControl& field, bool inUse, bool keepText) {
        if (!inUse || !keepText)
            setField(field, {});
        field.setEnabled(inUse);
    };
    use(starNumber, star, true);
    use(gscRegion, gsc, false);
    use(gscNumber, gsc, false);
    use(asteroidNumber, asteroid, false);
    planet.setIndex(0);
    planet.setEnabled(planetInUse);
    setField(planetNumber, {});
    planetNumber.setEnabled(planetInUse);
    recolour();
    stateChanged.notify();
}

void ObservationPage::putObjectNumber()
{
    const std::size_t entry = catalogue.index();
    if (catalogue.code() == 'U') {
        put(columns::kObjectNumber, "");
        std::string region = gscRegion.text();
        std::string number = gscNumber.text();
        cleanDecimal(region);
        cleanDecimal(number);
        std::string regionColumns = region;
        std::string numberColumns = number;
        padLeftTo(regionColumns, columns::kGscRegion.width);
        padLeftTo(numberColumns, columns::kGscNumber.width);
        put(columns::kGscRegion, regionColumns);
        put(columns::kGscNumber, numberColumns);
        // The marker stands exactly while there is a GSC number.
        put(columns::kGscMarker, region.empty() && number.empty() ? " " : "G");
        return;
    }
    std::string text = entry == 5 ? asteroidNumber.text() : entry == 6 ? planetNumber.text() : starNumber.text();
    cleanDecimal(text);
    padLeftTo(text, columns::kObjectNumber.width);
    put(columns::kObjectNumber, text);
}

void ObservationPage::stepPlanetNumber(int step)
{
    const int next = stepper.position + step;
    if (next < stepper.lower || next > Stepper::kUpper)
        return;
    stepper.position = next;
    planetNumber.load(std::to_string(next));
    putObjectNumber();
    stateChanged.notify();
}

void ObservationPage::loadObject()
{
    const ObservationItem& record = list_.selectedRecord();
    catalogue.selectByCode(record.column(columns::kCatalogue.first));
    applyCatalogueState();
    const std::size_t entry = catalogue.index();
    if (entry <= 3) {
        // Without a catalogue too the field shows the record's own number, so
        // no number of the record shown before can reach this one.
        std::string number(record.columns(columns::kObjectNumber));
        cleanDecimal(number);
        starNumber.load(number);
    } else if (entry == 4) {
        gscRegion.load(trimmedBoth(record.columns(columns::kGscRegion)));
        gscNumber.load(trimmedBoth(record.columns(columns::kGscNumber)));
    } else if (entry == 5) {
        asteroidNumber.load(trimmedBoth(record.columns(columns::kObjectNumber)));
    } else if (entry == 6) {
        const std::string number = trimmedBoth(record.columns(columns::kObjectNumber));
        const int planetEntry = codes::planets().indexOfCode(number);
        planet.setIndex(planetEntry < 0 ? 0 : static_cast<std::size_t>(planetEntry));
        planetNumber.load(number);
        // The stepper continues from the planet shown, within its range.
        std::string digits = number;
        cleanDecimal(digits);
        stepper.position = static_cast<int>(std::clamp<long long>(digitValue(digits), 0, Stepper::kUpper));
        stepper.lower = stepper.position / 1000 * 1000;
    }
}

}  // namespace selen
