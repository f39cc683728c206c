#include "HelpTopics.h"

#include <QHash>
#include <QVariant>
#include <QWidget>

#include <initializer_list>

namespace selen::shell {

namespace {

struct Topic {
    int number;
    std::initializer_list<const char*> controls;
};

// The main window's controls, page by page, then the paste area below the
// pages. The site page's and header page's numbers are those their models
// carry (HeaderPage, SitesPage).
const Topic kMainWindowTopics[] = {
    // Page 0, the report read from a file.
    {10, {"Memo2", "OpenButton", "ApplyButton"}},
    {12, {"ReadRulerUpDown", "OutputRulerUpDown"}},
    // Page 1, the header.
    {5, {"Edit2", "Edit3", "Edit4", "Memo4", "ListBox1"}},
    {73, {"Button18"}},
    {64, {"ComboBox30", "ComboBox31", "Button6", "ComboBox20", "ComboBox21", "ComboBox22", "ComboBox23",
          "ComboBox24", "ComboBox25", "ComboBox26", "ComboBox27"}},
    // Page 2, sites, telescopes and observers.
    {60, {"CheckBox1"}},
    {48, {"Label10", "Edit9", "Edit10", "Edit11", "Edit21"}},
    {50, {"Label9", "Edit12", "Edit13", "Edit14", "Edit22"}},
    {54, {"Edit15", "Edit16"}},
    {55, {"ComboBox2"}},
    {52, {"ComboBox1"}},
    {61, {"Button19", "Button20", "Button7"}},
    {40, {"ComboBox3"}},
    {41, {"ComboBox4"}},
    {42, {"ComboBox5"}},
    {44, {"Edit17"}},
    {46, {"Edit18"}},
    {62, {"Edit19", "Edit20"}},
    {63, {"ListBox2", "ListBox3", "Button1", "BitBtn3", "BitBtn4", "Button10", "Button12", "Button2", "BitBtn5",
          "BitBtn6", "Button11", "Button13"}},
    // Page 3, the observations.
    {101, {"Edit23", "Edit24", "Edit25", "Edit26", "Edit27", "Edit28", "Edit29", "Button8"}},
    {102, {"ComboBox28"}},
    {103, {"ComboBox29"}},
    {104, {"CheckBox2"}},
    {105, {"ComboBox6", "Edit30"}},
    {106, {"Edit31", "Edit45"}},
    {107, {"Edit34"}},
    {108, {"ComboBox7", "Edit33", "UpDown1"}},
    {110, {"ComboBox8", "ComboBox9"}},
    {111, {"ComboBox10"}},
    {112, {"Edit35", "Edit36", "ComboBox32"}},
    {113, {"Edit41", "Edit42", "ComboBox17"}},
    {114, {"CheckBox3", "Edit37", "Edit38", "ComboBox13"}},
    {120, {"ComboBox11"}},
    {121, {"ComboBox14", "ComboBox15"}},
    {122, {"ComboBox16", "Edit39", "Edit40"}},
    {123, {"ComboBox18", "Edit32"}},
    {124, {"Edit43"}},
    {125, {"ComboBox19", "ComboBox12"}},
    {126, {"Edit44"}},
    {127, {"ListBox4", "AddButton", "CopyButton", "DeleteButton", "UpButton", "DownButton", "SortButton",
           "BySiteCheckBox"}},
    {71, {"ImportButton"}},
    {128, {"Button21"}},
    // Page 4, the report as it is saved.
    {2, {"Memo1", "SaveButton"}},
    // Page 5, options.
    {16, {"Memo3", "WordWrapCheckBox"}},
    // Below the pages.
    {129, {"Memo6", "PasteButton", "AddPastedButton"}},
    // The problem list, on every page.
    {130, {"ProblemList", "ProblemCount"}},
};

// The prediction import window is one topic, whatever the control.
const Topic kImportWindowTopics[] = {
    {71, {"TForm2", "Button1", "Button2", "Button3", "Button4", "Button5", "ListBox1", "Edit1", "Edit2", "Edit3",
          "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9"}},
};

template <std::size_t N>
QHash<QString, int> table(const Topic (&topics)[N])
{
    QHash<QString, int> byName;
    for (const Topic& topic : topics) {
        for (const char* control : topic.controls)
            byName.insert(QString::fromLatin1(control), topic.number);
    }
    return byName;
}

}  // namespace

int helpTopicFor(const QString& objectName, const QString& formName)
{
    static const QHash<QString, int> mainWindow = table(kMainWindowTopics);
    static const QHash<QString, int> importWindow = table(kImportWindowTopics);
    if (formName == QStringLiteral("TForm1"))
        return mainWindow.value(objectName, 0);
    if (formName == QStringLiteral("TForm2"))
        return importWindow.value(objectName, 0);
    return 0;
}

int helpTopicOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant topic = w->property("helpTopic");
        if (topic.isValid())
            return topic.toInt();
        if (const int named = helpTopicFor(w->objectName(), w->window()->objectName()))
            return named;
    }
    return 0;
}

}  // namespace selen::shell
