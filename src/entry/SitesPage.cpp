// The sites page: construction, loading the selected lines into the fields,
// the start-up values and the key rules of the site and telescope groups.
#include "SitesPage.h"

#include "report/StringRoutines.h"

namespace selen {

namespace {

ChoiceControl choice(const char* formName, const CodeList& list, int helpTopic)
{
    return ChoiceControl(formName, list.entries(), helpTopic);
}

std::string digitsOf(std::string text)
{
    digitsOnly(text);
    return text;
}

}  // namespace

SitesPage::SitesPage(Report& report)
    : heightDatum(choice("ComboBox2", SiteLine::heightDatums(), 55)),
      horizontalDatum(choice("ComboBox1", SiteLine::horizontalDatums(), 52)),
      telescopeType(choice("ComboBox3", SiteLine::telescopeTypes(), 40)),
      mount(choice("ComboBox4", SiteLine::mounts(), 41)),
      drive(choice("ComboBox5", SiteLine::drives(), 42)),
      report_(report)
{
    wireSiteFields();
    wireTelescopeFields();
    wireObserverFields();
    surveyed.setClickRule([this] { applySurveyedLimits(); });
    loadSelectedSite();
    loadSelectedObserver();
}

void SitesPage::addPut(const std::string& formName, std::function<void()> put)
{
    puts_.emplace_back(formName, std::move(put));
}

void SitesPage::putField(std::string_view formName)
{
    for (const auto& [name, put] : puts_) {
        if (name == formName) {
            put();
            return;
        }
    }
}

void SitesPage::putTextField(const TextControl& field)
{
    putField(field.formName());
}

void SitesPage::changeSite(const std::function<void(SiteLine&)>& change)
{
    if (loading_ || site_ >= report_.sites.size())
        return;
    SiteLine& line = report_.sites[site_];
    const std::string before = line.text();
    change(line);
    if (line.text() != before)
        sitesChanged.notify();
}

void SitesPage::changeObserver(const std::function<void(ObserverLine&)>& change)
{
    if (loading_ || observer_ >= report_.observers.size())
        return;
    ObserverLine& line = report_.observers[observer_];
    const std::string before = line.text();
    change(line);
    if (line.text() != before)
        observersChanged.notify();
}

void SitesPage::loadSelectedSite()
{
    if (site_ >= report_.sites.size())
        return;
    loading_ = true;
    const SiteLine& line = report_.sites[site_];
    // Coordinates show the digits their fields keep; the line keeps its own
    // characters until a field is changed.
    longitudeDegrees.load(digitsOf(line.longitudeDegrees()));
    longitudeMinutes.load(digitsOf(line.longitudeMinutes()));
    longitudeSeconds.load(digitsOf(line.longitudeSeconds()));
    longitudeDecimals.load(line.longitudeDecimals());
    latitudeDegrees.load(digitsOf(line.latitudeDegrees()));
    latitudeMinutes.load(digitsOf(line.latitudeMinutes()));
    latitudeSeconds.load(digitsOf(line.latitudeSeconds()));
    latitudeDecimals.load(line.latitudeDecimals());
    altitude.load(line.altitude());
    altitudeTenths.load(line.altitudeTenths());
    aperture.load(line.aperture());
    focalLength.load(line.focalLength());
    horizontalDatum.setIndex(line.horizontalDatumIndex());
    telescopeType.setIndex(line.telescopeTypeIndex());
    mount.setIndex(line.mountIndex());
    drive.setIndex(line.driveIndex());
    heightDatum.setIndex(line.heightDatumIndex());
    latitudeNorth_ = line.latitudeNorth();
    longitudeEast_ = line.longitudeEast();
    loading_ = false;
    labelsChanged.notify();
}

void SitesPage::loadSelectedObserver()
{
    if (observer_ >= report_.observers.size())
        return;
    loading_ = true;
    const ObserverLine& line = report_.observers[observer_];
    observerName.load(line.name());
    observerEmail.load(line.email());
    loading_ = false;
}

void SitesPage::reset()
{
    for (TextControl* field : {&longitudeDegrees, &longitudeMinutes, &longitudeSeconds, &longitudeDecimals,
                               &latitudeDegrees, &latitudeMinutes, &latitudeSeconds, &latitudeDecimals, &altitude,
                               &altitudeTenths, &aperture, &focalLength, &observerName, &observerEmail}) {
        field->setText({});
        putTextField(*field);  // also when the field was empty already
    }
    for (ChoiceControl* list : {&heightDatum, &horizontalDatum, &telescopeType, &mount, &drive})
        list->choose(0);
    setLongitudeEast(true);
    setLatitudeNorth(true);
}

KeyOutcome SitesPage::keyRule(std::string_view formName, NavigationKey key, bool empty) const
{
    constexpr KeyOutcome putNext{true, +1, true};
    constexpr KeyOutcome putPrevious{true, -1, true};
    constexpr KeyOutcome putStay{true, 0, true};
    const auto is = [formName](const auto&... controls) { return ((formName == controls.formName()) || ...); };

    if (is(longitudeDegrees, longitudeMinutes, longitudeSeconds, longitudeDecimals, latitudeDegrees, latitudeMinutes,
           latitudeSeconds, latitudeDecimals, altitude, altitudeTenths, aperture)) {
        const bool firstOfGroup = formName == longitudeDegrees.formName();
        switch (key) {
        case NavigationKey::Left: return firstOfGroup ? KeyOutcome::handOn() : putPrevious;
        case NavigationKey::Right: return putNext;
        case NavigationKey::Enter:
            return empty && formName != altitudeTenths.formName() ? KeyOutcome::handOn() : putNext;
        case NavigationKey::Point:
            // The altitude moves on to its tenths and the whole seconds to
            // their decimals, as "28.9" is naturally typed; elsewhere the
            // filter discards the point.
            return is(altitude, longitudeSeconds, latitudeSeconds) && !empty ? putNext : KeyOutcome::handOn();
        default: return KeyOutcome::handOn();
        }
    }
    if (is(focalLength)) {
        switch (key) {
        case NavigationKey::Left: return putPrevious;
        case NavigationKey::Right: return putStay;
        case NavigationKey::Enter: return empty ? KeyOutcome::handOn() : putStay;
        default: return KeyOutcome::handOn();
        }
    }
    if (is(heightDatum, horizontalDatum, telescopeType, mount, drive)) {
        // Mount and drive only move on arrows; the drive puts on Enter.
        const bool arrowsPut = !is(mount, drive);
        const bool enterPuts = !is(mount);
        switch (key) {
        case NavigationKey::Left:
            if (is(telescopeType))
                return putStay;  // jumpTarget() names the datum
            return KeyOutcome{arrowsPut, -1, true};
        case NavigationKey::Right:
            if (is(horizontalDatum))
                return putStay;  // jumpTarget() names the telescope type
            return KeyOutcome{arrowsPut, +1, true};
        case NavigationKey::Enter: return KeyOutcome{enterPuts, +1, true};
        default: return KeyOutcome::handOn();
        }
    }
    if (is(observerName, observerEmail))
        return key == NavigationKey::Enter && !empty ? putNext : KeyOutcome::handOn();
    return KeyOutcome::handOn();
}

std::string SitesPage::jumpTarget(std::string_view formName, NavigationKey key)
{
    if (formName == "ComboBox1" && key == NavigationKey::Right)
        return "ComboBox3";
    if (formName == "ComboBox3" && key == NavigationKey::Left)
        return "ComboBox1";
    return {};
}

}  // namespace selen
