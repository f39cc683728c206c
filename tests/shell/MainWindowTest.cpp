// The real main window over fake dialogs and an in-memory file system,
// driven as a user would: typing, switching pages, menu commands.
#include "WindowFixture.h"

#include "editor/Messages.h"
#include "shell/Cp932Text.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

#include <map>

using namespace selen;
using namespace selen::test;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheHeaderPageWithTheImportItemDisabled()
    {
        Window w;
        w.open();
        QCOMPARE(w.window->pages()->currentIndex(), 1);
        QVERIFY(!w.find<QAction>("ToolsImport")->isEnabled());
        QVERIFY(!w.find<QAction>("ToolsSettings")->isEnabled());
        QCOMPARE(w.window->windowTitle(), shell::fromUtf8(messages::kTitleHead) + shell::fromUtf8(messages::kTitleTail));
        QCOMPARE(w.window->pages()->tabText(3), QStringLiteral("観測結果"));

        Window recorded;  // the page the settings file records, with its menu item
        recorded.open(3);
        QCOMPARE(recorded.window->pages()->currentIndex(), 3);
        QVERIFY(recorded.find<QAction>("ToolsImport")->isEnabled());
    }

    void typingIntoTheHeaderReachesThePreviewAndTheOutputPage()
    {
        Window w;
        w.open();
        auto* place = w.find<QLineEdit>("Edit2");
        place->setFocus();
        QTest::keyClicks(place, "Hachioji, Tokyo, Japan");
        QCOMPARE(w.preview(0), QStringLiteral("Place name     Hachioji, Tokyo, Japan"));
        QTest::keyClick(place, Qt::Key_Return);  // moves on to the e-mail field
        QTRY_VERIFY(w.find<QLineEdit>("Edit3")->hasFocus());
        QTest::keyClicks(w.find<QLineEdit>("Edit3"), "taro@example.jp");
        QCOMPARE(w.preview(1), QStringLiteral("Email address  taro@example.jp"));

        w.window->pages()->setCurrentIndex(4);
        const QString out = w.find<QPlainTextEdit>("Memo1")->toPlainText();
        QVERIFY(out.startsWith(QStringLiteral("Place name     Hachioji, Tokyo, Japan\nEmail address  taro@example.jp\n\nTA")));
        QCOMPARE(w.f.settings.read("Page", "CurrentPage"), std::string("4"));
    }

    void aFieldTakesNoMoreThanItsLimitAndNoCharacterOutsideCp932()
    {
        Window w;
        w.open();
        auto* place = w.find<QLineEdit>("Edit2");
        place->setFocus();
        QTest::keyClicks(place, QString(60, QChar('x')));
        QCOMPARE(place->text(), QString(50, QChar('x')));
        place->clear();
        typeText(place, QStringLiteral("月"));
        typeText(place, QStringLiteral("🌙"));
        QCOMPARE(place->text(), QStringLiteral("月"));
        QTRY_VERIFY(showed(w.f.dialogs, messages::withValue(messages::kCharacterRefused, "🌙")));
    }

    void newAsksAndEmptiesTheFields()
    {
        Window w;
        w.open();
        QTest::keyClicks(w.find<QLineEdit>("Edit4"), "Taro Tsukimi");
        w.f.dialogs.answers = {false};
        w.trigger("FileNew");
        QCOMPARE(w.find<QLineEdit>("Edit4")->text(), QStringLiteral("Taro Tsukimi"));
        w.f.dialogs.answers = {true};
        w.trigger("FileNew");
        QCOMPARE(w.find<QLineEdit>("Edit4")->text(), QString());
        QCOMPARE(w.preview(2), QString());
    }

    void openedReportSavesBackByteIdentical()
    {
        Window w;
        w.open();
        Report report = reportWith({plainRecord(1), plainRecord(2)});
        report.representative = "Taro Tsukimi";
        report.optionsMessage = {"Video at 30 fps.", "", "Sky fair."};
        const std::string bytes = buildReportText(report);
        w.f.files.files[kReportPath] = bytes;
        w.f.dialogs.openNames = {kReportPath};
        w.trigger("FileOpen");
        QCOMPARE(w.find<QLineEdit>("Edit4")->text(), QStringLiteral("Taro Tsukimi"));
        QVERIFY(w.window->windowTitle().contains(QStringLiteral("[0712.LOR]")));
        w.window->pages()->setCurrentIndex(3);
        QCOMPARE(w.find<QListView>("ListBox4")->model()->rowCount(), 2);

        w.f.dialogs.saveNames = {"/reports/copy.LOR"};
        w.trigger("FileSave");
        QCOMPARE(w.f.files.files["/reports/copy.LOR"], bytes);
        QVERIFY(w.window->windowTitle().contains(QStringLiteral("[copy.LOR]")));
    }

    void selectAllAndCopyOnTheOutputEditorTakeTheWholeReport()
    {
        Window w;
        QVERIFY(static_cast<bool>(w.f.settings.write("Page", "CurrentPage", "4")));
        w.open();
        auto* output = w.find<QPlainTextEdit>("Memo1");
        output->setFocus();
        QTRY_VERIFY(output->hasFocus());
        w.trigger("EditSelectAll");
        w.trigger("EditCopy");
        QCOMPARE(QApplication::clipboard()->text(), output->toPlainText());
        QVERIFY(!output->toPlainText().isEmpty());

        // The options-page message editor is not served by the Edit menu.
        QApplication::clipboard()->clear();
        w.window->pages()->setCurrentIndex(5);
        auto* message = w.find<QPlainTextEdit>("Memo3");
        message->setFocus();
        QTest::keyClicks(message, "note");
        w.trigger("EditSelectAll");
        w.trigger("EditCopy");
        QCOMPARE(QApplication::clipboard()->text(), QString());
    }

    void anObservationTypedWithTheKeyboardReachesItsColumns()
    {
        Window w;
        QVERIFY(static_cast<bool>(w.f.settings.write("Page", "CurrentPage", "3")));
        w.open();
        auto* year = w.find<QLineEdit>("Edit23");
        QCOMPARE(year->text(), QStringLiteral("2026"));  // preset from the clock
        auto* month = w.find<QLineEdit>("Edit24");
        month->setFocus();
        QTRY_VERIFY(month->hasFocus());
        // Month, day, hour, minute, second, then "." jumps to the fraction.
        QTest::keyClicks(month, "7");
        QTest::keyClick(month, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "13");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit26"));
        QTest::keyClicks(QApplication::focusWidget(), "25");  // above 24: the 5 is refused
        QCOMPARE(w.find<QLineEdit>("Edit26")->text(), QStringLiteral("2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "34");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClicks(QApplication::focusWidget(), "56.");
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit29"));
        QTest::keyClicks(QApplication::focusWidget(), "5");

        const QString row = w.find<QListView>("ListBox4")->model()->index(0, 0).data().toString();
        QCOMPARE(row.mid(4, 18), QStringLiteral("20260713023456.5  "));
        const QColor filled(240, 240, 255);
        QCOMPARE(month->palette().color(QPalette::Base), filled);
        QCOMPARE(w.find<QLineEdit>("Edit30")->palette().color(QPalette::Base), QColor(255, 255, 255));

        // A choice from a list writes its code; the catalogue brings the star number.
        auto* catalogue = w.find<QComboBox>("ComboBox6");
        catalogue->setFocus();
        QTest::keyClick(catalogue, Qt::Key_Down);  // R ZC
        auto* star = w.find<QLineEdit>("Edit30");
        star->setFocus();
        QTest::keyClicks(star, "12a34");
        QCOMPARE(star->text(), QStringLiteral("1234"));

        w.window->pages()->setCurrentIndex(4);
        const QString out = w.find<QPlainTextEdit>("Memo1")->toPlainText();
        QVERIFY2(out.contains(QStringLiteral("\n20260713023456.5  R  1234")), qPrintable(out));
    }

    void theObjectGroupGreysTheCaptionsOfGroupsNotInUse()
    {
        Window w;
        w.open(3);
        auto captionColour = [&w](const char* name) {
            return w.find<QLabel>(name)->palette().color(QPalette::WindowText);
        };
        const QColor black(0, 0, 0), grey(0x80, 0x80, 0x80);
        QCOMPARE(w.find<QLabel>("StarGroupCaption")->text(), QStringLiteral("恒星"));
        QCOMPARE(captionColour("StarGroupCaption"), black);
        QCOMPARE(captionColour("AsteroidGroupCaption"), grey);
        auto* catalogue = w.find<QComboBox>("ComboBox6");
        Window::focus(catalogue);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(catalogue, Qt::Key_Down);  // A, an asteroid
        QCOMPARE(captionColour("StarGroupCaption"), grey);
        QCOMPARE(captionColour("AsteroidGroupCaption"), black);
        QCOMPARE(captionColour("PlanetGroupCaption"), grey);
        QCOMPARE(w.find<QCheckBox>("CheckBox3")->palette().color(QPalette::Window), QColor(170, 255, 170));
    }

    void aSiteAndAnObserverEnteredWithTheKeyboardReachTheirLines()
    {
        Window w;
        QVERIFY(static_cast<bool>(w.f.settings.write("Page", "CurrentPage", "2")));
        w.open();
        auto* degrees = w.find<QLineEdit>("Edit9");
        degrees->setFocus();
        QTRY_VERIFY(degrees->hasFocus());
        QTest::keyClicks(degrees, "139");
        QTest::keyClick(degrees, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "5");  // minutes: written 05
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClicks(QApplication::focusWidget(), "591");  // the third digit does not fit
        QCOMPARE(w.find<QLineEdit>("Edit11")->text(), QStringLiteral("59"));
        QTest::mouseClick(w.find<QPushButton>("Label10"), Qt::LeftButton);  // to the west
        QTest::keyClicks(w.find<QLineEdit>("Edit19"), "T. Tsukimi");

        QTest::mouseClick(w.find<QPushButton>("Button1"), Qt::LeftButton);  // a second site
        QCOMPARE(w.find<QListWidget>("ListBox2")->count(), 2);
        QTest::keyClicks(w.find<QLineEdit>("Edit9"), "10");
        // Sorted by longitude text: " 10" before "139", letters by the new order.
        QTest::mouseClick(w.find<QPushButton>("Button10"), Qt::LeftButton);

        w.window->pages()->setCurrentIndex(4);
        const QString out = w.find<QPlainTextEdit>("Memo1")->toPlainText();
        auto line = [](const char* letter, const char* longitude) {
            // Columns 21-32 longitude, 33 latitude sign, 44-45 datum, 53 height datum.
            QString text = QStringLiteral("T") + letter + QString(18, ' ') + QString::fromLatin1(longitude);
            text = text.leftJustified(32, ' ') + '+';
            return text.leftJustified(43, ' ') + QStringLiteral("84") + QString(7, ' ') + 'M';
        };
        QVERIFY2(out.contains('\n' + line("A", "- 10") + '\n' + line("B", "-1390559") + '\n'), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("\nOA  T. Tsukimi\n")), qPrintable(out));
    }

    void pastedRecordLinesAreAddedUntilTheFirstThatIsNoRecord()
    {
        Window w;
        QVERIFY(static_cast<bool>(w.f.settings.write("Page", "CurrentPage", "3")));
        w.open();
        const QString record = QStringLiteral("20240705123456.78 R  1234 DD");
        w.f.session.pasteArea.edit((record + "\n" + record + "\nnot a record\n" + record).toStdString());
        QTest::mouseClick(w.find<QPushButton>("AddPastedButton"), Qt::LeftButton);
        QCOMPARE(w.find<QListView>("ListBox4")->model()->rowCount(), 3);  // the blank first record and two
        QCOMPARE(w.f.session.observations.selected(), 2u);
    }

    void aRegisteredSiteComesBackAndSlotOneAppliesAtTheNextStart()
    {
        auto window = std::make_unique<Window>();
        Window& w = *window;
        QVERIFY(static_cast<bool>(w.f.settings.write("Page", "CurrentPage", "2")));
        w.open();
        QTest::keyClicks(w.find<QLineEdit>("Edit9"), "139");
        QTest::keyClicks(w.find<QLineEdit>("Edit12"), "35");
        auto* siteRegister = w.find<QComboBox>("ComboBox20");
        siteRegister->setCurrentIndex(2);  // slot 2
        emit siteRegister->activated(2);
        QCOMPARE(siteRegister->currentIndex(), 0);  // back to its first line
        QTest::keyClicks(w.find<QLineEdit>("Edit9"), "0");  // 1390 is too large: stays 139
        w.find<QLineEdit>("Edit9")->clear();
        QTest::keyClicks(w.find<QLineEdit>("Edit9"), "12");
        auto* siteRecall = w.find<QComboBox>("ComboBox21");
        siteRecall->setCurrentIndex(2);
        emit siteRecall->activated(2);
        QCOMPARE(w.find<QLineEdit>("Edit9")->text(), QStringLiteral("139"));
        QCOMPARE(QString::fromStdString(w.f.session.report().sites[0].text().substr(20, 3)), QStringLiteral("+13"));

        // The default observer (slot 1), then a new start over the same settings file.
        QTest::keyClicks(w.find<QLineEdit>("Edit19"), "T. Tsukimi");
        auto* observerRegister = w.find<QComboBox>("ComboBox24");
        observerRegister->setCurrentIndex(1);
        emit observerRegister->activated(1);
        const std::map<std::string, std::string> settingsFile = w.f.files.files;
        window = std::make_unique<Window>();
        window->f.files.files = settingsFile;
        window->open();
        QCOMPARE(window->find<QLineEdit>("Edit19")->text(), QStringLiteral("T. Tsukimi"));
        QCOMPARE(QString::fromStdString(window->f.session.report().observers[0].text().substr(0, 14)),
                 QStringLiteral("OA  T. Tsukimi"));
    }

    void f1ShowsTheHelpTopicOfTheFocusedField()
    {
        Window w;
        QVERIFY(static_cast<bool>(w.f.settings.write("Page", "CurrentPage", "2")));
        w.open();
        auto* latitude = w.find<QLineEdit>("Edit12");
        latitude->setFocus();
        QTRY_VERIFY(latitude->hasFocus());
        QTest::keyClick(latitude, Qt::Key_F1);
        QCOMPARE(w.f.help.topics, std::vector<int>{50});

        // Every topic any control names has its page.
        for (int page = 0; page < 6; ++page)
            w.window->pages()->setCurrentIndex(page == 3 ? 3 : page);
        for (QObject* control : w.window->findChildren<QObject*>()) {
            const QVariant topic = control->property("helpTopic");
            if (topic.isValid())
                QVERIFY2(QFile::exists(QStringLiteral(SELEN_HELP_DIR "/topic-%1.html").arg(topic.toInt())),
                         qPrintable(control->objectName()));
        }
    }

    void theWordWrapOptionReachesTheEditors()
    {
        Window w;
        w.open();
        w.window->pages()->setCurrentIndex(5);
        auto* wrap = w.find<QCheckBox>("WordWrapCheckBox");
        QTest::mouseClick(wrap, Qt::LeftButton, {}, QPoint(8, wrap->height() / 2));  // on the box itself
        QVERIFY(wrap->isChecked());
        QCOMPARE(w.find<QPlainTextEdit>("Memo3")->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        // Pages first shown afterwards follow the option too.
        for (int page : {4, 0}) {
            w.window->pages()->setCurrentIndex(page);
            const char* editor = page == 4 ? "Memo1" : "Memo2";
            QCOMPARE(w.find<QPlainTextEdit>(editor)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
