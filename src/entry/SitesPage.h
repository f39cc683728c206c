#pragma once

#include "Controls.h"
#include "KeyRules.h"
#include "Notifier.h"

#include "report/Report.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace selen {

// The page "観測地・望遠鏡・観測者": the site group (coordinates with their
// hemispheres, the surveyed flag, altitude and datums, the exchange of
// coordinates with the Vantrel route tool), the telescope group, the observer
// group, and the commands of the site and observer lists.
//
// The site and telescope fields edit the selected site line of the report,
// the observer fields the selected observer line: every change of a field is
// put at once into the field's own columns. Loading a line shows it in the
// fields and writes nothing, so an opened report saves back as it was read.
// Every line operation (put, move, sort, re-lettering) first pads the line to
// its full width, so a short line from a hand-edited report is never
// scrambled.
class SitesPage {
public:
    explicit SitesPage(Report& report);
    SitesPage(const SitesPage&) = delete;
    SitesPage& operator=(const SitesPage&) = delete;

    // Site group, in tab order. The hemisphere labels (Label10, Label9) are
    // page state below.
    CheckControl surveyed{"CheckBox1"};
    TextControl longitudeDegrees{"Edit9", 3, KeyFilter::Digits, 48};
    TextControl longitudeMinutes{"Edit10", 2, KeyFilter::Digits, 48};
    TextControl longitudeSeconds{"Edit11", 2, KeyFilter::Digits, 48};
    TextControl longitudeDecimals{"Edit21", 1, KeyFilter::Digits, 48};
    TextControl latitudeDegrees{"Edit12", 2, KeyFilter::Digits, 50};
    TextControl latitudeMinutes{"Edit13", 2, KeyFilter::Digits, 50};
    TextControl latitudeSeconds{"Edit14", 2, KeyFilter::Digits, 50};
    TextControl latitudeDecimals{"Edit22", 1, KeyFilter::Digits, 50};
    TextControl altitude{"Edit15", 4, KeyFilter::DigitsAndPoint, 54};
    TextControl altitudeTenths{"Edit16", 1, KeyFilter::Digits, 54};
    ChoiceControl heightDatum;      // ComboBox2
    ChoiceControl horizontalDatum;  // ComboBox1

    // Telescope group.
    ChoiceControl telescopeType;  // ComboBox3
    ChoiceControl mount;          // ComboBox4
    ChoiceControl drive;          // ComboBox5
    TextControl aperture{"Edit17", 4, KeyFilter::Digits, 44};
    TextControl focalLength{"Edit18", 4, KeyFilter::Digits, 46};

    // Observer group.
    TextControl observerName{"Edit19", 25};
    TextControl observerEmail{"Edit20", 45};

    // The hemisphere labels: their words are both what they show (CP932)
    // and the state the signs are put from.
    bool longitudeEast() const { return longitudeEast_; }
    bool latitudeNorth() const { return latitudeNorth_; }
    std::string longitudeCaption() const;  // "東経" or "西経"
    std::string latitudeCaption() const;   // "北緯" or "南緯"
    // A click on a label: it switches to the other word and puts the sign.
    void clickLongitudeLabel();
    void clickLatitudeLabel();
    // The program sets a label (recalled values, the route tool) and puts
    // the sign.
    void setLongitudeEast(bool east);
    void setLatitudeNorth(bool north);

    // The program sets the surveyed flag (a setting); like a click, only the
    // limits of the two decimals fields follow: two digits when surveyed,
    // one when not.
    void setSurveyed(bool surveyed);

    const std::vector<SiteLine>& sites() const { return report_.sites; }
    const std::vector<ObserverLine>& observers() const { return report_.observers; }
    std::size_t selectedSite() const { return site_; }
    std::size_t selectedObserver() const { return observer_; }

    // Show the selected line in the fields of its groups, writing nothing.
    // The surveyed flag is not changed by loading.
    void loadSelectedSite();
    void loadSelectedObserver();

    // Start-up and New: every field emptied, the choice lists at their first
    // item, the labels at east and north, and all of it put into the
    // selected lines.
    void reset();

