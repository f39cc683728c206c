#include "RecordRules.h"

#include "ObservationCodeLists.h"
#include "StringRoutines.h"

#include <algorithm>

namespace selen {

namespace {

using enum FieldId;
namespace c = columns;

constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {Year, "年", "year", "Edit23", c::kYear},
    {Month, "月", "month", "Edit24", c::kMonth},
    {Day, "日", "day", "Edit25", c::kDay},
    {Hour, "時", "hour", "Edit26", c::kHour},
    {Minute, "分", "minute", "Edit27", c::kMinute},
    {Second, "秒", "second", "Edit28", c::kSecond},
    {SecondFraction, "秒の小数部", "fraction of the second", "Edit29", {15, 4}},
    {Catalogue, "星表・太陽系天体", "catalogue", "ComboBox6", c::kCatalogue},
    {StarNumber, "星表番号", "star number", "Edit30", c::kObjectNumber},
    {GscRegion, "GSC領域番号", "GSC region", "Edit31", c::kGscRegion},
    {GscNumber, "GSC星番号", "GSC number", "Edit45", c::kGscNumber},
    {AsteroidNumber, "小惑星番号", "asteroid number", "Edit34", c::kObjectNumber},
    {PlanetList, "惑星", "planet", "ComboBox7", c::kPlanetCode},
    {PlanetNumber, "惑星・衛星番号", "planet or satellite number", "Edit33", c::kObjectNumber},
    {WdsComponent, "WDSのｺﾝﾎﾟｰﾈﾝﾄ", "WDS component", "Edit32", c::kWdsComponent},
    {Phenomenon, "現　象", "phenomenon", "ComboBox28", c::kPhenomenon},
    {Limb, "月　縁", "lunar limb", "ComboBox29", c::kLimb},
    {PersonalEquationWhole, "個人差", "personal equation", "Edit41", c::kPersonalEquationWhole},
    {PersonalEquationFraction, "個人差の小数部", "fraction of the personal equation", "Edit42", {31, 3}},
    {Application, "個人差の扱い", "application of personal equation", "ComboBox17", c::kPersonalEquationApplication},
    {TimingMethod1, "時刻測定の方法-1", "timing method 1", "ComboBox8", c::kTimingMethod1},
    {TimingMethod2, "方法-2", "timing method 2", "ComboBox9", c::kTimingMethod2},
    {TimeSource, "基準時刻信号", "time source", "ComboBox10", c::kTimeSource},
    {AccuracyWhole, "時刻精度", "accuracy", "Edit35", c::kAccuracyWhole},
    {AccuracyFraction, "時刻精度の小数部", "fraction of the accuracy", "Edit36", {39, 4}},
    {Certainty, "確実性", "certainty", "ComboBox11", c::kCertainty},
    {SignalToNoiseUnits, "S/N比", "S/N ratio", "Edit37", c::kSignalToNoiseUnits},
    {SignalToNoiseTenths, "S/N比の小数部", "tenths of the S/N ratio", "Edit38", {45, 2}},
    {DoubleStarComponent, "重星の特徴を示す現象", "double-star component", "ComboBox18", c::kDoubleStarComponent},
    {DurationWhole, "増減光に要した時間", "duration", "Edit39", c::kDurationWhole},
    {DurationFraction, "増減光に要した時間の小数部", "fraction of the duration", "Edit40", {49, 4}},
    {LightLevel, "時刻測定に用いた光量のレベル", "light level", "ComboBox13", c::kLightLevel},
    {SkyStability, "大気の安定性", "sky stability", "ComboBox14", c::kSkyStability},
    {SkyTransparency, "透明度", "sky transparency", "ComboBox15", c::kSkyTransparency},
    {Remarks, "特記事項", "remarkable circumstances", "ComboBox16", c::kRemarks},
    {Temperature, "気温", "air temperature", "Edit43", c::kTemperature},
    {Site, "観測地・望遠鏡", "site", "ComboBox19", c::kSite},
    {Observer, "観測者", "observer", "ComboBox12", c::kObserver},
    {Comment, "コメント行", "comment", "Edit44", c::kCommentArea},
}};

constexpr bool tableInFieldOrder()
{
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (static_cast<std::size_t>(kFields[i].id) != i)
            return false;
    }
    return true;
}
static_assert(tableInFieldOrder());

