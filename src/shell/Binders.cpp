#include "Binders.h"

#include "Cp932Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <memory>
#include <optional>

namespace selen::shell {

namespace {

QColor toQColor(std::uint32_t blueGreenRed)
{
    Rgb rgb = fromBlueGreenRed(blueGreenRed);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

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

// The page (tab) a widget lies on, so that focus moves stay on it.
QWidget* pageOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->parentWidget() && qobject_cast<QStackedWidget*>(w->parentWidget()))
            return w;
    }
    return widget->window();
}

bool takesTab(QWidget* w, QWidget* page)
{
    return w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && page->isAncestorOf(w)
        && !w->focusProxy();
}

}  // namespace

void moveFocus(QWidget* from, int direction)
{
    QWidget* page = pageOf(from);
    QWidget* w = from;
    do {
        w = direction > 0 ? w->nextInFocusChain() : w->previousInFocusChain();
        if (takesTab(w, page)) {
            w->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
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
            int cursor = edit->cursorPosition();
            edit->setText(text);
            edit->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
        }
        edit->setEnabled(control.enabled());
        edit->setReadOnly(control.readOnly());
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, toQColor(control.colour()));
        edit->setPalette(palette);
    };
    QObject::connect(edit, &QLineEdit::textEdited, edit, [&control, show, refuse](const QString& text) {
        std::optional<std::string> bytes = toCp932(text);
        if (!bytes) {
            const QString bad = firstUnencodable(text);
            show();
            refuse(bad);
            return;
        }
        control.enter(*bytes);
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
        }
        box->setCurrentIndex(static_cast<int>(control.index()));
        box->setEnabled(control.enabled());
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, toQColor(control.colour()));
        palette.setColor(QPalette::Button, toQColor(control.colour()));
        box->setPalette(palette);
    };
    if (keyRule)
        box->installEventFilter(new FieldKeys(box, KeyFilter::None, std::move(keyRule)));
    QObject::connect(box, qOverload<int>(&QComboBox::activated), box, [&control](int index) {
        if (index >= 0)
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

void bindCheck(QCheckBox* box, CheckControl& control)
{
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
