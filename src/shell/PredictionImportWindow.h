#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace selen {
class PredictionImport;
}

namespace selen::shell {

// TForm2: the window that takes a predicted event from an OCCULT listing
// into the observation fields. Not modal, on top, one at a time; it frees
// itself when closed.
class PredictionImportWindow final : public QDialog {
public:
    // `run` runs a command as the main window does; `showHelp` shows the
    // window's help topic (F1).
    PredictionImportWindow(PredictionImport& import, std::function<void(const std::function<void()>&)> run,
                           std::function<void()> showHelp, QWidget* parent);
    ~PredictionImportWindow() override;

private:
    void follow();

    PredictionImport& import_;
    std::function<void(const std::function<void()>&)> run_;
    QListWidget* list_;
    std::vector<QLineEdit*> shown_;
    std::vector<std::string> shownLines_;
    std::size_t listener_ = 0;
};

}  // namespace selen::shell