// For each coded field, which first characters its list's entries have
// (entry 0, which begins with a blank, writes a blank and is left out).
class CodeTables {
public:
    CodeTables()
    {
        add(Catalogue, codes::catalogue());
        add(Phenomenon, codes::phenomenon());
        add(Limb, codes::limb());
        add(Application, codes::personalEquationApplication());
        add(TimingMethod1, codes::timingMethod1());
        add(TimingMethod2, codes::timingMethod2());
        add(TimeSource, codes::timeSource());
        add(Certainty, codes::certainty());
        add(DoubleStarComponent, codes::doubleStarComponent());
        add(LightLevel, codes::lightLevel());
        add(SkyStability, codes::skyCondition());
        add(SkyTransparency, codes::skyCondition());
        add(Remarks, codes::remarks());
    }
    bool listed(FieldId id, char code) const
    {
        return listed_[static_cast<std::size_t>(id)][static_cast<unsigned char>(code)];
    }
    bool coded(FieldId id) const { return coded_[static_cast<std::size_t>(id)]; }

private:
    void add(FieldId id, const CodeList& list)
    {
        coded_[static_cast<std::size_t>(id)] = true;
        for (const std::string& entry : list.entries()) {
            if (!entry.empty() && entry.front() != ' ')
                listed_[static_cast<std::size_t>(id)][static_cast<unsigned char>(entry.front())] = true;
        }
    }
    std::array<std::array<bool, 256>, kFieldCount> listed_{};
    std::array<bool, kFieldCount> coded_{};
};

const CodeTables& codeTables()
{
    static const CodeTables tables;
    return tables;
}

// What the page's decimal loads keep: digits and minus signs (a lone point
// is removed), so a text with neither shows as empty.
bool hasDigitOrMinus(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char ch) { return isDigit(ch) || ch == '-'; });
}

// The planet list shows the entry whose code is the number without its
// blanks, cut or filled to four characters; entry 0 when none is.
bool planetListed(std::string_view number)
{
    const std::size_t start = number.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return false;
    number = number.substr(start, number.find_last_not_of(' ') + 1 - start).substr(0, 4);
    std::array<char, 4> wanted{' ', ' ', ' ', ' '};
    std::copy(number.begin(), number.end(), wanted.begin());
    const std::string_view code(wanted.data(), wanted.size());
    const auto& entries = codes::planets().entries();
    return std::any_of(entries.begin() + 1, entries.end(),
                       [code](const std::string& entry) { return std::string_view(entry).substr(0, 4) == code; });
}

}  // namespace

const FieldInfo& fieldInfo(FieldId id)
{
    return kFields[static_cast<std::size_t>(id)];
}

std::span<const FieldInfo, kFieldCount> allFields()
{
    return kFields;
}

ReportLetters::ReportLetters(const Report& report)
{
    for (const SiteLine& site : report.sites) {
        if (siteCount_ < kMaxLetteredLines)
            sites_[siteCount_++] = site.letter();
    }
    for (const ObserverLine& observer : report.observers) {
        if (observerCount_ < kMaxLetteredLines)
            observers_[observerCount_++] = observer.letter();
    }
}

FieldContext ReportLetters::context(bool photometryTicked) const
{
    return FieldContext{photometryTicked, std::string_view(sites_.data(), siteCount_),
                        std::string_view(observers_.data(), observerCount_)};
}

bool isCodedField(FieldId id)
{
    return codeTables().coded(id);
}

