#include "RegisteredEntries.h"

#include "report/Cp932.h"
#include "report/StringRoutines.h"

#include <algorithm>
#include <stdexcept>

namespace selen {

namespace {

std::vector<std::string> registerLines(std::string_view what)
{
    const std::string name(what);
    return {cp932::fixed("登録"), cp932::fixed("デフォルトとして登録"), cp932::fixed(name + "２　に登録"),
            cp932::fixed(name + "３　に登録")};
}

std::vector<std::string> recallLines(std::string_view what)
{
    const std::string name(what);
    return {cp932::fixed("読み込み"), cp932::fixed("デフォルト"), cp932::fixed(name + "２"), cp932::fixed(name + "３")};
}

const std::string& eastCaption()
{
    static const std::string caption = cp932::fixed("東経");
    return caption;
}

const std::string& northCaption()
{
    static const std::string caption = cp932::fixed("北緯");
    return caption;
}

void checkSlot(int slot)
{
    if (slot < 1 || slot > RegisteredEntries::kSlots)
        throw std::out_of_range("registered entries have no slot " + std::to_string(slot));
}

// The first line, from the top, whose first two bytes equal the value's
// first two bytes; line 0 when none does.
std::size_t matchChoiceByPrefix(const std::vector<std::string>& lines, std::string_view value)
{
    const std::string_view head = value.substr(0, 2);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (std::string_view(lines[i]).substr(0, 2) == head)
            return i;
    }
    return 0;
}

// The first line equal to the whole value; line 0 when none is.
std::size_t matchWholeChoice(const std::vector<std::string>& lines, std::string_view value)
{
    const auto found = std::find(lines.begin(), lines.end(), value);
    return value.empty() || found == lines.end() ? 0 : static_cast<std::size_t>(found - lines.begin());
}


// The surveyed value read as a whole number: decimal with an optional sign,
// or hexadecimal after "0x" or "0X" in a value longer than two characters.
// Any non-zero number ticks the box; zero and anything that is not a number
// do not. The digits are looked at, never converted, so no length overflows.
bool ticks(std::string_view value)
{
    const bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
    std::string_view digits = value;
    if (hex)
        digits.remove_prefix(2);
    else if (!digits.empty() && (digits[0] == '+' || digits[0] == '-'))
        digits.remove_prefix(1);
    if (digits.empty())
        return false;
    bool nonZero = false;
    for (char c : digits) {
        if (!(hex ? isHexDigit(c) : isDigit(c)))
            return false;
        nonZero = nonZero || c != '0';
    }
    return nonZero;
}

// Sets an observation field to a recalled value and makes sure its change
// rule has run, so that the value is put into the selected record also when
// the field showed that text already (a record just added holds blanks while
// the fields still show the record before it).
void enterAndPut(TextControl& field, std::string_view value)
{
    const std::string before = field.text();
    field.enter(value);
    if (field.text() == before)
        field.putAgain();
}

}  // namespace

RegisteredEntries::RegisteredEntries(ProfileFile& settings, HeaderPage& header, SitesPage& sites,
                                     ObservationPage& observation)
    : headerRegister("ComboBox30", registerLines("報告者")),
      // The header's recall lines name sites, yet recall header slots.
      headerRecall("ComboBox31", recallLines("観測地")),
      siteRegister("ComboBox20", registerLines("観測地")),
      siteRecall("ComboBox21", recallLines("観測地")),
      telescopeRegister("ComboBox22", registerLines("望遠鏡")),
      telescopeRecall("ComboBox23", recallLines("望遠鏡")),
      observerRegister("ComboBox24", registerLines("観測者")),
      observerRecall("ComboBox25", recallLines("観測者")),
      methodRegister("ComboBox26", registerLines("設定")),
      methodRecall("ComboBox27", recallLines("設定")),
      settings_(settings), header_(header), sites_(sites), observation_(observation)
{
    buildHeaderKeys();
    buildSiteKeys();
    buildTelescopeKeys();
    buildObserverKeys();
    buildMethodKeys();
    wireSelectors(headerRegister, headerRecall, &RegisteredEntries::storeHeaderSlot,
                  [this](int slot) { recallHeaderSlot(slot); });
    wireSelectors(siteRegister, siteRecall, &RegisteredEntries::storeSiteSlot,
                  [this](int slot) { recallSiteSlot(slot); });
    wireSelectors(telescopeRegister, telescopeRecall, &RegisteredEntries::storeTelescopeSlot,
                  [this](int slot) { recallTelescopeSlot(slot); });
    wireSelectors(observerRegister, observerRecall, &RegisteredEntries::storeObserverSlot,
                  [this](int slot) { recallObserverSlot(slot); });
    wireSelectors(methodRegister, methodRecall, &RegisteredEntries::storeMethodSlot,
                  [this](int slot) { recallMethodSlot(slot, /*fromSelector*/ true); });
}

