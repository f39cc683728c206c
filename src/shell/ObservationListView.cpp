#include "ObservationListView.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QStyledItemDelegate>

namespace selen::shell {

namespace {

// Draws a record as a run of glyphs from the fixed-pitch font, one after
// another at their own advance: a record is plain text in one font, so it
// needs none of the general text layout, which would cost a keystroke more
// than everything else it does. A character the font lacks falls back to
// the usual drawing.
class RecordDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        if (rawFontFor_ != item.font) {
            rawFontFor_ = item.font;
            raw_ = QRawFont::fromFont(item.font);
        }
        QList<quint32> glyphs = raw_.glyphIndexesForString(text);
        if (!raw_.isValid() || glyphs.contains(0u)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        // The row's background (selection, focus) as the style draws it.
        item.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        const QList<QPointF> advances = raw_.advancesForGlyphIndexes(glyphs);
        QList<QPointF> positions;
        positions.reserve(advances.size());
        const QRect area = style ? style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget) : option.rect;
        QPointF at(area.left() + 3, area.top() + (area.height() + raw_.ascent() - raw_.descent()) / 2);
        for (const QPointF& advance : advances) {
            positions.push_back(at);
            at += advance;
        }
        QGlyphRun run;
        run.setRawFont(raw_);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter->save();
        painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setClipRect(option.rect);
        painter->drawGlyphRun(QPointF(0, 0), run);
        painter->restore();
    }

private:
    mutable QFont rawFontFor_;
    mutable QRawFont raw_;
};

}  // namespace

ObservationListView::ObservationListView(QWidget* parent) : QListView(parent)
{
    setItemDelegate(new RecordDelegate(this));
}

void ObservationListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    // The item view's own handling: the changed rows are repainted.
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

}  // namespace selen::shell
