#pragma once

#include <QString>

class QWidget;

namespace selen::shell {

// Which help topic (help/topic-N.html) explains which control. Controls are
// named by their form name, the objectName every widget carries ("Edit23",
// "ComboBox8", "ListBox4", "AddButton"); the same name may mean another
// control on another form, so the form is named too: "TForm1" for the main
// window, "TForm2" for the prediction import window.

inline constexpr int kGettingStartedHelpTopic = 1;

// The topic of the control `objectName` on the form `formName`; 0 when the
// name is no control of that form.
int helpTopicFor(const QString& objectName, const QString& formName = QStringLiteral("TForm1"));

// The topic F1 shows for `widget`: walking up from it through its parents,
// the first widget that carries a "helpTopic" property gives that topic, or
// else the first whose form name has a topic gives it. 0 when nothing on the
// way names one (the contents are shown then).
int helpTopicOf(const QWidget* widget);

}  // namespace selen::shell