FieldStates fieldStates(const ObservationItem& item, const FieldContext& context)
{
    FieldStates states{};
    // The held text is always its full length: columns are read straight.
    const char* const record = item.text().data() + ObservationItem::ColumnBase - 1;
    const CodeTables& tables = codeTables();
    auto col = [record](std::size_t column) { return record[column]; };
    auto cols = [record](columns::Field field) { return std::string_view(record + field.first, field.width); };
    auto set = [&states](FieldId id, FieldState state) { states[static_cast<std::size_t>(id)] = state; };
    auto text = [&](FieldId id, std::string_view shown, FieldState empty) {
        set(id, hasNonSpace(shown) ? FieldState::Entered : empty);
    };
    // The code a list shows: its column's character when listed, else blank.
    auto chosen = [&](FieldId id) {
        const char code = col(kFields[static_cast<std::size_t>(id)].columns.first);
        return code != ' ' && tables.listed(id, code) ? code : ' ';
    };
    auto coded = [&](FieldId id, FieldState empty) { set(id, chosen(id) != ' ' ? FieldState::Entered : empty); };

    text(Year, cols(c::kYear), FieldState::Required);
    text(Month, cols(c::kMonth), FieldState::Required);
    text(Day, cols(c::kDay), FieldState::Required);
    text(Hour, cols(c::kHour), FieldState::Required);
    text(Minute, cols(c::kMinute), FieldState::Required);
    text(Second, cols(c::kSecond), FieldState::Required);
    text(SecondFraction, cols(c::kSecondFraction), FieldState::Required);

    // The object fields the catalogue uses: the star number for none, R, S
    // and X; the GSC number for U; the asteroid number for A; the planet for P.
    const char catalogue = chosen(Catalogue);
    coded(Catalogue, FieldState::Required);
    const std::string_view number = cols(c::kObjectNumber);
    states[static_cast<std::size_t>(StarNumber)] = FieldState::NotInUse;
    for (FieldId id : {GscRegion, GscNumber, AsteroidNumber, PlanetList, PlanetNumber})
        set(id, FieldState::NotInUse);
    if (catalogue == 'U') {
        text(GscRegion, cols(c::kGscRegion), FieldState::Required);
        text(GscNumber, cols(c::kGscNumber), FieldState::Required);
    } else if (catalogue == 'A') {
        text(AsteroidNumber, number, FieldState::Required);
    } else if (catalogue == 'P') {
        // Number 0 (the stepper at its bottom) names no body.
        const bool numbered = std::any_of(number.begin(), number.end(), [](char ch) { return ch >= '1' && ch <= '9'; });
        set(PlanetNumber, numbered ? FieldState::Entered : FieldState::Required);
        // A satellite the list does not name is reached with the stepper:
        // the number says it all, and the list stays at entry 0.
        if (planetListed(number))
            set(PlanetList, FieldState::Entered);
        else
            set(PlanetList, numbered ? FieldState::Conditional : FieldState::Required);
    } else {
        set(StarNumber, hasDigitOrMinus(number) ? FieldState::Entered : FieldState::Required);
    }
    text(WdsComponent, cols(c::kWdsComponent), FieldState::Conditional);
    coded(Phenomenon, FieldState::Required);
    coded(Limb, FieldState::Required);

    // Methods free of personal equation (G, V, E, P) and no method at all
    // leave the personal equation optional; every other method needs it.
    const char method = chosen(TimingMethod1);
    const bool freeOfEquation = method == ' ' || method == 'G' || method == 'V' || method == 'E' || method == 'P';
    const FieldState equation = freeOfEquation ? FieldState::Conditional : FieldState::Required;
    text(PersonalEquationWhole, cols(c::kPersonalEquationWhole), equation);
    text(PersonalEquationFraction, cols(c::kPersonalEquationFraction), equation);
    coded(Application, FieldState::Required);
    coded(TimingMethod1, FieldState::Required);
    coded(TimingMethod2, FieldState::Conditional);
    coded(TimeSource, FieldState::Required);
    text(AccuracyWhole, cols(c::kAccuracyWhole), FieldState::Required);
    text(AccuracyFraction, cols(c::kAccuracyFraction), FieldState::Required);
    coded(Certainty, FieldState::Required);
    set(SignalToNoiseUnits, isDigit(col(c::kSignalToNoiseUnits.first)) ? FieldState::Entered : FieldState::Conditional);
    text(SignalToNoiseTenths, cols(c::kSignalToNoiseTenths), FieldState::Conditional);
    coded(DoubleStarComponent, FieldState::Conditional);

    // A gradual event (remarks 1) needs its duration, and the light level
    // too while the photometry fields are in use.
    const bool gradual = chosen(Remarks) == '1';
    const bool photometry = method == 'P' || ((method == 'G' || method == 'V') && context.photometryTicked);
    const FieldState duration = gradual ? FieldState::Required : FieldState::Conditional;
    text(DurationWhole, cols(c::kDurationWhole), duration);
    text(DurationFraction, cols(c::kDurationFraction), duration);
    coded(LightLevel, gradual && photometry ? FieldState::Required : FieldState::Conditional);
    coded(SkyStability, FieldState::Required);
    coded(SkyTransparency, FieldState::Required);
    coded(Remarks, FieldState::Conditional);
    set(Temperature, hasDigitOrMinus(cols(c::kTemperature)) ? FieldState::Entered : FieldState::Conditional);

    auto lettered = [&](FieldId id, std::string_view letters) {
        const char letter = col(kFields[static_cast<std::size_t>(id)].columns.first);
        set(id, letter != ' ' && letters.find(letter) != std::string_view::npos ? FieldState::Entered
                                                                                : FieldState::Required);
    };
    lettered(Site, context.siteLetters);
    lettered(Observer, context.observerLetters);
    text(Comment, cols(catalogue == 'U' ? c::kGscCommentText : c::kCommentArea), FieldState::Conditional);
    return states;
}

}  // namespace selen
