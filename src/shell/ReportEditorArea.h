#pragma once

#include <QWidget>

class QPlainTextEdit;
class QSpinBox;

namespace selen::shell {

class ColumnRuler;

// A report editor with the column ruler over it. The up-down control beside
// it slides the ruler down over the lines: its top lies at 576 minus the
// position, which starts at 576 (the top).
class ReportEditorArea final : public QWidget {
public:
    static constexpr int kMaxPosition = 576;

    ReportEditorArea(QPlainTextEdit* editor, QSpinBox* upDown, QWidget* parent = nullptr);
    ColumnRuler* ruler() const { return ruler_; }
    void setWrap(bool wrap);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    QPlainTextEdit* editor_;
    QSpinBox* upDown_;
    ColumnRuler* ruler_;
};

}  // namespace selen::shell
