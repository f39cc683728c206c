#include "ObservationPage.h"

#include "ObservationList.h"

#include "report/Cp932.h"
#include "report/ObservationCodeLists.h"
#include "report/RecordRules.h"
#include "report/StringRoutines.h"

namespace selen {

namespace {
ChoiceControl choice(const char* formName, const CodeList& list)
{
    return ChoiceControl(formName, list.entries());
}
}  // namespace

ObservationPage::ObservationPage(ObservationList& list)
    : phenomenon(choice("ComboBox28", codes::phenomenon())),
      limb(choice("ComboBox29", codes::limb())),
      catalogue(choice("ComboBox6", codes::catalogue())),
      planet(choice("ComboBox7", codes::planets())),
      timingMethod1(choice("ComboBox8", codes::timingMethod1())),
      timingMethod2(choice("ComboBox9", codes::timingMethod2())),
      timeSource(choice("ComboBox10", codes::timeSource())),
      application(choice("ComboBox17", codes::personalEquationApplication())),
      videoUnit(choice("ComboBox32", codes::videoAnalysisUnits())),
      lightLevel(choice("ComboBox13", codes::lightLevel())),
      certainty(choice("ComboBox11", codes::certainty())),
      stability(choice("ComboBox14", codes::skyCondition())),
      transparency(choice("ComboBox15", codes::skyCondition())),
      remarks(choice("ComboBox16", codes::remarks())),
      doubleStar(choice("ComboBox18", codes::doubleStarComponent())),
      list_(list)
{
    // Catalogue entry 0 uses the star sub-group.
    starCaption = {cp932::fixed("恒星"), CaptionColour};
    asteroidCaption = {cp932::fixed("小惑星による恒星食"), GreyedCaptionColour};
    planetCaption = {cp932::fixed("惑星とその衛星による恒星食"), GreyedCaptionColour};
    planetNumber.setReadOnly(true);
    videoUnit.setColour(HighlightColour);
    photometry.setColour(HighlightColour);
    wireEventGroup();
    wireObjectGroup();
    wireMethodGroup();
    wireConditionsGroup();
}

bool ObservationPage::hasSelection() const
{
    return !list_.records().empty();
}

void ObservationPage::put(columns::Field field, std::string_view value)
{
    if (loading_ || !hasSelection())
        return;
    list_.putSelected(field, value);
    recolour();
}

void ObservationPage::recolour()
{
    if (loading_ || !hasSelection())
        return;
    const ReportLetters letters(list_.report());
    const FieldStates states = fieldStates(list_.selectedRecord(), letters.context(photometry.checked()));
    auto colourOf = [&states](FieldId id) {
        switch (states[static_cast<std::size_t>(id)]) {
        case FieldState::Entered: return FilledColour;
        case FieldState::Required: return RequiredColour;
        case FieldState::Conditional: return ConditionalColour;
        case FieldState::NotInUse: return ButtonFaceColour;
        }
        return RequiredColour;
    };
    using F = FieldId;
    const std::pair<F, TextControl*> texts[] = {
        {F::Year, &year}, {F::Month, &month}, {F::Day, &day}, {F::Hour, &hour}, {F::Minute, &minute},
        {F::Second, &second}, {F::SecondFraction, &fraction}, {F::StarNumber, &starNumber},
        {F::GscRegion, &gscRegion}, {F::GscNumber, &gscNumber}, {F::AsteroidNumber, &asteroidNumber},
        {F::PlanetNumber, &planetNumber}, {F::WdsComponent, &wdsComponent},
        {F::PersonalEquationWhole, &personalEquationWhole}, {F::PersonalEquationFraction, &personalEquationFraction},
        {F::AccuracyWhole, &accuracyWhole}, {F::AccuracyFraction, &accuracyFraction},
        {F::SignalToNoiseUnits, &signalToNoiseUnits}, {F::SignalToNoiseTenths, &signalToNoiseTenths},
        {F::DurationWhole, &durationWhole}, {F::DurationFraction, &durationFraction}, {F::Temperature, &temperature},
        {F::Comment, &comment}};
    const std::pair<F, ChoiceControl*> lists[] = {
        {F::Catalogue, &catalogue}, {F::PlanetList, &planet}, {F::Phenomenon, &phenomenon}, {F::Limb, &limb},
        {F::Application, &application}, {F::TimingMethod1, &timingMethod1}, {F::TimingMethod2, &timingMethod2},
        {F::TimeSource, &timeSource}, {F::Certainty, &certainty}, {F::DoubleStarComponent, &doubleStar},
        {F::LightLevel, &lightLevel}, {F::SkyStability, &stability}, {F::SkyTransparency, &transparency},
        {F::Remarks, &remarks}, {F::Site, &list_.siteSelector}, {F::Observer, &list_.observerSelector}};
    for (const auto& [id, field] : texts)
        field->setColour(colourOf(id));
    for (const auto& [id, list] : lists)
        list->setColour(colourOf(id));
}

std::string_view ObservationPage::columns(columns::Field field) const
{
    return list_.selectedRecord().columns(field);
}

void ObservationPage::wireCoded(ChoiceControl& list, columns::Field field)
{
    list.setChangeRule([this, &list, field] { put(field, std::string(1, list.code())); });
}

bool ObservationPage::clipOneDigit(TextControl& field)
{
    std::string text = field.text();
    digitsOnly(text);
    if (text.size() > 1)
        text.erase(0, 1);
    if (text == field.text())
        return false;
    field.setText(text);
    return true;
}

void ObservationPage::setField(TextControl& field, std::string text)
{
    if (loading_)
        field.load(std::move(text));
    else
        field.setText(std::move(text));
}

void ObservationPage::loadSelectedRecord()
{
    loading_ = true;
    loadEventGroup();
    loadMethodGroup();
    loadConditionsGroup();
    loadObject();
    list_.observerSelector.selectByCode(list_.selectedRecord().column(columns::kObserver.first));
    list_.siteSelector.selectByCode(list_.selectedRecord().column(columns::kSite.first));
    comment.setMaxBytes(catalogue.code() == 'U' ? columns::kGscCommentText.width : columns::kCommentArea.width);
    std::string text(columns(catalogue.code() == 'U' ? columns::kGscCommentText : columns::kCommentArea));
    trimRightSpaces(text);
    comment.load(text);
    loading_ = false;
    recolour();  // every field as the record stands, as typing would colour it
    stateChanged.notify();
}

void ObservationPage::reset()
{
    for (TextControl* field : {&year, &month, &day, &hour, &minute, &second, &fraction, &personalEquationWhole,
                               &personalEquationFraction, &accuracyWhole, &accuracyFraction, &signalToNoiseUnits,
                               &signalToNoiseTenths, &durationWhole, &durationFraction, &wdsComponent, &temperature,
                               &comment})
        field->setText({});
    for (ChoiceControl* list : {&phenomenon, &limb, &timingMethod2, &timeSource, &application, &lightLevel, &certainty,
                                &stability, &transparency, &remarks, &doubleStar, &list_.siteSelector,
                                &list_.observerSelector})
        list->choose(0);
    graze.setChecked(false);
    put(columns::kGrazeFlag, " ");
    timingMethod1.choose(0);
    // Object group afresh: catalogue line 0, every number empty.
    catalogue.setIndex(0);
    planet.setIndex(0);
    stepper = Stepper{};
    putCatalogue();
    applyCatalogueState();
    starNumber.setText({});
    putObjectNumber();
    stateChanged.notify();
}

KeyOutcome ObservationPage::keyRule(std::string_view formName, NavigationKey key, bool empty) const
{
    const bool first = formName == year.formName();
    const bool isComment = formName == comment.formName();
    const bool planetField = formName == planetNumber.formName();
    const bool pointMoves = formName == second.formName() || formName == personalEquationWhole.formName()
        || formName == accuracyWhole.formName() || formName == signalToNoiseUnits.formName()
        || formName == durationWhole.formName();
    switch (key) {
    case NavigationKey::Enter:
        if (isComment)
            return empty ? KeyOutcome::handOn() : KeyOutcome{true, 0, true};
        if (planetField)
            return KeyOutcome{true, +1, true};
        return empty ? KeyOutcome::handOn() : KeyOutcome{true, +1, true};
    case NavigationKey::Point:
        return pointMoves && !empty ? KeyOutcome{true, +1, true} : KeyOutcome::handOn();
    case NavigationKey::Right:
        return isComment ? KeyOutcome::handOn() : KeyOutcome{true, +1, true};
    case NavigationKey::Left:
        return isComment || first ? KeyOutcome::handOn() : KeyOutcome{true, -1, true};
    case NavigationKey::Up:
    case NavigationKey::Down:
        return KeyOutcome::handOn();
    }
    return KeyOutcome::handOn();
}


}  // namespace selen
