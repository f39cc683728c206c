// The field rules of the sites page: cleaning and range rules, the puts of
// every field into its columns, the hemisphere labels, the clear button and
// the exchange of coordinates with the Vantrel route tool.
#include "SitesPage.h"

#include "report/Cp932.h"
#include "report/StringRoutines.h"

#include <algorithm>

namespace selen {

namespace {

// A coordinate field keeps digits only; a value above its maximum loses the
// character at `removeAt` (0-based), the digit that made it too large.
std::string inRange(std::string text, long long maximum, std::size_t removeAt)
{
    digitsOnly(text);
    if (!text.empty() && digitValue(text) > maximum && text.size() > removeAt)
        text.erase(removeAt, 1);
    return text;
}

struct RangeRule {
    long long maximum;
    std::size_t removeAt;
};
constexpr RangeRule kLongitudeDegrees{180, 2};
constexpr RangeRule kLatitudeDegrees{90, 1};
constexpr RangeRule kSixty{59, 1};  // minutes and whole seconds

// One coordinate of a route text, as the fields will hold it.
struct RouteCoordinate {
    std::string degrees;
    std::string minutes;
    std::string seconds;
    std::string decimals;
};

// Adds one second to degrees, minutes and seconds; false (and nothing
// changed) when the degrees would pass their maximum.
bool carrySecond(RouteCoordinate& c, long long maximumDegrees)
{
    const long long seconds = digitValue(c.seconds) + 1;
    if (seconds < 60) {
        c.seconds = std::to_string(seconds);
        return true;
    }
    const long long minutes = digitValue(c.minutes) + 1;
    if (minutes < 60) {
        c.minutes = std::to_string(minutes);
        c.seconds = "0";
        return true;
    }
    const long long degrees = digitValue(c.degrees) + 1;
    if (degrees > maximumDegrees)
        return false;
    c.degrees = std::to_string(degrees);
    c.minutes = "0";
    c.seconds = "0";
    return true;
}

// Reads one coordinate of a route text (spaces in the decimals already made
// zeros). `degreesAt` is the 1-based position of the degrees; minutes,
// seconds, the point and the three decimals follow.
RouteCoordinate readCoordinate(std::string_view text, std::size_t degreesAt, std::size_t degreesWidth,
                               RangeRule degreesRule, bool surveyed)
{
    auto part = [text](std::size_t at, std::size_t width) { return std::string(text.substr(at - 1, width)); };
    const std::size_t minutesAt = degreesAt + degreesWidth;
    RouteCoordinate c;
    c.degrees = inRange(part(degreesAt, degreesWidth), degreesRule.maximum, degreesRule.removeAt);
    c.minutes = inRange(part(minutesAt, 2), kSixty.maximum, kSixty.removeAt);
    c.seconds = inRange(part(minutesAt + 2, 2), kSixty.maximum, kSixty.removeAt);

    // Thousandths of a second; no digit at all reads as zero.
    std::string thousandths = part(minutesAt + 5, 3);
    digitsOnly(thousandths);
    const long long n = digitValue(thousandths);
    const long long whole = surveyed ? 100 : 10;
    long long decimals = roundHalfAway(static_cast<double>(n) / (surveyed ? 10.0 : 100.0));
    if (decimals >= whole)
        decimals = carrySecond(c, degreesRule.maximum) ? decimals - whole : whole - 1;
    c.decimals = std::to_string(decimals);
    if (surveyed && c.decimals.size() == 1)
        c.decimals = "0" + c.decimals;
    return c;
}

// Writes a field's text (its digits, or 0 when it has none) into a route
// text, right- or left-justified with spaces.
void writeRoutePart(std::string& route, std::size_t at, std::size_t width, std::string value, bool right)
{
    digitsOnly(value);
    if (value.empty())
        value = "0";
    value.resize(std::min(value.size(), width));
    if (right)
        padLeftTo(value, width);
    else
        padRightTo(value, width);
    route.replace(at - 1, width, value);
}

}  // namespace

void SitesPage::wireSiteFields()
{
    using Setter = void (*)(SiteLine&, const std::string&);
    struct Field {
        TextControl* control;
        Setter put;
        const RangeRule* range;  // null: no cleaning
    };
    const Field fields[] = {
        {&longitudeDegrees, [](SiteLine& l, const std::string& t) { l.setLongitudeDegrees(t); }, &kLongitudeDegrees},
        {&longitudeMinutes, [](SiteLine& l, const std::string& t) { l.setLongitudeMinutes(t); }, &kSixty},
        {&longitudeSeconds, [](SiteLine& l, const std::string& t) { l.setLongitudeSeconds(t); }, &kSixty},
        {&longitudeDecimals, [](SiteLine& l, const std::string& t) { l.setLongitudeDecimals(t); }, nullptr},
        {&latitudeDegrees, [](SiteLine& l, const std::string& t) { l.setLatitudeDegrees(t); }, &kLatitudeDegrees},
        {&latitudeMinutes, [](SiteLine& l, const std::string& t) { l.setLatitudeMinutes(t); }, &kSixty},
        {&latitudeSeconds, [](SiteLine& l, const std::string& t) { l.setLatitudeSeconds(t); }, &kSixty},
        {&latitudeDecimals, [](SiteLine& l, const std::string& t) { l.setLatitudeDecimals(t); }, nullptr},
        {&altitude, [](SiteLine& l, const std::string& t) { l.setAltitude(t); }, nullptr},
        {&altitudeTenths, [](SiteLine& l, const std::string& t) { l.setAltitudeTenths(t); }, nullptr},
        {&aperture, [](SiteLine& l, const std::string& t) { l.setAperture(t); }, nullptr},
        {&focalLength, [](SiteLine& l, const std::string& t) { l.setFocalLength(t); }, nullptr},
    };
    for (const Field& f : fields) {
        TextControl& field = *f.control;
        auto put = [this, &field, setter = f.put] {
            changeSite([&](SiteLine& line) { setter(line, field.text()); });
        };
        addPut(field.formName(), put);
        field.setChangeRule([&field, range = f.range, put] {
            if (range) {
                std::string cleaned = inRange(field.text(), range->maximum, range->removeAt);
                if (cleaned != field.text()) {
                    field.setText(std::move(cleaned));  // runs this rule again, which puts
                    return;
                }
            }
            put();
        });
    }

    auto heightPut = [this] { changeSite([this](SiteLine& l) { l.setHeightDatum(heightDatum.index()); }); };
    auto datumPut = [this] { changeSite([this](SiteLine& l) { l.setHorizontalDatum(horizontalDatum.chosenText()); }); };
    addPut(heightDatum.formName(), heightPut);
    addPut(horizontalDatum.formName(), datumPut);
    heightDatum.setChangeRule(heightPut);
    horizontalDatum.setChangeRule(datumPut);
}

void SitesPage::wireTelescopeFields()
{
    using Setter = void (SiteLine::*)(std::string_view);
    for (auto [list, setter] : {std::pair<ChoiceControl*, Setter>{&telescopeType, &SiteLine::setTelescopeType},
                                std::pair<ChoiceControl*, Setter>{&mount, &SiteLine::setMount},
                                std::pair<ChoiceControl*, Setter>{&drive, &SiteLine::setDrive}}) {
        auto put = [this, list = list, setter = setter] {
            changeSite([list, setter](SiteLine& l) { (l.*setter)(list->chosenText()); });
        };
        addPut(list->formName(), put);
        list->setChangeRule(put);
    }
}

void SitesPage::wireObserverFields()
{
    auto namePut = [this] { changeObserver([this](ObserverLine& l) { l.setName(observerName.text()); }); };
    auto emailPut = [this] { changeObserver([this](ObserverLine& l) { l.setEmail(observerEmail.text()); }); };
    addPut(observerName.formName(), namePut);
    addPut(observerEmail.formName(), emailPut);
    observerName.setChangeRule(namePut);
    observerEmail.setChangeRule(emailPut);
}

std::string SitesPage::longitudeCaption() const
{
    static const std::string east = cp932::fixed("東経");
    static const std::string west = cp932::fixed("西経");
    return longitudeEast_ ? east : west;
}

std::string SitesPage::latitudeCaption() const
{
    static const std::string north = cp932::fixed("北緯");
    static const std::string south = cp932::fixed("南緯");
    return latitudeNorth_ ? north : south;
}

void SitesPage::putLongitudeSign()
{
    changeSite([this](SiteLine& l) { l.setLongitudeEast(longitudeEast_); });
}

void SitesPage::putLatitudeSign()
{
    changeSite([this](SiteLine& l) { l.setLatitudeNorth(latitudeNorth_); });
}

void SitesPage::setLongitudeEast(bool east)
{
    longitudeEast_ = east;
    putLongitudeSign();
    labelsChanged.notify();
}

void SitesPage::setLatitudeNorth(bool north)
{
    latitudeNorth_ = north;
    putLatitudeSign();
    labelsChanged.notify();
}

void SitesPage::clickLongitudeLabel()
{
    setLongitudeEast(!longitudeEast_);
}

void SitesPage::clickLatitudeLabel()
{
    setLatitudeNorth(!latitudeNorth_);
}

void SitesPage::setSurveyed(bool value)
{
    surveyed.setChecked(value);
    applySurveyedLimits();
}

void SitesPage::applySurveyedLimits()
{
    // Text already entered and the line stay as they are.
    const std::size_t limit = surveyed.checked() ? 2 : 1;
    longitudeDecimals.setMaxBytes(limit);
    latitudeDecimals.setMaxBytes(limit);
}

void SitesPage::enterAndPut(TextControl& field, const std::string& text)
{
    field.enter(text);
    // Put also when the text was already shown: the line may hold other
    // characters in these columns (a hand-edited line that was loaded).
    putTextField(field);
}

void SitesPage::clearSiteValues()
{
    for (TextControl* field : {&longitudeDegrees, &longitudeMinutes, &longitudeSeconds, &longitudeDecimals,
                               &latitudeDegrees, &latitudeMinutes, &latitudeSeconds, &latitudeDecimals, &altitude,
                               &altitudeTenths})
        enterAndPut(*field, {});
    setLongitudeEast(true);
    setLatitudeNorth(true);
}

bool SitesPage::takeRouteText(std::string_view clipboard)
{
    constexpr std::size_t kRouteLength = 23;
    if (clipboard.size() != kRouteLength)
        return false;
    for (char c : clipboard) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;  // fewer than 23 characters, or not a route text
    }
    std::string text(clipboard);
    for (std::size_t at : {11, 12, 22, 23}) {
        if (text[at - 1] == ' ')
            text[at - 1] = '0';
    }
    if ((text[0] != 'E' && text[0] != 'W') || (text[12] != 'N' && text[12] != 'S'))
        return false;

