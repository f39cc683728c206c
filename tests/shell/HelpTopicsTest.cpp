// F1 and the help pages: every control a user can focus, on every page and
// in the prediction import window, leads to a help page that exists; the
// pages of the coded lists explain every choice the lists offer; the help
// window's search finds the pages in Japanese and in English.
#include "WindowFixture.h"

#include "shell/HelpTopics.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace selen;
using namespace selen::test;

namespace {

QString helpFile(int topic)
{
    return QStringLiteral(SELEN_HELP_DIR "/topic-%1.html").arg(topic);
}

// What a page says, as the help window's search sees it: the tags removed,
// runs of blanks made one.
QString pageText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    return QString::fromUtf8(file.readAll()).remove(tags).simplified();
}

// "QLineEdit Edit23 < QGroupBox < ..." for failure messages.
QString describe(const QWidget* widget)
{
    QStringList path;
    for (const QWidget* w = widget; w; w = w->parentWidget())
        path << QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
    return path.join(QStringLiteral(" < "));
}

// The page control with its tabs and the menus are not controls of a page:
// F1 there shows the contents. A scroll area only scrolls a page.
bool isPageControl(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QTabBar*>(w) || qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w))
            return false;
    }
    return !qobject_cast<const QScrollArea*>(widget) && !qobject_cast<const QTabWidget*>(widget);
}

bool takesFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) || (widget->focusPolicy() & Qt::ClickFocus);
}

// Every page built (they are built when first shown) and the import
// window open.
void buildEverything(Window& w)
{
    w.open();
    for (int page : {0, 1, 2, 4, 5, 3})
        w.window->pages()->setCurrentIndex(page);
    w.trigger("ToolsImport");
    if (!w.window->findChild<QWidget*>(QStringLiteral("TForm2")))
        qFatal("the import window did not open");
}

}  // namespace

class HelpTopicsTest : public QObject {
    Q_OBJECT

private slots:
    void everyFocusableControlOfEveryPageHasATopicWithItsPage()
    {
        Window w;
        buildEverything(w);
        int checked = 0;
        for (const QWidget* widget : w.window->findChildren<QWidget*>()) {
            if (!takesFocus(widget) || !isPageControl(widget))
                continue;
            const int topic = shell::helpTopicOf(widget);
            QVERIFY2(topic != 0, qPrintable(QStringLiteral("no help topic: ") + describe(widget)));
            QVERIFY2(QFile::exists(helpFile(topic)),
                     qPrintable(QStringLiteral("topic %1 has no page: ").arg(topic) + describe(widget)));
            // A topic the control's model carries and the one its form name
            // has must not tell two stories.
            const QVariant carried = widget->property("helpTopic");
            const int named = shell::helpTopicFor(widget->objectName(), widget->window()->objectName());
            if (carried.isValid() && named != 0)
                QVERIFY2(carried.toInt() == named, qPrintable(describe(widget)));
            ++checked;
        }
        QVERIFY2(checked > 100, qPrintable(QString::number(checked)));  // the pages were really built

        // The same form name means another control on the import window.
        QCOMPARE(shell::helpTopicFor(QStringLiteral("Edit2")), 5);
        QCOMPARE(shell::helpTopicFor(QStringLiteral("Edit2"), QStringLiteral("TForm2")), 71);
        QCOMPARE(shell::helpTopicFor(QStringLiteral("Button1")), 63);
        QCOMPARE(shell::helpTopicFor(QStringLiteral("Button1"), QStringLiteral("TForm2")), 71);
        QCOMPARE(shell::helpTopicFor(QStringLiteral("NoSuchControl")), 0);
    }

    void f1OnAFieldShowsItsTopic()
    {
        struct Case {
            int page;
            const char* control;
            int topic;
        };
        const Case cases[] = {
            {3, "Edit23", 101},     {3, "Edit29", 101},     {3, "ComboBox28", 102}, {3, "ComboBox6", 105},
            {3, "Edit30", 105},     {3, "ComboBox8", 110},  {3, "Edit36", 112},     {3, "ComboBox17", 113},
            {3, "ComboBox16", 122}, {3, "Edit43", 124},     {3, "ComboBox19", 125}, {3, "ComboBox12", 125},
            {3, "Edit44", 126},     {3, "ListBox4", 127},   {3, "Memo6", 129},      {2, "Edit12", 50},
            {2, "Edit19", 62},      {1, "Edit2", 5},        {4, "Memo1", 2},        {0, "Memo2", 10},
        };
        Window w;
        buildEverything(w);
        for (const Case& c : cases) {
            w.window->pages()->setCurrentIndex(c.page);
            QCOMPARE(w.window->pages()->currentIndex(), c.page);
            auto* field = w.find<QWidget>(c.control);
            w.window->activateWindow();
            field->setFocus();
            QTRY_VERIFY2(field->hasFocus(), c.control);
            w.f.help.topics.clear();
            QTest::keyClick(field, Qt::Key_F1);
            QVERIFY2(w.f.help.topics == std::vector<int>{c.topic}, c.control);
        }
    }