// The key builders, each in the order of its section. A key's recall sets
// its control and, where the control's own rule does not, puts it into the
// selected line or record.

void RegisteredEntries::buildHeaderKeys()
{
    // The header fields write the report's header values through their
    // change rules.
    auto text = [](std::string_view stem, TextControl& field) {
        return Key{stem, {}, [&field] { return field.text(); }, [&field](const std::string& v) { field.enter(v); }};
    };
    headerKeys_ = {"Header",
                   {text("Place Name ", header_.placeName), text("Email ", header_.emailAddress),
                    text("Representative ", header_.representative)}};
}

void RegisteredEntries::buildSiteKeys()
{
    // Longitude fields rely on their change rules; the others are put again.
    auto text = [this](std::string_view stem, TextControl& field, bool put) {
        return Key{stem, {}, [&field] { return field.text(); },
                   [this, &field, put](const std::string& v) {
                       field.enter(v);
                       if (put)
                           sites_.putField(field.formName());
                   }};
    };
    // An empty datum value always chooses the first line.
    auto datum = [this](std::string_view stem, ChoiceControl& list) {
        return Key{stem, {}, [&list] { return list.chosenText(); },
                   [this, &list](const std::string& v) {
                       list.setIndex(v.empty() ? 0 : matchChoiceByPrefix(list.lines(), v));
                       sites_.putField(list.formName());
                   }};
    };
    SitesPage& s = sites_;
    siteKeys_ = {"Place",
                 {
                     // Ticked or not before the decimals fields, whose limits follow it.
                     Key{"IsSurvey ", "0", [&s] { return std::string(s.surveyed.checked() ? "1" : "0"); },
                         [&s](const std::string& v) { s.setSurveyed(ticks(v)); }},
                     text("LongDeg ", s.longitudeDegrees, false),
                     text("LongMin ", s.longitudeMinutes, false),
                     text("LongSec ", s.longitudeSeconds, false),
                     text("LongDec ", s.longitudeDecimals, false),
                     text("LatDeg ", s.latitudeDegrees, true),
                     text("LatMin ", s.latitudeMinutes, true),
                     text("LatSec ", s.latitudeSeconds, true),
                     text("LatDec ", s.latitudeDecimals, true),
                     text("Altitude ", s.altitude, true),
                     text("AltDec   ", s.altitudeTenths, true),
                     datum("Horizontal Datum ", s.horizontalDatum),
                     datum("Vertical Datum ", s.heightDatum),
                     // A label shows east (north) only for its own word; any
                     // other caption is the other hemisphere, as its sign is.
                     Key{"LongSign ", eastCaption(), [&s] { return s.longitudeCaption(); },
                         [&s](const std::string& v) { s.setLongitudeEast(v == eastCaption()); }},
                     Key{"LatSign ", northCaption(), [&s] { return s.latitudeCaption(); },
                         [&s](const std::string& v) { s.setLatitudeNorth(v == northCaption()); }},
                 }};
}

void RegisteredEntries::buildTelescopeKeys()
{
    auto text = [this](std::string_view stem, TextControl& field) {
        return Key{stem, {}, [&field] { return field.text(); },
                   [this, &field](const std::string& v) {
                       field.enter(v);
                       sites_.putField(field.formName());
                   }};
    };
    auto choice = [this](std::string_view stem, ChoiceControl& list) {
        return Key{stem, {}, [&list] { return list.chosenText(); },
                   [this, &list](const std::string& v) {
                       list.setIndex(matchWholeChoice(list.lines(), v));
                       sites_.putField(list.formName());
                   }};
    };
    telescopeKeys_ = {"Telescope",
                      {text("Aperture ", sites_.aperture), text("FocalLength ", sites_.focalLength),
                       choice("Type ", sites_.telescopeType), choice("Mounting ", sites_.mount),
                       choice("Drive ", sites_.drive)}};
}

void RegisteredEntries::buildObserverKeys()
{
    auto text = [this](std::string_view stem, TextControl& field) {
        return Key{stem, {}, [&field] { return field.text(); },
                   [this, &field](const std::string& v) {
                       field.enter(v);
                       sites_.putField(field.formName());
                   }};
    };
    observerKeys_ = {"Observer", {text("ObserversName ", sites_.observerName), text("ObserversEmail ", sites_.observerEmail)}};
}

