#pragma once

#include "editor/Ports.h"

class QString;
class QWidget;

namespace selen::shell {

// Where the report and prediction dialogs start while the settings file
// records no folder: the user's documents folder (XDG) where it exists,
// else the home folder. Never the program's own folder.
QString userStartingFolder();

// Message boxes and file dialogs of the main window.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    bool confirm(const std::string& text) override;
    SaveChoice askToSave(const std::string& text) override;
    void warn(const std::string& text) override;
    void inform(const std::string& text) override;
    void error(const std::string& text) override;
    std::optional<std::string> openReportName(const std::string& folder) override;
    std::optional<std::string> openPredictionName(const std::string& folder) override;
    std::optional<std::string> saveReportName(const std::string& currentFile, const std::string& folder) override;

private:
    QWidget* parent_;
};

class QtClock final : public Clock {
public:
    Date today() override;
};

class QtClipboard final : public Clipboard {
public:
    std::string text() override;
    void setText(const std::string& text) override;
};

}  // namespace selen::shell
