// The window as a desktop program: it fits a laptop screen, asks before
// losing work, opens the file it is given or that is dropped on it, answers
// the standard keys and keeps its size and place between runs.
#include "WindowFixture.h"

#include "editor/Messages.h"
#include "settings/AppSettings.h"
#include "shell/Cp932Text.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

using namespace selen;
using namespace selen::test;

namespace {

// True when all of `widget` can be seen in the window without scrolling.
bool wholeInSight(QWidget* widget)
{
    return widget->isVisible() && widget->visibleRegion().boundingRect() == widget->rect();
}

void dropFile(QWidget* window, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void everyPageFitsALaptopScreen()
    {
        Window w;
        w.open(3);
        w.window->resize(1366, 720);
        for (int page : {0, 1, 2, 4, 5, 3}) {
            w.window->pages()->setCurrentIndex(page);
            QApplication::processEvents();
            const QSize least = w.window->minimumSizeHint().expandedTo(w.window->minimumSize());
            QVERIFY2(least.width() <= 1024 && least.height() <= 640, qPrintable(QStringLiteral("page %1").arg(page)));
        }
        // The observation page needs no scrolling to reach its list, its
        // commands and the paste area below the pages.
        for (const char* name : {"AddButton", "CopyButton", "DeleteButton", "UpButton", "DownButton", "SortButton",
                                 "ImportButton", "Button21", "PasteButton", "AddPastedButton", "Memo6"})
            QVERIFY2(wholeInSight(w.find<QWidget>(name)), name);
        auto* list = w.find<QListView>("ListBox4");
        QVERIFY(list->visibleRegion().boundingRect().height() >= 3 * 20);
        // The site lists lie beside the site fields, in sight too.
        w.window->pages()->setCurrentIndex(2);
        QApplication::processEvents();
        for (const char* name : {"Button1", "Button2", "Button12", "Button13"})
            QVERIFY2(wholeInSight(w.find<QWidget>(name)), name);
        for (const char* name : {"ListBox2", "ListBox3"})
            QVERIFY2(w.find<QWidget>(name)->visibleRegion().boundingRect().height() >= 2 * 20, name);
    }

    void closingAsksBeforeWorkIsLost()
    {
        Window w;
        w.open(1);
        w.window->close();  // nothing typed: no question
        QVERIFY(!w.window->isVisible());
        QVERIFY(!showed(w.f.dialogs, messages::kCloseWithUnsavedWork));

        w.window->show();
        QTest::keyClicks(w.find<QLineEdit>("Edit4"), "Taro Tsukimi");
        w.f.dialogs.saveChoices = {SaveChoice::Cancel};
        w.trigger("FileExit");
        QVERIFY(w.window->isVisible());
        QCOMPARE(w.find<QLineEdit>("Edit4")->text(), QStringLiteral("Taro Tsukimi"));

        // Save, but the save dialog is cancelled: the window stays.
        w.f.dialogs.saveChoices = {SaveChoice::Save};
        w.f.dialogs.saveNames = {std::nullopt};
        w.window->close();
        QVERIFY(w.window->isVisible());

        // Save and saved: the file holds the work and the window closes.
        w.f.dialogs.saveChoices = {SaveChoice::Save};
        w.f.dialogs.saveNames = {std::string("/reports/new.LOR")};
        w.window->close();
        QVERIFY(!w.window->isVisible());
        QVERIFY(w.f.files.files["/reports/new.LOR"].find("Representative Taro Tsukimi\r\n") != std::string::npos);

        w.window->show();
        QTest::keyClicks(w.find<QLineEdit>("Edit4"), "x");
        w.f.dialogs.saveChoices = {SaveChoice::Discard};
        w.window->close();
        QVERIFY(!w.window->isVisible());
        QVERIFY(w.f.dialogs.saveChoices.empty());

        // A report opened and left as it was closes without a question; a
        // hand edit of the output text counts as work.
        w.window->show();
        w.openReport(reportWith({plainRecord(1)}));
        w.window->close();
        QVERIFY(!w.window->isVisible());
        w.window->show();
        w.window->pages()->setCurrentIndex(4);
        QTest::keyClicks(w.find<QPlainTextEdit>("Memo1"), "x");
        w.f.dialogs.saveChoices = {SaveChoice::Cancel};
        w.window->close();
        QVERIFY(w.window->isVisible());
    }

    void aFileGivenOrDroppedOpensAsOpenDoes()
    {
        Window w;
        w.open(1);
        Report report = reportWith({plainRecord(1)});
        report.representative = "Taro Tsukimi";
        w.f.files.files["/reports/given.LOR"] = buildReportText(report);
        w.window->openFromCommandLine({QStringLiteral("selen"), QStringLiteral("/reports/given.LOR")});
        QCOMPARE(w.find<QLineEdit>("Edit4")->text(), QStringLiteral("Taro Tsukimi"));
        QVERIFY(w.window->windowTitle().endsWith(QStringLiteral("[given.LOR]") + shell::fromUtf8(messages::kTitleTail)));

        // A file that cannot be read: the open command's message, nothing opened.
        w.f.files.unreadable.insert("/reports/locked.LOR");
        w.window->openFromCommandLine({QStringLiteral("selen"), QStringLiteral("/reports/locked.LOR")});
        QCOMPARE(w.f.dialogs.errors.size(), std::size_t{1});
        QVERIFY(w.window->windowTitle().contains(QStringLiteral("[given.LOR]")));

        // Dropped with unsaved work: asked first; No keeps the work.
        report.representative = "Hanako Tsukimi";
        w.f.files.files["/reports/dropped.LOR"] = buildReportText(report);
        QTest::keyClicks(w.find<QLineEdit>("Edit3"), "t@example.jp");
        w.f.dialogs.answers = {false};
        dropFile(w.window.get(), QStringLiteral("/reports/dropped.LOR"));
        QVERIFY(showed(w.f.dialogs, messages::kOpenDiscards));
        QCOMPARE(w.find<QLineEdit>("Edit4")->text(), QStringLiteral("Taro Tsukimi"));
        w.f.dialogs.answers = {true};
        dropFile(w.window.get(), QStringLiteral("/reports/dropped.LOR"));
        QCOMPARE(w.find<QLineEdit>("Edit4")->text(), QStringLiteral("Hanako Tsukimi"));
        // Anything but a report is not taken.
        dropFile(w.window.get(), QStringLiteral("/reports/picture.png"));
        QVERIFY(w.window->windowTitle().contains(QStringLiteral("[dropped.LOR]")));
    }

    void theMenusAnswerTheStandardKeys()
    {
        Window w;
        w.open(1);
        const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
            {"FileNew", QKeySequence::New}, {"FileOpen", QKeySequence::Open},
            {"FileSave", QKeySequence::Save}, {"FileExit", QKeySequence::Quit}};
        for (const auto& [name, key] : keys)
            QCOMPARE(w.find<QAction>(name)->shortcut(), QKeySequence(key));
        QVERIFY(w.find<QAction>("EditBlank")->isSeparator());

        Window::focus(w.find<QLineEdit>("Edit2"));
        QTest::keyClicks(QApplication::focusWidget(), "Hachioji");
        w.f.dialogs.saveNames = {std::string("/reports/keys.LOR")};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(w.f.files.files.count("/reports/keys.LOR") == 1);
        w.f.dialogs.answers = {true};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(w.find<QLineEdit>("Edit2")->text(), QString());
    }

    void theWindowKeepsItsSizeAndPlaceWithinTheScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        auto first = std::make_unique<Window>();
        first->open(1);
        const QRect chosen(screen.left() + 30, screen.top() + 20, screen.width() / 2, screen.height() / 2);
        first->window->move(chosen.topLeft());
        first->window->resize(chosen.size());
        first->window->close();
        const WindowGeometry recorded = *loadWindowGeometry(first->f.settings);
        QCOMPARE(QRect(recorded.x, recorded.y, recorded.width, recorded.height), chosen);

        const std::map<std::string, std::string> settingsFile = first->f.files.files;
        first.reset();
        Window again;
        again.f.files.files = settingsFile;
        again.open(1);
        QCOMPARE(QRect(again.window->pos(), again.window->size()), chosen);

        // A place on a screen that is no longer there comes back within this one.
        Window moved;
        QVERIFY(saveWindowGeometry(moved.f.settings, WindowGeometry{screen.right() + 5000, -4000, screen.width() * 2,
                                                                    screen.height() / 2, false}));
        moved.open(1);
        QVERIFY(screen.contains(moved.window->pos()));
        QVERIFY(moved.window->width() <= screen.width());
        QCOMPARE(moved.window->height(), screen.height() / 2);
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
