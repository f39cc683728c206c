#pragma once

#include "Binders.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <initializer_list>

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QCheckBox;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;

namespace selen {
class EditorSession;
struct ProblemTarget;
class MemoControl;
}

namespace selen::shell {

class ReportEditorArea;

// TForm1: the pages, the menus and the paste area, bound to the session.
// Commands go to the session; the window only shows what it holds.
class MainWindow final : public QMainWindow {
public:
    explicit MainWindow(EditorSession& session, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }

    // The program's arguments (the program itself first): a report named
    // there is opened as the open command opens it.
    void openFromCommandLine(const QStringList& arguments);

    // The page, record or line, and field where a problem is mended.
    void goTo(const ProblemTarget& target);
    class ProblemPane* problemPane() const { return problemPane_; }

protected:
    // Closing asks first when there is unsaved work, and keeps the
    // window's size and place for the next run.
    void closeEvent(QCloseEvent* event) override;
    // A report file dropped on the window opens as the open command opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    QWidget* commandGroup(const QString& caption, const QString& objectName, const QString& buttonCaption,
                          std::function<void()> command);
    QWidget* reportEditorPage(MemoControl& memo, const QString& upDownName, ReportEditorArea*& area,
                              std::initializer_list<QWidget*> groups);
    QWidget* buildReadPage();
    QWidget* buildHeaderPage();
    QWidget* buildSitesPage();
    QWidget* buildObservationsPage();
    QWidget* buildOutputPage();
    QWidget* buildOptionsPage();
    QWidget* buildPasteArea();

    void fitToScreen();
    void restoreGeometry();
    void ensurePage(int index);
    void followPage();
    void followWordWrap();
    void editCommand(void (*apply)(QWidget*));
    void showFocusedHelp();
    void openImportWindow();

    EditorSession& session_;
    Refusal refuse_;
    QTabWidget* pages_ = nullptr;
    std::array<std::function<QWidget*()>, 6> builders_;
    QAction* importAction_ = nullptr;
    ReportEditorArea* readArea_ = nullptr;
    ReportEditorArea* outputArea_ = nullptr;
    QPlainTextEdit* messageEditor_ = nullptr;
    QCheckBox* wordWrap_ = nullptr;
    class ObservationPageView* observationPage_ = nullptr;
    QPointer<QDialog> importWindow_;
    class ProblemPane* problemPane_ = nullptr;
};

}  // namespace selen::shell