    const bool hundredths = surveyed.checked();
    const RouteCoordinate longitude = readCoordinate(text, 2, 3, kLongitudeDegrees, hundredths);
    const RouteCoordinate latitude = readCoordinate(text, 14, 2, kLatitudeDegrees, hundredths);
    enterAndPut(longitudeDegrees, longitude.degrees);
    enterAndPut(longitudeMinutes, longitude.minutes);
    enterAndPut(longitudeSeconds, longitude.seconds);
    enterAndPut(longitudeDecimals, longitude.decimals);
    setLongitudeEast(text[0] == 'E');
    enterAndPut(latitudeDegrees, latitude.degrees);
    enterAndPut(latitudeMinutes, latitude.minutes);
    enterAndPut(latitudeSeconds, latitude.seconds);
    enterAndPut(latitudeDecimals, latitude.decimals);
    setLatitudeNorth(text[12] == 'N');
    return true;
}

std::string SitesPage::routeText() const
{
    std::string route = " 0000000.000 000000.000";
    route[0] = longitudeEast_ ? 'E' : 'W';
    route[12] = latitudeNorth_ ? 'N' : 'S';
    writeRoutePart(route, 2, 3, longitudeDegrees.text(), true);
    writeRoutePart(route, 5, 2, longitudeMinutes.text(), true);
    writeRoutePart(route, 7, 2, longitudeSeconds.text(), true);
    writeRoutePart(route, 10, 3, longitudeDecimals.text(), false);
    writeRoutePart(route, 14, 2, latitudeDegrees.text(), true);
    writeRoutePart(route, 16, 2, latitudeMinutes.text(), true);
    writeRoutePart(route, 18, 2, latitudeSeconds.text(), true);
    writeRoutePart(route, 21, 3, latitudeDecimals.text(), false);
    return route;
}

}  // namespace selen
