#pragma once

#include <QApplication>

namespace selen::shell {

// Catches any error that escapes an event handler, shows it in a box titled
// with the program's name, and lets the program go on.
class SelenApplication final : public QApplication {
public:
    SelenApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Qt's own Japanese texts, the fixed-pitch page font and the window font.
    void setUpLook();
};

}  // namespace selen::shell
