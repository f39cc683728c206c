#include "ColumnRuler.h"

#include "Cp932Text.h"

#include "entry/RulerColumns.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace selen::shell {

namespace {
constexpr int kRows = 3;
constexpr int kRowHeight = 16;
}  // namespace

ColumnRuler::ColumnRuler(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ColumnRuler"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 255, 224));
    setPalette(p);
    setFixedHeight(kRows * kRowHeight + 2);
}

void ColumnRuler::setWrapCaption(const QString& caption)
{
    wrapCaption_ = caption;
    update();
}

void ColumnRuler::setTextOffset(int pixels)
{
    offset_ = pixels;
    update();
}

QSize ColumnRuler::sizeHint() const
{
    return {columnX(62) + 200, kRows * kRowHeight + 2};
}

int ColumnRuler::columnX(std::size_t column) const
{
    return offset_ + static_cast<int>(column - 1) * kRulerColumnWidth;
}

void ColumnRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::darkBlue);
    for (const RulerColumn& column : rulerColumns()) {
        const int left = columnX(column.first);
        const int right = columnX(column.first + column.width);
        painter.drawLine(right - 1, 0, right - 1, height());
        QString caption = fromUtf8(column.caption);
        if (column.width == 1) {
            // One letter per row, read downwards.
            const QStringList letters = caption.split(QChar(' '), Qt::SkipEmptyParts);
            for (int row = 0; row < letters.size() && row < kRows; ++row)
                painter.drawText(QRect(left, row * kRowHeight, kRulerColumnWidth, kRowHeight), Qt::AlignCenter, letters[row]);
        } else {
            for (int i = 0; i < caption.size(); ++i)
                painter.drawText(QRect(left + i * kRulerColumnWidth, kRowHeight, kRulerColumnWidth, kRowHeight),
                                 Qt::AlignCenter, caption.mid(i, 1));
        }
    }
    painter.drawText(QRect(columnX(63) + 8, 0, width(), height()), Qt::AlignVCenter | Qt::AlignLeft, wrapCaption_);
}

bool ColumnRuler::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        for (const RulerColumn& column : rulerColumns()) {
            if (help->pos().x() >= columnX(column.first) && help->pos().x() < columnX(column.first + column.width)
                && !column.hint.empty()) {
                QToolTip::showText(help->globalPos(), fromUtf8(column.hint), this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace selen::shell
