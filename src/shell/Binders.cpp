#include "Binders.h"

#include "Cp932Text.h"

#include "report/Cp932.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QValidator>

#include <algorithm>
#include <memory>
#include <optional>

namespace selen::shell {

namespace {

std::optional<NavigationKey> navigationKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return NavigationKey::Enter;
    case Qt::Key_Up: return NavigationKey::Up;
    case Qt::Key_Down: return NavigationKey::Down;
    case Qt::Key_Left: return NavigationKey::Left;
    case Qt::Key_Right: return NavigationKey::Right;
    default: return std::nullopt;
    }
}

// Runs a field's key filter on typed characters and its Enter and arrow
// rules before the field itself sees the key.
class FieldKeys final : public QObject {
public:
    FieldKeys(QWidget* edit, KeyFilter filter, KeyRule rule) : QObject(edit), edit_(edit), filter_(filter), rule_(std::move(rule)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != edit_ || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (rule_ && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            std::optional<NavigationKey> nav = navigationKey(key->key());
            if (!nav && key->text() == QStringLiteral("."))
                nav = NavigationKey::Point;
            if (nav) {
                auto* line = qobject_cast<QLineEdit*>(edit_);
                KeyOutcome outcome = rule_(*nav, line ? line->text().isEmpty() : false);
                if (outcome.move != 0)
                    moveFocus(edit_, outcome.move);
                if (outcome.consumed)
                    return true;
            }
        }
        const QString text = key->text();
        if (!qobject_cast<QLineEdit*>(edit_) || filter_ == KeyFilter::None || text.isEmpty() || !text.at(0).isPrint() || (key->modifiers() & Qt::ControlModifier))
            return false;
        const bool passes = text.size() == 1 && text.at(0).unicode() < 0x80 && keyPasses(filter_, static_cast<char>(text.at(0).unicode()));
        return !passes;
    }

private:
    QWidget* edit_;
    KeyFilter filter_;
    KeyRule rule_;
};

// A choice list is as wide as its longest line up to kWidestChoice
// characters, so that a page fits a laptop screen; a list with longer lines
// shows them whole when it drops down, and its chosen line as a tooltip.
constexpr int kWidestChoice = 36;

void fitChoiceWidth(QComboBox* box)
{
    int longest = 0;
    for (int i = 0; i < box->count(); ++i)
        longest = std::max(longest, static_cast<int>(box->itemText(i).size()));
    if (longest <= kWidestChoice) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return;
    }
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(kWidestChoice);
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + box->view()->verticalScrollBar()->sizeHint().width());
}

// The page (tab) a widget lies on, so that focus moves stay on it.
QWidget* pageOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->parentWidget() && qobject_cast<QStackedWidget*>(w->parentWidget()))
            return w;
    }
    return widget->window();
}

// One edit of a line in the model's terms: bytes [from, to) of the field's
// text replaced by `inserted` (CP932).
struct LineEdit {
    std::size_t from = 0;
    std::size_t to = 0;
    std::string inserted;
};

// The byte offset in `bytes` of the character shown at `index`: every CP932
// character (and every byte the view shows as a replacement character) is
// one QChar.
std::size_t byteOffset(std::string_view bytes, int index)
{
    std::size_t pos = 0;
    for (int i = 0; i < index && pos < bytes.size(); ++i)
        pos += cp932::charLength(bytes, pos);
    return pos;
}

