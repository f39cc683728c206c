#pragma once

#include "entry/Controls.h"
#include "entry/KeyRules.h"

#include <cstdint>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QListWidget;
class QComboBox;
class QCheckBox;
class QWidget;
class QString;
class QColor;

namespace selen::shell {

// Binders pair a widget with its model control both ways: the user's edits
// go into the model (whose rules run there), and the widget shows whatever
// the model holds. The widget gets the control's form name as objectName.

using KeyRule = std::function<KeyOutcome(NavigationKey key, bool empty)>;
// Tells the user that a character typed or pasted has no place in a report.
using Refusal = std::function<void(const QString& character)>;

void bindText(QLineEdit* edit, TextControl& control, const Refusal& refuse, KeyRule keyRule = {});
void bindMemo(QPlainTextEdit* edit, MemoControl& control, const Refusal& refuse);
void bindList(QListWidget* list, ListControl& control);
void bindChoice(QComboBox* box, ChoiceControl& control, KeyRule keyRule = {});
void bindCheck(QCheckBox* box, CheckControl& control, KeyRule keyRule = {});

// The register and recall selectors of a group of registered values, side
// by side; neither takes the focus with Tab.
QWidget* slotSelectors(ChoiceControl& registerSelector, ChoiceControl& recallSelector);

// A model's colour value (blue in the high byte) as Qt's colour.
QColor toQColor(std::uint32_t blueGreenRed);

// Moves the focus to the next (+1) or previous (-1) control of the same
// page that takes part in tabbing, wrapping at the ends.
void moveFocus(QWidget* from, int direction);

}  // namespace selen::shell
