#pragma once

#include <QDockWidget>

#include <functional>

class QListWidget;
class QPushButton;
class QTimer;

namespace selen {
class EditorSession;
struct ProblemTarget;
}

namespace selen::shell {

// The report's problems as the observer writes it: a list in a dock
// (ProblemList) and a count for the menu bar ("問題 3 件"), which shows and
// hides the list. Double-click or Enter on a problem goes to where it is
// mended. The list follows the report a moment after it changes, never on
// the keystroke itself.
class ProblemPane final : public QDockWidget {
public:
    ProblemPane(EditorSession& session, std::function<void(const ProblemTarget&)> goTo, QWidget* parent);

    QPushButton* countButton() const { return count_; }
    QListWidget* list() const { return list_; }
    // Computes the list now (after the pause, or when a test asks).
    void refresh();

private:
    EditorSession& session_;
    std::function<void(const ProblemTarget&)> goTo_;
    QListWidget* list_;
    QPushButton* count_;
    QTimer* pause_;
};

}  // namespace selen::shell
