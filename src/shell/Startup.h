#pragma once

namespace selen::shell {

// Starts the program: the application, its ports, the session and the main
// window, then runs until the window closes. With `quitWhenShown` it returns
// as soon as the window is on screen (for start-up measurements).
int runSelen(int argc, char** argv, bool quitWhenShown = false);

}  // namespace selen::shell