    void theTopicOfACodedListExplainsEveryChoiceItOffers()
    {
        Window w;
        buildEverything(w);
        for (const char* name : {"ComboBox28", "ComboBox29", "ComboBox6", "ComboBox7", "ComboBox8", "ComboBox9",
                                 "ComboBox10", "ComboBox17", "ComboBox32", "ComboBox13", "ComboBox11", "ComboBox14",
                                 "ComboBox15", "ComboBox16", "ComboBox18"}) {
            auto* list = w.find<QComboBox>(name);
            const QString page = pageText(helpFile(shell::helpTopicOf(list)));
            QVERIFY2(!page.isEmpty(), name);
            QVERIFY2(list->count() > 2, name);
            for (int i = 0; i < list->count(); ++i) {
                const QString choice = list->itemText(i).simplified();
                QVERIFY2(page.contains(choice), qPrintable(QStringLiteral("%1 lacks \"%2\"").arg(name, choice)));
            }
        }
    }

    void everyPageIsInTheContentsInJapaneseThenEnglish()
    {
        QFile index(QStringLiteral(SELEN_HELP_DIR "/index.html"));
        QVERIFY(index.open(QIODevice::ReadOnly));
        const QString contents = QString::fromUtf8(index.readAll());
        const QStringList pages = QDir(QStringLiteral(SELEN_HELP_DIR)).entryList({QStringLiteral("topic-*.html")});
        QVERIFY(pages.size() >= 40);
        for (const QString& name : pages) {
            QVERIFY2(contents.contains(QStringLiteral("href=\"%1\"").arg(name)), qPrintable(name));
            QFile file(QStringLiteral(SELEN_HELP_DIR "/") + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            const qsizetype english = html.indexOf(QStringLiteral("<h2 lang=\"en\">"));
            QVERIFY2(english > html.indexOf(QStringLiteral("<h1>")), qPrintable(name));
            QVERIFY2(html.contains(QStringLiteral("href=\"index.html\"")), qPrintable(name));
        }
        QVERIFY(QFile::exists(helpFile(shell::kGettingStartedHelpTopic)));
    }

    void theHelpWindowSearchFindsTheFieldPagesInBothLanguages()
    {
        shell::HelpWindow help(QStringLiteral(SELEN_HELP_DIR));
        help.showContents();
        auto* search = help.findChild<QLineEdit*>(QStringLiteral("HelpSearch"));
        auto* topics = help.findChild<QListWidget*>(QStringLiteral("HelpTopics"));
        QVERIFY(search && topics);
        auto shown = [topics](const QString& file) {
            for (int i = 0; i < topics->count(); ++i) {
                if (topics->item(i)->data(Qt::UserRole).toString() == file)
                    return !topics->item(i)->isHidden();
            }
            return false;
        };
        struct Case {
            const char* words;
            const char* found;
            const char* notFound;
        };
        const Case cases[] = {
            {"時刻精度", "topic-112.html", "topic-73.html"},
            {"accuracy of time", "topic-112.html", "topic-73.html"},
            {"ﾀｲﾑｲﾝｻｰﾀ", "topic-110.html", "topic-5.html"},
            {"GSC", "topic-106.html", "topic-44.html"},
            {"personal equation", "topic-113.html", "topic-52.html"},
            {"はじめて", "topic-1.html", "topic-55.html"},
            {"first report", "topic-1.html", "topic-55.html"},
            {"Norvale", "topic-128.html", "topic-41.html"},
            {"追加", "topic-129.html", "topic-46.html"},
        };
        for (const Case& c : cases) {
            search->setText(QString::fromUtf8(c.words));
            QVERIFY2(shown(QString::fromLatin1(c.found)), c.words);
            QVERIFY2(!shown(QString::fromLatin1(c.notFound)), c.words);
        }
        help.close();
    }
};

QTEST_MAIN(HelpTopicsTest)
#include "HelpTopicsTest.moc"
