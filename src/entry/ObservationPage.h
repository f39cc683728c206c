#pragma once

#include "Controls.h"
#include "KeyRules.h"

#include "report/ObservationColumns.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace selen {

class ObservationList;

// The fields of the observation page: the event and object groups, the
// method and photometry fields and the observing conditions. Each field
// writes its own columns of the selected record as it changes; loading a
// record shows its columns in the fields and writes nothing.
class ObservationPage {
public:
    explicit ObservationPage(ObservationList& list);
    ObservationPage(const ObservationPage&) = delete;
    ObservationPage& operator=(const ObservationPage&) = delete;

    // Event group.
    TextControl year{"Edit23", 4, KeyFilter::DigitsAndPoint};
    TextControl month{"Edit24", 2};
    TextControl day{"Edit25", 2};
    TextControl hour{"Edit26", 2};
    TextControl minute{"Edit27", 2};
    TextControl second{"Edit28", 2};
    TextControl fraction{"Edit29", 3, KeyFilter::Digits};
    CheckControl graze{"CheckBox2"};
    ChoiceControl phenomenon;
    ChoiceControl limb;

    // Object group.
    ChoiceControl catalogue;
    std::string catalogueLabel = " ZC";  // Label46
    // The captions of the object group's three sub-groups (CP932), black
    // while the catalogue uses the sub-group and grey while it does not.
    struct Caption {
        std::string text;
        std::uint32_t colour = CaptionColour;
    };
    Caption starCaption;      // "恒星"
    Caption asteroidCaption;  // "小惑星による恒星食"
    Caption planetCaption;    // "惑星とその衛星による恒星食"
    TextControl starNumber{"Edit30", 6};
    TextControl gscRegion{"Edit31", 4, KeyFilter::Digits};
    TextControl gscNumber{"Edit45", 5, KeyFilter::Digits};
    TextControl asteroidNumber{"Edit34", 5, KeyFilter::Digits};
    ChoiceControl planet;
    TextControl planetNumber{"Edit33", 4};
    struct Stepper {
        int position = 0;
        int lower = 0;
        static constexpr int kUpper = 9999;
    } stepper;

    // Method group.
    ChoiceControl timingMethod1;
    ChoiceControl timingMethod2;
    ChoiceControl timeSource;
    ChoiceControl application;
    TextControl personalEquationWhole{"Edit41", 1};
    TextControl personalEquationFraction{"Edit42", 2, KeyFilter::Digits};
    TextControl accuracyWhole{"Edit35", 1};
    TextControl accuracyFraction{"Edit36", 3, KeyFilter::Digits};
    ChoiceControl videoUnit;
    TextControl signalToNoiseUnits{"Edit37", 1};
    TextControl signalToNoiseTenths{"Edit38", 1, KeyFilter::Digits};
    ChoiceControl lightLevel;
    CheckControl photometry{"CheckBox3", true};

    // Conditions group.
    ChoiceControl certainty;
    ChoiceControl stability;
    ChoiceControl transparency;
    ChoiceControl remarks;
    TextControl durationWhole{"Edit39", 1};
    TextControl durationFraction{"Edit40", 3, KeyFilter::Digits};
    ChoiceControl doubleStar;
    TextControl wdsComponent{"Edit32", 1, KeyFilter::LettersAndPoint};
    TextControl temperature{"Edit43", 3, KeyFilter::DigitsAndMinus};
    TextControl comment{"Edit44", 55};

    // Shows the selected record in every field, in the fixed load order.
    void loadSelectedRecord();
    // Empties every field and puts it (start-up and New).
    void reset();

    // Operations the prediction import calls.
    void selectCatalogueByCode(char code);
    void putCatalogue();
    void applyCatalogueState();
    void putObjectNumber();

    // The today button, with the date as numbers.
    void enterDate(int year, int month, int day);
    // Up (+1) and Down (-1) in the planet number, or a click on the stepper.
    void stepPlanetNumber(int step);

    void putTimingMethod1();
    void putApplication();
    void putAccuracyWhole();

    // Colours every field by the state the report's rules give the selected
    // record: entered, required, needed in some cases, or not in use. The
    // same rules list the report's problems, so a white field is always a
    // listed problem. Runs after every put and load.
    void recolour();

    // Which text or choice control is the return field (its form name).
    const std::string& returnField() const { return returnField_; }
    void setReturnField(std::string formName) { returnField_ = std::move(formName); }

    // Enter, "." and arrow keys in a text field of the page.
    KeyOutcome keyRule(std::string_view formName, NavigationKey key, bool empty) const;

    Notifier stateChanged;  // labels, captions, stepper, enabled states the view shows

private:
    void wireEventGroup();
    void wireObjectGroup();
    void wireMethodGroup();
    void wireConditionsGroup();
    void loadEventGroup();
    void loadObject();
    void loadMethodGroup();
    void loadConditionsGroup();
    void loadTimingMethod1();
    void applyPhotometryState();
    void putRemarks();
    void putComment();

    // A choice list that writes its code into one column.
    void wireCoded(ChoiceControl& list, columns::Field field);
    // A one-digit field: digits only; a value above 9 loses its first
    // character. True when the text was corrected (the rule ran again).
    static bool clipOneDigit(TextControl& field);

    // Writes into the selected record (nothing when none is selected).
    void put(columns::Field field, std::string_view value);
    std::string_view columns(columns::Field field) const;
    bool hasSelection() const;

    // Sets a field as the program does: its change rule runs (and puts)
    // unless a record is being loaded.
    void setField(TextControl& field, std::string text);
    ObservationList& list_;
    std::string returnField_ = "Edit23";
    bool loading_ = false;
};


}  // namespace selen