void RegisteredEntries::buildMethodKeys()
{
    ObservationPage& o = observation_;
    auto text = [](std::string_view stem, TextControl& field) {
        return Key{stem, {}, [&field] { return field.text(); },
                   [&field](const std::string& v) { enterAndPut(field, v); }};
    };
    // A list's change rule is its put (and its colour).
    auto choice = [](std::string_view stem, ChoiceControl& list) {
        return Key{stem, {}, [&list] { return list.chosenText(); },
                   [&list](const std::string& v) { list.choose(matchChoiceByPrefix(list.lines(), v)); }};
    };
    // The personal equation is set before timing method 1, whose put empties
    // it for every method that is not free of a personal equation.
    methodKeys_ = {"Observation",
                   {
                       Key{"Accuracy ", {}, [&o] { return o.accuracyWhole.text(); },
                           [&o](const std::string& v) {
                               o.accuracyWhole.enter(v);
                               o.putAccuracyWhole();
                           }},
                       text("AccuracyDec ", o.accuracyFraction),
                       text("PersonalEquation ", o.personalEquationWhole),
                       text("PersonalEquationDec ", o.personalEquationFraction),
                       choice("TimeSource ", o.timeSource),
                       choice("TimingMethod1 ", o.timingMethod1),
                       choice("TimingMethod2 ", o.timingMethod2),
                       choice("LightLevel ", o.lightLevel),
                       choice("Application of Personal Equation ", o.application),
                   }};
}

void RegisteredEntries::wireSelectors(ChoiceControl& storeSelector, ChoiceControl& recallSelector,
                                      FileResult (RegisteredEntries::*storeSlot)(int),
                                      const std::function<void(int)>& recallSlot)
{
    storeSelector.setChangeRule([this, &storeSelector, storeSlot] {
        const auto slot = static_cast<int>(storeSelector.index());
        if (slot >= 1 && slot <= kSlots)
            reportFailure((this->*storeSlot)(slot));
        storeSelector.setIndex(0);
    });
    recallSelector.setChangeRule([&recallSelector, recallSlot] {
        const auto slot = static_cast<int>(recallSelector.index());
        if (slot >= 1 && slot <= kSlots)
            recallSlot(slot);
    });
}

FileResult RegisteredEntries::store(const Category& category, int slot)
{
    checkSlot(slot);
    for (const Key& key : category.keys) {
        std::string name(key.stem);
        name += static_cast<char>('0' + slot);
        if (FileResult written = settings_.write(category.section, name, key.value()); !written)
            return written;
    }
    return FileResult::success();
}

void RegisteredEntries::recall(const Category& category, int slot)
{
    checkSlot(slot);
    for (const Key& key : category.keys) {
        std::string name(key.stem);
        name += static_cast<char>('0' + slot);
        key.set(settings_.read(category.section, name, key.missing));
    }
}

void RegisteredEntries::reportFailure(const FileResult& result) const
{
    if (!result && onWriteFailed)
        onWriteFailed(result);
}

FileResult RegisteredEntries::storeHeaderSlot(int slot) { return store(headerKeys_, slot); }
FileResult RegisteredEntries::storeSiteSlot(int slot) { return store(siteKeys_, slot); }
FileResult RegisteredEntries::storeTelescopeSlot(int slot) { return store(telescopeKeys_, slot); }
FileResult RegisteredEntries::storeObserverSlot(int slot) { return store(observerKeys_, slot); }
FileResult RegisteredEntries::storeMethodSlot(int slot) { return store(methodKeys_, slot); }

void RegisteredEntries::recallHeaderSlot(int slot) { recall(headerKeys_, slot); }
void RegisteredEntries::recallSiteSlot(int slot) { recall(siteKeys_, slot); }
void RegisteredEntries::recallTelescopeSlot(int slot) { recall(telescopeKeys_, slot); }
void RegisteredEntries::recallObserverSlot(int slot) { recall(observerKeys_, slot); }

void RegisteredEntries::recallMethodSlot(int slot, bool fromSelector)
{
    recall(methodKeys_, slot);
    if (fromSelector)
        observation_.loadSelectedRecord();
}

void RegisteredEntries::recallDefaults()
{
    recallHeaderSlot(1);
    recallSiteSlot(1);
    recallTelescopeSlot(1);
    recallObserverSlot(1);
    recallMethodSlot(1);
}

void RegisteredEntries::registerHeaderDefault()
{
    reportFailure(storeHeaderSlot(1));
}

}  // namespace selen
