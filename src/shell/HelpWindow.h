#pragma once

#include "editor/Ports.h"

#include <QDialog>
#include <QString>

#include <memory>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace selen::shell {

// The program's help: one HTML page per help context, a contents list and a
// search box. Pages are looked for beside the program (build tree) or in the
// installed data folder.
class HelpWindow final : public QDialog, public HelpViewer {
public:
    explicit HelpWindow(QString folder, QWidget* parent = nullptr);

    void showContents() override;
    void showTopic(int context) override;

    // The folder holding the help pages for a program in `executableFolder`.
    static QString findFolder(const QString& executableFolder);

private:
    bool ensureLoaded();
    void filter(const QString& words);
    void showPage(const QString& file);

    QString folder_;
    QLineEdit* search_;
    QListWidget* topics_;
    QTextBrowser* page_;
    bool loaded_ = false;
};

// Makes the help window on first use, so that start-up does not pay for it.
class LazyHelp final : public HelpViewer {
public:
    explicit LazyHelp(QString folder) : folder_(std::move(folder)) {}
    void showContents() override { window().showContents(); }
    void showTopic(int context) override { window().showTopic(context); }

private:
    HelpWindow& window();
    QString folder_;
    std::unique_ptr<HelpWindow> window_;
};

}  // namespace selen::shell