    // The clear button (Button7): coordinates and altitude emptied, the
    // labels back to east and north, each put. Datums, the surveyed flag and
    // the telescope stay as they are.
    void clearSiteValues();

    // From the route tool (Button19): `text` is the clipboard's plain text.
    // Takes it when it is a route text of exactly 23 characters (E or W at 1,
    // N or S at 13) and returns true; any other text changes nothing and
    // returns false. Spaces in characters 11-12 and 22-23 count as 0, the
    // decimals are rounded half away from zero to tenths (hundredths when
    // surveyed), and a rounding that reaches a whole second carries into
    // seconds, minutes and degrees. Decimals holding no digit read as zero.
    bool takeRouteText(std::string_view text);
    // To the route tool (Button20): the route text of the fields, each
    // empty field written as 0.
    std::string routeText() const;

    // List commands. Adding does nothing at 52 lines; a new site line takes
    // over the datums and hemispheres of the fields. Moving exchanges the
    // texts of two neighbours while each position keeps its letter; the
    // selection follows the line and the fields are not reloaded. Sorting
    // orders the sites by their longitude text and the observers by name,
    // re-letters them, keeps the selection on the record selected before
    // and shows it. Deleting does nothing on the last line left; otherwise
    // the line at the same position (or the new last line) is selected and
    // shown.
    void addSite();
    void addObserver();
    void moveSiteUp();
    void moveSiteDown();
    void moveObserverUp();
    void moveObserverDown();
    void sortSites();
    void sortObservers();
    void deleteSite();
    void deleteObserver();
    // A click on a list line: selects it and loads it; an index outside the
    // list does nothing.
    void selectSite(std::size_t index);
    void selectObserver(std::size_t index);
    // After a report was read into the lists: selects and loads the first
    // line of each. An empty list gets its single default line.
    void replaceAll();

    // Runs the put of the control with this form name (a text field or a
    // choice list of the page), as a key outcome with put = true asks; the
    // observer name is also put this way when it loses the focus.
    void putField(std::string_view formName);

    // Left, Right, Enter and "." (NavigationKey::Point) in the fields of the
    // site and telescope groups; in the observer fields only Enter moves on
    // (when the field is not empty).
    KeyOutcome keyRule(std::string_view formName, NavigationKey key, bool empty) const;
    // Where a key sends the focus past the neighbouring controls: Right in
    // the horizontal datum goes straight to the telescope type (ComboBox3),
    // Left in the telescope type straight back to the datum (ComboBox1). For
    // these keyRule() gives move = 0 and the view focuses the named control.
    // Empty for every other key and field.
    static std::string jumpTarget(std::string_view formName, NavigationKey key);

    Notifier sitesChanged;      // a site line or the site selection changed
    Notifier observersChanged;  // an observer line or the observer selection changed
    Notifier labelsChanged;     // a hemisphere label changed
    // Runs after every list command (add, move, sort, delete, replaceAll):
    // the observation page rebuilds its site and observer selectors.
    std::function<void()> onListsChanged;

private:
    void wireSiteFields();
    void wireTelescopeFields();
    void wireObserverFields();
    void addPut(const std::string& formName, std::function<void()> put);
    void putTextField(const TextControl& field);
    void enterAndPut(TextControl& field, const std::string& text);
    void applySurveyedLimits();
    void putLongitudeSign();
    void putLatitudeSign();

    // Changes the selected line; nothing while loading or without a line.
    void changeSite(const std::function<void(SiteLine&)>& change);
    void changeObserver(const std::function<void(ObserverLine&)>& change);
    void moveSite(bool up);
    void moveObserver(bool up);
    void listsChanged();

    Report& report_;
    std::size_t site_ = 0;
    std::size_t observer_ = 0;
    bool longitudeEast_ = true;
    bool latitudeNorth_ = true;
    bool loading_ = false;
    std::vector<std::pair<std::string, std::function<void()>>> puts_;  // form name -> put
};

}  // namespace selen
