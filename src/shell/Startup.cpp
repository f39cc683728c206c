#include "Startup.h"

#include "HelpWindow.h"
#include "MainWindow.h"
#include "QtPorts.h"
#include "SelenApplication.h"

#include "editor/EditorSession.h"
#include "report/PosixFileSystem.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsLocation.h"

#include <QFileInfo>
#include <QTimer>

namespace selen::shell {

int runSelen(int argc, char** argv, bool quitWhenShown)
{
    SelenApplication app(argc, argv);
    app.setUpLook();

    const QString executable = QCoreApplication::applicationFilePath();
    const QString executableFolder = QFileInfo(executable).absolutePath();
    PosixFileSystem files;
    const std::string settingsPath = settingsFilePath(executable.toStdString(), isFolderWritable, currentEnvironment());
    createSettingsFolder(settingsPath);  // a failure shows at the first write, naming the file
    ProfileFile settings(files, settingsPath);

    QtDialogs dialogs;
    QtClock clock;
    QtClipboard clipboard;
    LazyHelp help(HelpWindow::findFolder(executableFolder));
    EditorSession session(
        EditorSession::Ports{dialogs, clock, files, help, clipboard, settings, userStartingFolder().toStdString()});

    MainWindow window(session);
    dialogs.setParent(&window);
    window.show();
    window.openFromCommandLine(QCoreApplication::arguments());
    if (quitWhenShown)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

}  // namespace selen::shell
