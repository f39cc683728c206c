// The window driven by keyboard and mouse only: the highlighted record is
// the one edited, a choice picked again changes nothing, keys move as the
// pages' key tables say, and no key ever costs text already entered.
#include "WindowFixture.h"

#include "editor/Messages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

using namespace selen;
using namespace selen::test;

namespace {

using namespace selen::columns;

// A plain record of day `day` (two digits).
ObservationItem dated(int n, const std::string& day)
{
    return record({{kDay, day}}, plainRecord(n));
}

QListView* observationList(Window& w) { return w.find<QListView>("ListBox4"); }

void clickRow(QAbstractItemView* list, int row)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void clickButton(Window& w, const char* name) { QTest::mouseClick(w.find<QPushButton>(name), Qt::LeftButton); }

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void theHighlightedRecordIsTheOneEditedAndDeleted()
    {
        Window w;
        w.open(3);
        w.openReport(reportWith({dated(1, "01"), dated(2, "02"), dated(3, "03")}));
        QListView* list = observationList(w);
        Window::focus(w.find<QLineEdit>("Edit27"));  // the minute: the field Enter in the list returns to
        key(Qt::Key_F2);
        QCOMPARE(Window::focused(), QStringLiteral("ListBox4"));
        key(Qt::Key_Down);
        QCOMPARE(w.find<QLineEdit>("Edit25")->text(), QStringLiteral("02"));
        key(Qt::Key_Return);
        QCOMPARE(Window::focused(), QStringLiteral("Edit27"));
        key(Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), "9");
        QCOMPARE(w.record(1).substr(6, 6), std::string("021219"));  // day 02, hour 12, minute 19
        QCOMPARE(w.record(0).substr(6, 6), std::string("011111"));  // the first record is untouched

        key(Qt::Key_F2);
        key(Qt::Key_Down);
        QCOMPARE(list->currentIndex().row(), 2);
        clickButton(w, "DeleteButton");
        QCOMPARE(w.f.session.report().observations.size(), std::size_t{2});
        QCOMPARE(w.record(0).substr(6, 2), std::string("01"));
        QCOMPARE(w.record(1).substr(6, 2), std::string("02"));

