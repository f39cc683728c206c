#pragma once

// The real main window over fake dialogs and an in-memory file system, for
// tests that drive it as a user would.

#include "../editor/EditorFakes.h"

#include "report/ReportWriter.h"
#include "shell/MainWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <string>

namespace selen::test {

inline const std::string kReportPath = "/reports/0712.LOR";

// One window per test, created after the test has prepared the settings.
struct Window {
    SessionFixture f;
    std::unique_ptr<shell::MainWindow> window;

    // Opens the window on `page` (the page the settings file records), or on
    // the start page when page < 0.
    void open(int page = -1)
    {
        if (page >= 0 && !f.settings.write("Page", "CurrentPage", std::to_string(page)))
            qFatal("cannot record the page");
        window = std::make_unique<shell::MainWindow>(f.session);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window was not shown");
        window->activateWindow();
    }
    template <typename T>
    T* find(const char* name) const
    {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    void trigger(const char* name)
    {
        QAction* a = find<QAction>(name);
        if (!a->isEnabled())
            qFatal("action %s is disabled", name);
        a->trigger();
    }
    QString preview(int row) const { return find<QListWidget>("ListBox1")->item(row)->text(); }

    // Opens `report` as the open command does.
    void openReport(const Report& report)
    {
        f.files.files[kReportPath] = buildReportText(report);
        f.dialogs.openNames = {kReportPath};
        f.dialogs.answers = {true, true};  // in case there is work to lose
        trigger("FileOpen");
        f.dialogs.answers.clear();
    }

    // Report columns 1-61 and the comment area of record `row`, as held.
    std::string record(std::size_t row) const { return f.session.report().observations.at(row).text().substr(4); }
    std::string site(std::size_t row) const { return f.session.report().sites.at(row).text(); }
    std::string observer(std::size_t row) const { return f.session.report().observers.at(row).text(); }

    // Puts the keyboard focus in `widget` as a click would.
    static void focus(QWidget* widget)
    {
        widget->setFocus(Qt::MouseFocusReason);
        if (!QTest::qWaitFor([widget] { return widget->hasFocus(); }))
            qFatal("%s takes no focus", qPrintable(widget->objectName()));
    }
    static QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
};

// Text as an input method delivers it, which keyClicks cannot for
// characters beyond Latin-1.
inline void typeText(QWidget* widget, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

// Picks the entry a choice list already shows, from its drop-down list.
inline void repick(QComboBox* box)
{
    box->showPopup();
    QAbstractItemView* view = box->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        qFatal("the drop-down list of %s did not open", qPrintable(box->objectName()));
    QTest::keyClick(view, Qt::Key_Return);
    if (!QTest::qWaitFor([view] { return !view->isVisible(); }))
        qFatal("the drop-down list of %s stayed open", qPrintable(box->objectName()));
}

inline bool showed(const FakeDialogs& dialogs, std::string_view message)
{
    return std::find(dialogs.shown.begin(), dialogs.shown.end(), std::string(message)) != dialogs.shown.end();
}

}  // namespace selen::test
