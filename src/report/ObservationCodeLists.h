#pragma once

#include "CodeList.h"

// The choice lists whose first character is written into a coded column of
// the observation record line.
namespace selen::codes {

const CodeList& catalogue();            // column 19
const CodeList& phenomenon();           // column 27
const CodeList& limb();                 // column 28
const CodeList& personalEquationApplication();  // column 34
const CodeList& timingMethod1();        // column 35
const CodeList& timingMethod2();        // column 36
const CodeList& timeSource();           // column 37
const CodeList& certainty();            // column 43
const CodeList& doubleStarComponent();  // column 47
const CodeList& lightLevel();           // column 53
const CodeList& skyCondition();         // columns 54 and 55
const CodeList& remarks();              // column 56
const CodeList& planets();              // columns 22-25: four-digit codes
// Which accuracy step applies; shown only, never written.
const CodeList& videoAnalysisUnits();

// Entry 0 of the site and observer selectors, whose other entries are the
// report's own site and observer lines.
const std::string& siteSelectorEmptyEntry();
const std::string& observerSelectorEmptyEntry();

}  // namespace selen::codes