        // Home, End, PgUp/PgDn, a click and the program's own move all select
        // the record they highlight, and the fields show it.
        w.openReport(reportWith({dated(1, "01"), dated(2, "02"), dated(3, "03"), dated(4, "04")}));
        key(Qt::Key_F2);
        const std::function<void()> moves[] = {
            [] { key(Qt::Key_End); },      [] { key(Qt::Key_Home); },
            [] { key(Qt::Key_PageDown); }, [] { key(Qt::Key_PageUp); },
            [&] { clickRow(list, 2); },    [&] { clickButton(w, "UpButton"); },
        };
        std::vector<int> rows;
        for (const auto& move : moves) {
            move();
            const int row = list->currentIndex().row();
            rows.push_back(row);
            QCOMPARE(w.f.session.observations.selected(), static_cast<std::size_t>(row));
            QCOMPARE(w.find<QLineEdit>("Edit25")->text().toStdString(), w.record(static_cast<std::size_t>(row)).substr(6, 2));
        }
        QCOMPARE(rows[0], 3);
        QCOMPARE(rows[1], 0);
        QVERIFY(rows[2] > 0);
        QCOMPARE(rows[3], 0);
        QCOMPARE(rows[4], 2);
        QCOMPARE(rows[5], 1);  // the record of day 03 moved up and stays selected
        QCOMPARE(w.record(1).substr(6, 2), std::string("03"));
    }

    void theSiteAndObserverListsSelectWhatTheyHighlight()
    {
        Window w;
        w.open(2);
        Report report = reportWith({plainRecord(1)});
        report.sites = {SiteLine::create(0), SiteLine::create(1)};
        report.sites[0].setLongitudeDegrees("139");
        report.sites[1].setLongitudeDegrees("12");
        report.observers = {ObserverLine::create(0), ObserverLine::create(1)};
        report.observers[0].setName("T. Tsukimi");
        report.observers[1].setName("H. Hoshino");
        w.openReport(report);
        for (const auto& [listName, field, first, second] :
             {std::tuple{"ListBox2", "Edit9", "139", "12"}, std::tuple{"ListBox3", "Edit19", "T. Tsukimi", "H. Hoshino"}}) {
            auto* list = w.find<QListWidget>(listName);
            clickRow(list, 0);
            QCOMPARE(w.find<QLineEdit>(field)->text(), QString::fromLatin1(first));
            QCOMPARE(Window::focused(), QString::fromLatin1(listName));
            key(Qt::Key_Down);
            QCOMPARE(w.find<QLineEdit>(field)->text(), QString::fromLatin1(second));
        }
        // The highlighted line is the one the fields now edit.
        Window::focus(w.find<QLineEdit>("Edit19"));
        key(Qt::Key_End);
        key(Qt::Key_X);
        QCOMPARE(w.observer(1).substr(4, 11), std::string("H. Hoshinox"));
        QCOMPARE(w.observer(0).substr(4, 10), std::string("T. Tsukimi"));
    }

    void aChoicePickedAgainChangesNothing()
    {
        Window w;
        w.open(3);
        // Every coded column holds a code no list entry has, so each list shows
        // its entry 0: a rule run by a re-pick would write a blank over it.
        const ObservationItem odd = record({{kCatalogue, "Z"}, {kPhenomenon, "Z"}, {kLimb, "Z"},
                                            {kPersonalEquationWhole, "3"}, {kPersonalEquationPoint, "."},
                                            {kPersonalEquationFraction, "5"}, {kPersonalEquationApplication, "Z"},
                                            {kTimingMethod1, "Z"}, {kTimingMethod2, "Z"}, {kTimeSource, "Z"},
                                            {kDoubleStarComponent, "Z"}, {kDurationWhole, "1"}, {kDurationPoint, "."},
                                            {kDurationFraction, "5"}, {kLightLevel, "Z"}, {kSkyStability, "Z"},
                                            {kSkyTransparency, "Z"}, {kRemarks, "Z"}, {kSite, "Z"}, {kObserver, "Z"}},
                                           plainRecord(1));
        // Timing method S with its personal equation, catalogue A with asteroid
        // 433, timing method G with a changed application.
        const ObservationItem timedS = record({{kPersonalEquationWhole, "3"}, {kPersonalEquationPoint, "."},
                                               {kPersonalEquationFraction, "5"}, {kPersonalEquationApplication, " "},
                                               {kTimingMethod1, "S"}},
                                              plainRecord(2));
        const ObservationItem asteroid = record({{kCatalogue, "A"}, {kObjectNumber, "   433"}}, plainRecord(3));
        const ObservationItem videoG = record({{kPersonalEquationApplication, "S"}, {kTimingMethod1, "G"}}, plainRecord(4));
        Report report = reportWith({odd, timedS, asteroid, videoG});
        report.sites[0].setTelescopeType("X");
        report.sites[0].setMount("Z");
        report.sites[0].setDrive("Z");
        report.sites[0].setHorizontalDatum("99");
        w.openReport(report);
        const std::string before = buildReportText(w.f.session.report());

        QWidget* observations = w.window->pages()->widget(3);
        for (std::size_t row = 0; row < 4; ++row) {
            clickRow(observationList(w), static_cast<int>(row));
            for (QComboBox* box : observations->findChildren<QComboBox*>()) {
                if (box->isEnabled() && box->isVisible())
                    repick(box);
            }
        }
        w.window->pages()->setCurrentIndex(2);
        for (QComboBox* box : w.window->pages()->widget(2)->findChildren<QComboBox*>())
            repick(box);
        QCOMPARE(buildReportText(w.f.session.report()), before);

        // A stepped satellite number stays when its planet is picked again.
        w.window->pages()->setCurrentIndex(3);
        clickRow(observationList(w), 0);
        auto* catalogue = w.find<QComboBox>("ComboBox6");
        Window::focus(catalogue);
        key(Qt::Key_End);  // P, planets
        auto* planet = w.find<QComboBox>("ComboBox7");
        Window::focus(planet);
        for (int i = 0; i < 4; ++i)
            key(Qt::Key_Down);  // Jupiter
        auto* number = w.find<QLineEdit>("Edit33");
        Window::focus(number);
        for (int i = 0; i < 3; ++i)
            key(Qt::Key_Up);
        repick(planet);
        QCOMPARE(number->text(), QStringLiteral("5003"));
        QCOMPARE(w.record(0).substr(18, 7), std::string("P  5003"));
    }

    void aKeyPastTheLimitIsRefusedAndTextIsNeverCut()
    {
        // Every text field of every page: a full field refuses a key at its
        // start, middle and end and a paste at its start; a paste into a field
        // with room takes what fits and keeps the rest. Where the field writes
        // a line, `column` and `bytes` are what the full field wrote.
        struct Row {
            int page;
            const char* field;
            QString full;
            char key;
            QString afterPaste;  // one character short of full, then `key` pasted three times at the start
            char line;           // 'R' record, 'S' site line, 'O' observer line, 0 none
            std::size_t column;
            const char* bytes;
            std::function<void(Window&)> prepare = {};
        };
        const auto chooseLine = [](const char* box, int downs) {
            return [box, downs](Window& w) {
                auto* list = w.find<QComboBox>(box);
                Window::focus(list);
                key(Qt::Key_Home);
                for (int i = 0; i < downs; ++i)
                    key(Qt::Key_Down);
            };
        };
        const QString p50(50, 'p'), e60(60, 'e'), r60(60, 'r'), n25(25, 'n'), m45(45, 'm'), c55(55, 'c');
        const std::vector<Row> rows = {
            {1, "Edit2", p50, 'x', "x" + p50.left(49), 0, 0, ""},
            {1, "Edit3", e60, 'x', "x" + e60.left(59), 0, 0, ""},
            {1, "Edit4", r60, 'x', "x" + r60.left(59), 0, 0, ""},
            {2, "Edit9", "180", '1', "118", 'S', 22, "180"},
            {2, "Edit10", "59", '1', "15", 'S', 25, "59"},
            {2, "Edit11", "59", '1', "15", 'S', 27, "59"},
            {2, "Edit21", "5", '1', "1", 'S', 29, ".5  "},
            {2, "Edit12", "90", '1', "19", 'S', 34, "90"},
            {2, "Edit13", "59", '1', "15", 'S', 36, "59"},
            {2, "Edit14", "59", '1', "15", 'S', 38, "59"},
            {2, "Edit22", "5", '1', "1", 'S', 40, ".5 "},
            {2, "Edit15", "1234", '5', "5123", 'S', 47, "1234"},
            {2, "Edit16", "5", '1', "1", 'S', 51, ".5"},
            {2, "Edit17", "1234", '5', "5123", 'S', 9, "1234"},
            {2, "Edit18", "1234", '5', "5123", 'S', 15, "1234"},
            {2, "Edit19", n25, 'x', "x" + n25.left(24), 'O', 5, "nnnnnnnnnnnnnnnnnnnnnnnnn"},
            {2, "Edit20", m45, 'x', "x" + m45.left(44), 'O', 31, "mmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmm"},
            {3, "Edit23", "2024", '1', "1202", 'R', 1, "2024"},
            {3, "Edit24", "12", '1', "11", 'R', 5, "12"},
            {3, "Edit25", "31", '1', "13", 'R', 7, "31"},
            {3, "Edit26", "24", '1', "12", 'R', 9, "24"},
            {3, "Edit27", "60", '1', "16", 'R', 11, "60"},
            {3, "Edit28", "60", '1', "16", 'R', 13, "60"},
            {3, "Edit29", "123", '4', "412", 'R', 15, ".123"},
            {3, "Edit30", "123456", '9', "912345", 'R', 20, "123456"},
            {3, "Edit41", "5", '6', "6", 'R', 30, "5"},
            {3, "Edit42", "12", '3', "31", 'R', 31, ".12"},
            {3, "Edit35", "5", '6', "6", 'R', 38, "5"},
            {3, "Edit36", "123", '4', "412", 'R', 39, ".123"},
            {3, "Edit39", "5", '6', "6", 'R', 48, "5"},
            {3, "Edit40", "123", '4', "412", 'R', 49, ".123"},
            {3, "Edit32", "b", 'c', "c", 'R', 26, "b"},
            {3, "Edit43", "-12", '3', "3-1", 'R', 57, "-12"},
            {3, "Edit44", c55, 'x', "x" + c55.left(54), 'R', 63, "ccccccccccccccccccccccccccccccccccccccccccccccccccccccc"},
            {3, "Edit37", "5", '6', "6", 'R', 44, "5", chooseLine("ComboBox8", 1)},  // timing method G
            {3, "Edit38", "5", '6', "6", 'R', 45, ".5", chooseLine("ComboBox8", 1)},
            {3, "Edit31", "1234", '5', "5123", 'R', 63, "G1234", chooseLine("ComboBox6", 4)},  // catalogue U
            {3, "Edit45", "12345", '6', "61234", 'R', 68, "12345", chooseLine("ComboBox6", 4)},
            {3, "Edit34", "12345", '6', "61234", 'R', 20, " 12345", chooseLine("ComboBox6", 5)},  // asteroid
        };
        Window w;
        w.open(1);
        for (const Row& row : rows) {
            w.window->pages()->setCurrentIndex(row.page);
            if (row.prepare)
                row.prepare(w);
            auto* edit = w.find<QLineEdit>(row.field);
            Window::focus(edit);
            const auto clear = [edit] {
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Backspace);
            };
            clear();
            QTest::keyClicks(edit, row.full);
            QCOMPARE(edit->text(), row.full);
            for (int at : {0, static_cast<int>(row.full.size() / 2), static_cast<int>(row.full.size())}) {
                edit->setCursorPosition(at);
                QTest::keyClick(edit, row.key);
                QVERIFY2(edit->text() == row.full, row.field);
            }
            QApplication::clipboard()->setText(QString(3, QChar(row.key)));
            edit->setCursorPosition(0);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QVERIFY2(edit->text() == row.full, row.field);
            if (row.line) {
                const std::string held = row.line == 'R' ? w.record(0) : row.line == 'S' ? w.site(0) : w.observer(0);
                QCOMPARE(held.substr(row.column - 1, std::strlen(row.bytes)), std::string(row.bytes));
            }
            clear();
            QTest::keyClicks(edit, row.full.left(row.full.size() - 1));
            edit->setCursorPosition(0);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QVERIFY2(edit->text() == row.afterPaste, row.field);
        }

        // A double-byte character never goes in half: one byte short of the
        // limit, a kanji is refused whole.
        for (const auto& [page, field, limit] : {std::tuple{1, "Edit2", 50}, std::tuple{2, "Edit19", 25},
                                                 std::tuple{3, "Edit44", 55}}) {
            w.window->pages()->setCurrentIndex(page);
            auto* edit = w.find<QLineEdit>(field);
            Window::focus(edit);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, QString(limit - 1, 'a'));
            typeText(edit, QStringLiteral("月"));
            QCOMPARE(edit->text(), QString(limit - 1, 'a'));
            edit->setCursorPosition(0);
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClick(edit, Qt::Key_Delete);
            typeText(edit, QStringLiteral("月"));
            QCOMPARE(edit->text(), QStringLiteral("月") + QString(limit - 2, 'a'));
        }
    }

    void aLoadedOverLongTextLosesOnlyWhatTheUserDeletes()
    {
        Window w;
        w.open(1);
        Report report = reportWith({plainRecord(1)});
        report.placeName = std::string(59, 'p');  // written by hand, past the field's 50
        report.sites[0].setLongitudeDecimals("34");  // surveyed, while the box is not ticked
        w.openReport(report);
        auto* place = w.find<QLineEdit>("Edit2");
        Window::focus(place);
        place->end(false);
        QTest::keyClick(place, 'x');
        QCOMPARE(place->text(), QString(59, 'p'));
        QTest::keyClick(place, Qt::Key_Backspace);
        QCOMPARE(place->text(), QString(58, 'p'));
        QCOMPARE(w.f.session.report().placeName, std::string(58, 'p'));

        w.window->pages()->setCurrentIndex(2);
        auto* decimals = w.find<QLineEdit>("Edit21");
        Window::focus(decimals);
        decimals->end(false);
        QTest::keyClick(decimals, '5');
        QCOMPARE(decimals->text(), QStringLiteral("34"));
        QCOMPARE(w.site(0).substr(28, 4), std::string(".34 "));
        QTest::keyClick(decimals, Qt::Key_Backspace);
        QCOMPARE(w.site(0).substr(28, 4), std::string(".3  "));
    }

    void keysMoveAsTheKeyTablesSay()
    {
        Window w;
        w.open(3);
        // Left in the phenomenon and limb lists goes back a field.
        Window::focus(w.find<QComboBox>("ComboBox29"));
        key(Qt::Key_Left);
        QCOMPARE(Window::focused(), QStringLiteral("ComboBox28"));
        key(Qt::Key_Left);
        QCOMPARE(Window::focused(), QStringLiteral("Edit29"));

        // The datum and telescope type put their choice before they jump.
        Report report = reportWith({plainRecord(1)});
        report.sites[0].setHorizontalDatum("99");
        report.sites[0].setTelescopeType("X");
        w.openReport(report);
        w.window->pages()->setCurrentIndex(2);
        Window::focus(w.find<QComboBox>("ComboBox1"));
        key(Qt::Key_Right);
        QCOMPARE(Window::focused(), QStringLiteral("ComboBox3"));
        QCOMPARE(w.site(0).substr(43, 2), std::string("84"));
        key(Qt::Key_Left);
        QCOMPARE(Window::focused(), QStringLiteral("ComboBox1"));
        QCOMPARE(w.site(0).substr(4, 1), std::string(" "));
        // Enter in the datum goes on to the route buttons, which Tab reaches.
        key(Qt::Key_Return);
        QCOMPARE(Window::focused(), QStringLiteral("Button19"));
        key(Qt::Key_Tab);
        QCOMPARE(Window::focused(), QStringLiteral("Button20"));

        // "." in whole seconds goes to their decimals, as "28.9" is typed.
        Window::focus(w.find<QLineEdit>("Edit11"));
        QTest::keyClicks(QApplication::focusWidget(), "28.");
        QTest::keyClicks(QApplication::focusWidget(), "9");
        QCOMPARE(w.find<QLineEdit>("Edit11")->text(), QStringLiteral("28"));
        QCOMPARE(w.find<QLineEdit>("Edit21")->text(), QStringLiteral("9"));
        QCOMPARE(w.site(0).substr(26, 6), std::string("28.9  "));
        Window::focus(w.find<QLineEdit>("Edit14"));
        QTest::keyClicks(QApplication::focusWidget(), "7.");
        QCOMPARE(Window::focused(), QStringLiteral("Edit22"));

        // Enter in the observer's name moves on, so the e-mail lands in its own field.
        Window::focus(w.find<QLineEdit>("Edit19"));
        QTest::keyClicks(QApplication::focusWidget(), "T. Tsukimi");
        key(Qt::Key_Return);
        QCOMPARE(Window::focused(), QStringLiteral("Edit20"));
        QTest::keyClicks(QApplication::focusWidget(), "t@example.jp");
        key(Qt::Key_Return);
        QCOMPARE(w.observer(0).substr(0, 42), std::string("OA  T. Tsukimi                t@example.jp"));

        // The header's two buttons are tab stops after the message.
        w.window->pages()->setCurrentIndex(1);
        Window::focus(w.find<QPlainTextEdit>("Memo4"));
        key(Qt::Key_Tab);
        QCOMPARE(Window::focused(), QStringLiteral("Button6"));
        key(Qt::Key_Tab);
        QCOMPARE(Window::focused(), QStringLiteral("Button18"));
    }

    void aRefusedPageChangeNeverShowsTheOtherPage()
    {
        Window w;
        w.open(3);
        w.openReport(reportWith({dated(1, "01"), dated(2, "02")}));
        clickButton(w, "AddButton");  // a third record, without a year yet
        clickRow(observationList(w), 0);
        QWidget* observations = w.window->pages()->widget(3);
        std::vector<QWidget*> shownWhileAsking;
        w.f.dialogs.onShow = [&](const std::string&) { shownWhileAsking.push_back(w.window->pages()->currentWidget()); };
        QTabBar* tabs = w.window->pages()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(shownWhileAsking, std::vector<QWidget*>{observations});
        QVERIFY(showed(w.f.dialogs, messages::kYearMissing));
        QCOMPARE(w.window->pages()->currentIndex(), 3);
        // The record without a year is shown, its year field ready for the key.
        QCOMPARE(w.f.session.observations.selected(), std::size_t{2});
        QTRY_COMPARE(Window::focused(), QStringLiteral("Edit23"));
        QTest::keyClicks(QApplication::focusWidget(), "2025");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(w.window->pages()->currentIndex(), 1);
    }

    void theNextKeyAfterAddingARecordIsItsYear()
    {
        Window w;
        w.open(3);
        w.openReport(reportWith({dated(1, "01")}));
        for (const char* button : {"AddButton", "CopyButton"}) {
            Window::focus(w.find<QLineEdit>("Edit29"));
            clickButton(w, button);
            QCOMPARE(Window::focused(), QStringLiteral("Edit23"));
            if (std::string(button) == "AddButton")
                QTest::keyClicks(QApplication::focusWidget(), "2025");
        }
        QCOMPARE(w.record(1).substr(0, 4), std::string("2025"));

        // The graze box moves on with Enter like the fields around it; Space ticks it.
        Window::focus(w.find<QComboBox>("ComboBox29"));
        key(Qt::Key_Return);
        QCOMPARE(Window::focused(), QStringLiteral("CheckBox2"));
        key(Qt::Key_Space);
        QVERIFY(w.find<QCheckBox>("CheckBox2")->isChecked());
        QCOMPARE(w.record(w.f.session.observations.selected()).substr(28, 1), std::string("G"));
        key(Qt::Key_Return);
        QCOMPARE(Window::focused(), QStringLiteral("ComboBox6"));
    }

    void theImportWindowShowsWhatItTransfers()
    {
        Window w;
        w.open(3);
        // Two listings of the same length that begin alike.
        w.f.files.files["/p/july.txt"] = "Occultation predictions\r\n24 Jul  5 12 34 56 D   1234\r\n24 Jul  5 13 01 02 r X12345\r\n";
        w.f.files.files["/p/august.txt"] = "Occultation predictions\r\n24 Aug  6 14 10 00 R   5678\r\n24 Aug  6 15 20 00 D   4321\r\n";
        w.trigger("ToolsImport");
        auto* window = w.window->findChild<QDialog*>(QStringLiteral("TForm2"));
        w.trigger("ToolsImport");  // no second window
        QCOMPARE(w.window->findChildren<QDialog*>(QStringLiteral("TForm2")).size(), 1);
        auto* load = window->findChild<QPushButton*>(QStringLiteral("Button2"));
        auto* list = window->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        w.f.dialogs.openNames = {std::string("/p/july.txt")};
        QTest::mouseClick(load, Qt::LeftButton);
        QCOMPARE(list->currentRow(), 1);  // the first event line
        QCOMPARE(w.f.settings.read("FilePath", "PredictionDirectory"), std::string("/p"));
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        QCOMPARE(w.record(0).substr(0, 28), std::string("202407051234      R  1234 DD"));  // without its seconds
        list->setCurrentRow(2);  // an XZ star, reappearance
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        QCOMPARE(w.record(0).substr(0, 28), std::string("202407051301      X 12345 RD"));
        w.f.dialogs.openNames = {std::string("/p/august.txt")};
        QTest::mouseClick(load, Qt::LeftButton);
        QCOMPARE(list->item(1)->text(), QStringLiteral("24 Aug  6 14 10 00 R   5678"));
        // The arrows choose the event; Enter does nothing (no paste over the listing).
        window->activateWindow();
        Window::focus(list);
        QApplication::clipboard()->setText(QStringLiteral("not a listing"));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(list->count(), 3);
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("Edit4"))->text(), QStringLiteral("15"));
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        QCOMPARE(w.record(0).substr(0, 28), std::string("202408061520      R  4321 DD"));
        QTest::keyClick(list, Qt::Key_F1);
        QCOMPARE(w.f.help.topics, std::vector<int>{71});
        window->close();
        QTRY_VERIFY(w.window->findChildren<QDialog*>(QStringLiteral("TForm2")).isEmpty());
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
