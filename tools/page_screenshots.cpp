// Takes a picture of each page of the main window with the sample report
// open, for the user guide: docs/page-0.png ... docs/page-5.png, with the
// window at the size of a common laptop screen, 1366 x 768.
// Usage: page-screenshots SAMPLE.LOR OUTPUT_FOLDER
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/ProblemPane.h"

#include <QPushButton>
#include "shell/QtPorts.h"
#include "shell/SelenApplication.h"

#include "editor/EditorSession.h"
#include "report/PosixFileSystem.h"
#include "settings/ProfileFile.h"

#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The size of the pictures: the whole screen of a common laptop.
constexpr int kWidth = 1366;
constexpr int kHeight = 768;

// Answers the open dialog with the sample report and every question with
// yes; shows nothing.
class ScriptedDialogs final : public selen::Dialogs {
public:
    explicit ScriptedDialogs(std::string sample) : sample_(std::move(sample)) {}
    bool confirm(const std::string&) override { return true; }
    selen::SaveChoice askToSave(const std::string&) override { return selen::SaveChoice::Discard; }
    void warn(const std::string& text) override { std::fprintf(stderr, "warning: %s\n", text.c_str()); }
    void inform(const std::string& text) override { std::fprintf(stderr, "notice: %s\n", text.c_str()); }
    void error(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
    std::optional<std::string> openReportName(const std::string&) override { return sample_; }
    std::optional<std::string> openPredictionName(const std::string&) override { return std::nullopt; }
    std::optional<std::string> saveReportName(const std::string&, const std::string&) override { return std::nullopt; }

private:
    std::string sample_;
};

}  // namespace

int main(int argc, char** argv)
{
    using namespace selen;
    shell::SelenApplication app(argc, argv);
    app.setUpLook();
    if (argc != 3) {
        std::fprintf(stderr, "usage: page-screenshots SAMPLE.LOR OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string sample = argv[1];
    const QString output = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir home;  // a settings file of its own
    PosixFileSystem files;
    ProfileFile settings(files, QDir(home.path()).filePath(QStringLiteral("selen.ini")).toStdString());
    ScriptedDialogs dialogs(sample);
    shell::QtClock clock;
    shell::QtClipboard clipboard;
    shell::LazyHelp help(QString{});
    EditorSession session(EditorSession::Ports{dialogs, clock, files, help, clipboard, settings, home.path().toStdString()});

    shell::MainWindow window(session);
    window.resize(kWidth, kHeight);
    window.show();
    session.openReport();
    for (int page = 0; page < 6; ++page) {
        window.pages()->setCurrentIndex(page);
        if (page == 3)
            session.observations.select(2);  // the GSC star, with its comment
        window.problemPane()->refresh();  // the count as it stands a moment later
        QApplication::processEvents();
        // A window that has grown past the screen (its pages demand more) is
        // pictured at its own size, and said so: such a picture shows more
        // than the screen would.
        if (window.width() != kWidth || window.height() != kHeight)
            std::fprintf(stderr, "warning: at page %d the window is %dx%d, not %dx%d\n", page, window.width(),
                         window.height(), kWidth, kHeight);
        const QString file = QDir(output).filePath(QStringLiteral("page-%1.png").arg(page));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("wrote %s\n", qPrintable(file));
    }
    // The observation page with the problem list open below it.
    window.pages()->setCurrentIndex(3);
    window.problemPane()->refresh();
    window.problemPane()->countButton()->click();  // as the user opens it
    QApplication::processEvents();
    QApplication::processEvents();
    const QString file = QDir(output).filePath(QStringLiteral("problems.png"));
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    std::printf("wrote %s\n", qPrintable(file));
    return 0;
}
