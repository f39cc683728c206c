#include "HelpWindow.h"
#include "MainWindow.h"
#include "QtPorts.h"
#include "SelenApplication.h"

#include "editor/EditorSession.h"
#include "report/PosixFileSystem.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsLocation.h"

#include <QFileInfo>

int main(int argc, char** argv)
{
    using namespace selen;
    shell::SelenApplication app(argc, argv);
    app.setUpLook();

    const QString executable = QCoreApplication::applicationFilePath();
    const QString executableFolder = QFileInfo(executable).absolutePath();
    PosixFileSystem files;
    const std::string settingsPath = settingsFilePath(executable.toStdString(), isFolderWritable, currentEnvironment());
    createSettingsFolder(settingsPath);  // a failure shows at the first write, naming the file
    ProfileFile settings(files, settingsPath);

    shell::QtDialogs dialogs;
    shell::QtClock clock;
    shell::HelpWindow help(shell::HelpWindow::findFolder(executableFolder));
    EditorSession session(EditorSession::Ports{dialogs, clock, files, help, settings, executableFolder.toStdString()});

    shell::MainWindow window(session);
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
