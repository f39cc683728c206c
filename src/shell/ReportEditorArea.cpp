#include "ReportEditorArea.h"

#include "ColumnRuler.h"
#include "Cp932Text.h"

#include "entry/RulerColumns.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>

#include <algorithm>

namespace selen::shell {

ReportEditorArea::ReportEditorArea(QPlainTextEdit* editor, QSpinBox* upDown, QWidget* parent)
    : QWidget(parent), editor_(editor), upDown_(upDown), ruler_(new ColumnRuler(this))
{
    editor_->setParent(this);
    upDown_->setParent(this);
    upDown_->setRange(0, kMaxPosition);
    upDown_->setValue(kMaxPosition);
    upDown_->setFocusPolicy(Qt::NoFocus);
    upDown_->setToolTip(QStringLiteral("桁の目盛りを上下に動かして、見たい行に重ねます"));
    ruler_->raise();
    connect(upDown_, qOverload<int>(&QSpinBox::valueChanged), this, [this] { place(); });
    connect(editor_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { place(); });
    setWrap(false);
}

void ReportEditorArea::setWrap(bool wrap)
{
    editor_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    editor_->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    ruler_->setWrapCaption(fromUtf8(wrap ? kWrapOnCaption : kWrapOffCaption));
}

void ReportEditorArea::resizeEvent(QResizeEvent*)
{
    place();
}

void ReportEditorArea::place()
{
    const int upDownWidth = upDown_->sizeHint().width();
    const int rulerHeight = ruler_->height();
    const int editorWidth = std::max(0, width() - upDownWidth - 4);
    editor_->setGeometry(0, rulerHeight, editorWidth, std::max(0, height() - rulerHeight));
    upDown_->setGeometry(editorWidth + 4, rulerHeight, upDownWidth, upDown_->sizeHint().height());
    const int top = std::clamp(kMaxPosition - upDown_->value(), 0, std::max(0, height() - rulerHeight));
    ruler_->setGeometry(0, top, editorWidth, rulerHeight);
    const int textLeft = editor_->viewport()->x() + static_cast<int>(editor_->document()->documentMargin());
    ruler_->setTextOffset(textLeft - editor_->horizontalScrollBar()->value());
    ruler_->raise();
}

}  // namespace selen::shell