// What turned `before` (the field's bytes) into `after` (the line's text
// with the cursor at `cursor`, just after whatever was typed or pasted).
// Nothing when the inserted text has a character without a CP932 form.
std::optional<LineEdit> lineEdit(const std::string& before, const QString& after, int cursor)
{
    const QString shown = fromCp932(before);
    int suffix = static_cast<int>(after.size()) - cursor;
    if (suffix < 0 || suffix > shown.size() || !after.endsWith(shown.right(suffix))) {
        // Not an edit at the cursor (an undo, say): the common ends decide.
        suffix = 0;
        const int most = static_cast<int>(std::min(shown.size(), after.size()));
        while (suffix < most && shown.at(shown.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
            ++suffix;
    }
    const int most = static_cast<int>(std::min(shown.size(), after.size())) - suffix;
    int prefix = 0;
    while (prefix < most && shown.at(prefix) == after.at(prefix))
        ++prefix;
    std::optional<std::string> inserted = toCp932(after.mid(prefix, after.size() - suffix - prefix));
    if (!inserted)
        return std::nullopt;
    return LineEdit{byteOffset(before, prefix), byteOffset(before, static_cast<int>(shown.size()) - suffix), std::move(*inserted)};
}

// Checks each edit of a line against its field before the line takes it:
// a key past the byte limit is refused, a paste is cut to what fits, and a
// character without a CP932 form is refused with a message.
class FieldValidator final : public QValidator {
public:
    FieldValidator(QObject* parent, const TextControl& control, Refusal refuse)
        : QValidator(parent), control_(control), refuse_(std::move(refuse))
    {
    }

    State validate(QString& input, int& pos) const override
    {
        if (input == fromCp932(control_.text()))
            return Acceptable;
        const std::optional<LineEdit> change = lineEdit(control_.text(), input, pos);
        if (!change) {
            // Told once the line has put its text back, outside the edit.
            const QString bad = firstUnencodable(input);
            QTimer::singleShot(0, parent(), [refuse = refuse_, bad] { refuse(bad); });
            return Invalid;
        }
        const std::optional<TextControl::Edit> fitted = control_.fitEdit(change->from, change->to, change->inserted);
        if (!fitted)
            return Invalid;
        const QString text = fromCp932(fitted->text);
        if (text != input) {
            input = text;
            pos = static_cast<int>(fromCp932(std::string_view(fitted->text).substr(0, fitted->cursor)).size());
        }
        return Acceptable;
    }

private:
    const TextControl& control_;
    Refusal refuse_;
};

bool takesTab(QWidget* w, QWidget* page)
{
    return w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && page->isAncestorOf(w)
        && !w->focusProxy();
}

}  // namespace

QColor toQColor(std::uint32_t blueGreenRed)
{
    Rgb rgb = fromBlueGreenRed(blueGreenRed);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void moveFocus(QWidget* from, int direction)
{
    QWidget* page = pageOf(from);
    QWidget* w = from;
    do {
        w = direction > 0 ? w->nextInFocusChain() : w->previousInFocusChain();
        if (takesTab(w, page)) {
            w->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            // A move by key, as Tab is: the window shows the focus mark (a
            // check box or a button has no other sign of the focus).
            w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            w->update();
            return;
        }
    } while (w != from);
}

void bindText(QLineEdit* edit, TextControl& control, const Refusal& refuse, KeyRule keyRule)
{
    edit->setObjectName(QString::fromStdString(control.formName()));
    if (control.helpTopic() != 0)
        edit->setProperty("helpTopic", control.helpTopic());  // F1
    auto show = [edit, &control] {
        QString text = fromCp932(control.text());
        if (edit->text() != text) {
            // While the user types, a rule's correction keeps the cursor in
            // place; a text set by the program (a record loaded) puts it at
            // the end, as a line shows a new text.
            const int cursor = edit->cursorPosition();
            edit->setText(text);
            if (edit->hasFocus())
                edit->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
        }
        edit->setEnabled(control.enabled());
        edit->setReadOnly(control.readOnly());
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, toQColor(control.colour()));
        edit->setPalette(palette);
    };
    // Every edit (a key, a paste, a cut, an undo) is checked before the line
    // takes it, so the line never shows what the field would not hold.
    edit->setValidator(new FieldValidator(edit, control, refuse));
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, &control, show](const QString& text) {
        // The validator has let through only what the field takes; a change
        // rule may still clean the text (a range rule). A replacement made
        // notifies, and the line follows from that; otherwise it is put back.
        const std::optional<LineEdit> change = lineEdit(control.text(), text, edit->cursorPosition());
        if (!change || !control.replace(change->from, change->to, change->inserted))
            show();
    });
    control.changed().listen(show);
    edit->installEventFilter(new FieldKeys(edit, control.filter(), std::move(keyRule)));
    show();
}

