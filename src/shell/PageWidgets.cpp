#include "PageWidgets.h"

#include "entry/RulerColumns.h"

#include <QLineEdit>
#include <QPushButton>

namespace selen::shell {

QLineEdit* fixedField(int columns)
{
    auto* edit = new QLineEdit;
    edit->setFixedWidth(columns * kRulerColumnWidth + 14);  // text plus frame and margins
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    return edit;
}

QPushButton* commandButton(const QString& objectName, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(objectName);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace selen::shell
