#pragma once

#include <QString>

class QLineEdit;
class QPushButton;

namespace selen::shell {

// A single-line field wide enough for `columns` half-width characters of
// the page's fixed-pitch font, with input-method editing off.
QLineEdit* fixedField(int columns);

// A page button that runs a command; buttons are not reached with Tab.
QPushButton* commandButton(const QString& objectName, const QString& caption);

}  // namespace selen::shell
