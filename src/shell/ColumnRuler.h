#pragma once

#include <QWidget>

namespace selen::shell {

// The key to the record columns, laid over a report editor: each field's
// caption at 8 pixels per column, its hint as a tooltip, and at the right
// the word-wrap state.
class ColumnRuler final : public QWidget {
public:
    explicit ColumnRuler(QWidget* parent = nullptr);
    void setWrapCaption(const QString& caption);
    // Horizontal offset of column 1, to line up with the editor's text.
    void setTextOffset(int pixels);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int columnX(std::size_t column) const;
    QString wrapCaption_;
    int offset_ = 0;
};

}  // namespace selen::shell