void bindMemo(QPlainTextEdit* edit, MemoControl& control, const Refusal& refuse)
{
    edit->setObjectName(QString::fromStdString(control.formName()));
    auto updating = std::make_shared<bool>(false);
    auto show = [edit, &control, updating] {
        QString text = fromCp932(control.text());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QChar('\r'), QChar('\n'));
        if (edit->toPlainText() == text)
            return;
        *updating = true;
        edit->setPlainText(text);
        *updating = false;
    };
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, &control, updating, refuse] {
        if (*updating)
            return;
        const QString text = edit->toPlainText();
        std::optional<std::string> bytes = toCp932(text);
        if (!bytes) {
            const QString bad = firstUnencodable(text);
            *updating = true;
            edit->undo();
            *updating = false;
            refuse(bad);
            return;
        }
        control.edit(std::move(*bytes));
    });
    control.changed().listen(show);
    show();
}

void bindList(QListWidget* list, ListControl& control)
{
    list->setObjectName(QString::fromStdString(control.formName()));
    auto show = [list, &control] {
        list->clear();
        for (const std::string& line : control.lines())
            list->addItem(fromCp932(line));
    };
    control.changed().listen(show);
    show();
}

void bindChoice(QComboBox* box, ChoiceControl& control, KeyRule keyRule)
{
    box->setObjectName(QString::fromStdString(control.formName()));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (control.helpTopic() != 0)
        box->setProperty("helpTopic", control.helpTopic());  // F1
    auto show = [box, &control] {
        QSignalBlocker blocker(box);
        bool same = box->count() == static_cast<int>(control.lines().size());
        for (int i = 0; same && i < box->count(); ++i)
            same = box->itemText(i) == fromCp932(control.lines()[static_cast<std::size_t>(i)]);
        if (!same) {
            box->clear();
            for (const std::string& line : control.lines())
                box->addItem(fromCp932(line));
            fitChoiceWidth(box);
        }
        box->setToolTip(box->currentText().size() > kWidestChoice ? box->currentText() : QString());
        box->setCurrentIndex(static_cast<int>(control.index()));
        box->setEnabled(control.enabled());
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, toQColor(control.colour()));
        palette.setColor(QPalette::Button, toQColor(control.colour()));
        box->setPalette(palette);
    };
    if (keyRule)
        box->installEventFilter(new FieldKeys(box, KeyFilter::None, std::move(keyRule)));
    // A choice runs its rule only when it changes: picking the entry the
    // list already shows does nothing.
    QObject::connect(box, qOverload<int>(&QComboBox::activated), box, [&control](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) != control.index())
            control.choose(static_cast<std::size_t>(index));
    });
    control.changed().listen(show);
    show();
}

QWidget* slotSelectors(ChoiceControl& registerSelector, ChoiceControl& recallSelector)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (ChoiceControl* control : {&registerSelector, &recallSelector}) {
        auto* box = new QComboBox;
        bindChoice(box, *control);
        box->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(box);
    }
    layout->addStretch();
    return row;
}

void bindCheck(QCheckBox* box, CheckControl& control, KeyRule keyRule)
{
    if (keyRule)
        box->installEventFilter(new FieldKeys(box, KeyFilter::None, std::move(keyRule)));
    box->setObjectName(QString::fromStdString(control.formName()));
    auto show = [box, &control] {
        QSignalBlocker blocker(box);
        box->setChecked(control.checked());
        box->setEnabled(control.enabled());
    };
    // The model toggles itself and runs its rule; the box then shows it.
    QObject::connect(box, &QCheckBox::clicked, box, [&control, show] {
        control.click();
        show();
    });
    control.changed().listen(show);
    show();
}

}  // namespace selen::shell
