#pragma once

#include "ObservationColumns.h"
#include "ObservationItem.h"
#include "RecordLetters.h"
#include "Report.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// What every field of an observation record shows: entered, or while empty
// whether it is required or needed only in some cases. The observation
// page's colours and the report's "required and missing" problems both come
// from here.
namespace selen {

enum class FieldState : std::uint8_t {
    Entered,      // the columns hold a value the field shows as entered
    Required,     // empty, and the report needs it (white)
    Conditional,  // empty, needed only in some cases (pale yellow)
    NotInUse,     // an object field the record's catalogue does not use
};

// The fields of the observation page, in the page's order.
enum class FieldId : std::uint8_t {
    Year, Month, Day, Hour, Minute, Second, SecondFraction,
    Catalogue, StarNumber, GscRegion, GscNumber, AsteroidNumber, PlanetList, PlanetNumber, WdsComponent,
    Phenomenon, Limb,
    PersonalEquationWhole, PersonalEquationFraction, Application, TimingMethod1, TimingMethod2, TimeSource,
    AccuracyWhole, AccuracyFraction, Certainty, SignalToNoiseUnits, SignalToNoiseTenths, DoubleStarComponent,
    DurationWhole, DurationFraction, LightLevel, SkyStability, SkyTransparency, Remarks, Temperature,
    Site, Observer, Comment,
};
inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(FieldId::Comment) + 1;

struct FieldInfo {
    FieldId id;
    std::string_view caption;   // UTF-8: the field's label on the observation page
    std::string_view name;      // English words for the report tool
    std::string_view formName;  // the control that edits it (Edit27, ComboBox8 ...)
    columns::Field columns;     // the record columns it writes
};

const FieldInfo& fieldInfo(FieldId id);
std::span<const FieldInfo, kFieldCount> allFields();

// Every record letter a site or observer line can carry.
inline constexpr std::string_view kAllRecordLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// What a field's state depends on besides the record.
struct FieldContext {
    // The photometry check box of the page (the record does not hold it).
    bool photometryTicked = true;
    // The letters of the report's site and observer lines: a site or
    // observer column counts as entered only when it names one of them.
    std::string_view siteLetters = kAllRecordLetters;
    std::string_view observerLetters = kAllRecordLetters;
};

// The letters of a report's site and observer lines (the first 52 of
// each), kept for a FieldContext of that report.
class ReportLetters {
public:
    explicit ReportLetters(const Report& report);
    FieldContext context(bool photometryTicked = true) const;

private:
    std::array<char, kMaxLetteredLines> sites_{};
    std::array<char, kMaxLetteredLines> observers_{};
    std::size_t siteCount_ = 0;
    std::size_t observerCount_ = 0;
};

using FieldStates = std::array<FieldState, kFieldCount>;

// The state of every field of the record, indexed by FieldId. Reads the
// record's columns only; no allocation.
FieldStates fieldStates(const ObservationItem& item, const FieldContext& context = {});

inline FieldState fieldState(const ObservationItem& item, FieldId id, const FieldContext& context = {})
{
    return fieldStates(item, context)[static_cast<std::size_t>(id)];
}

// True for the fields written from a fixed code list.
bool isCodedField(FieldId id);

}  // namespace selen
