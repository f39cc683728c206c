// The report's problems in the window: listed as the observer writes,
// counted on every page, each one a double-click away from its field.
#include "WindowFixture.h"

#include "report/Cp932.h"
#include "shell/ProblemPane.h"

#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace selen;
using namespace selen::test;

namespace {

using namespace selen::columns;

QStringList listed(shell::ProblemPane* pane)
{
    QStringList texts;
    for (int i = 0; i < pane->list()->count(); ++i)
        texts << pane->list()->item(i)->text();
    return texts;
}

int countShown(shell::ProblemPane* pane)
{
    const QString text = pane->countButton()->text();  // "問題 N 件"
    return text.mid(3, text.size() - 5).toInt();
}

void activate(shell::ProblemPane* pane, const QString& text)
{
    const QList<QListWidgetItem*> found = pane->list()->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no problem %s", qPrintable(text));
    pane->list()->scrollToItem(found.first());
    const QPoint at = pane->list()->visualItemRect(found.first()).center();
    QTest::mouseClick(pane->list()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(pane->list()->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class ProblemListTest : public QObject {
    Q_OBJECT

private slots:
    void problemsAreListedAndLeadToTheirFields()
    {
        Window w;
        w.open(3);
        Report report = reportWith({record({{kMinute, "  "}}, plainRecord(1)), record({{kSite, "C"}}, plainRecord(2))});
        report.emailAddress = "t@example.jp";
        report.representative = "Taro Tsukimi";
        report.observers[0].setName(cp932::fixed("月見太郎"));
        std::string text = buildReportText(report);
        // A second place-name line, which the reader passes over.
        text.insert(text.find("\r\n") + 2, "Place name     Second place\r\n");
        w.f.files.files[kReportPath] = text;
        w.f.dialogs.openNames = {kReportPath};
        w.trigger("FileOpen");
        QTest::mouseClick(w.find<QPushButton>("AddButton"), Qt::LeftButton);  // a record without its year

        auto* pane = w.window->problemPane();
        auto* count = w.find<QPushButton>("ProblemCount");
        QVERIFY(!pane->isVisible());
        QTest::mouseClick(count, Qt::LeftButton);
        QVERIFY(pane->isVisible());
        QTRY_VERIFY(listed(pane).contains(QStringLiteral("観測 3: 「年」が未入力です")));
        const QStringList texts = listed(pane);
        for (const QString& expected : {QStringLiteral("観測 1: 「分」が未入力です"),
                                        QStringLiteral("観測 2: 観測地「C」の行がありません"),
                                        QStringLiteral("読み込んだ報告書の2行目: 2つ目のヘッダ行「Place name     Second place」は読み込まれていません")})
            QVERIFY2(texts.contains(expected), qPrintable(expected));
        QVERIFY(texts.filter(QStringLiteral("観測者の一覧 1行目: 5〜12桁目に半角英数字以外の文字")).size() == 1);
        const int before = countShown(pane);
        QCOMPARE(before, texts.size());

        // To the minute of record 1, ready for the key.
        activate(pane, QStringLiteral("観測 1: 「分」が未入力です"));
        QCOMPARE(w.window->pages()->currentIndex(), 3);
        QCOMPARE(w.f.session.observations.selected(), std::size_t{0});
        QCOMPARE(Window::focused(), QStringLiteral("Edit27"));
        QTest::keyClicks(QApplication::focusWidget(), "12");
        QTRY_COMPARE(countShown(pane), before - 1);
        QVERIFY(!listed(pane).contains(QStringLiteral("観測 1: 「分」が未入力です")));

        // Enter on a problem goes there too. The missing year keeps the page
        // from being left until it is typed.
        pane->list()->setCurrentItem(pane->list()->findItems(QStringLiteral("観測 3: 「年」が未入力です"), Qt::MatchExactly).first());
        QTest::keyClick(pane->list(), Qt::Key_Return);
        QCOMPARE(Window::focused(), QStringLiteral("Edit23"));
        QTest::keyClicks(QApplication::focusWidget(), "2024");
        const QString kanji = listed(pane).filter(QStringLiteral("観測者の一覧 1行目")).first();
        activate(pane, kanji);
        QCOMPARE(w.window->pages()->currentIndex(), 2);
        QCOMPARE(Window::focused(), QStringLiteral("Edit19"));

        // The lost line is listed until the next open.
        w.f.files.files["/reports/clean.LOR"] = buildReportText(reportWith({plainRecord(1)}));
        w.f.dialogs.openNames = {std::string("/reports/clean.LOR")};
        w.f.dialogs.answers = {true};
        w.trigger("FileOpen");
        pane->refresh();
        QVERIFY(listed(pane).filter(QStringLiteral("読み込んだ報告書")).isEmpty());
        // Going to a reader's finding shows its line on the read page.
        text = buildReportText(reportWith({plainRecord(1)}));
        text.insert(text.find("\r\n") + 2, "Place name     Again\r\n");
        w.f.files.files["/reports/again.LOR"] = text;
        w.f.dialogs.openNames = {std::string("/reports/again.LOR")};
        w.f.dialogs.answers = {true};  // a second open in a row asks again
        w.trigger("FileOpen");
        pane->refresh();
        const QString lost = listed(pane).filter(QStringLiteral("読み込んだ報告書の2行目")).first();
        activate(pane, lost);
        QCOMPARE(w.window->pages()->currentIndex(), 0);
        QCOMPARE(w.find<QPlainTextEdit>("Memo2")->textCursor().blockNumber(), 1);
    }

    void saveIsNeverStoppedByProblems()
    {
        Window w;
        w.open(1);
        w.window->problemPane()->refresh();
        QVERIFY(w.window->problemPane()->list()->count() > 0);  // a fresh report misses nearly everything
        w.f.dialogs.saveNames = {std::string("/reports/draft.LOR")};
        w.trigger("FileSave");
        QCOMPARE(w.f.files.files.count("/reports/draft.LOR"), std::size_t{1});
    }
};

QTEST_MAIN(ProblemListTest)
#include "ProblemListTest.moc"
