#pragma once

#include "Ports.h"

#include "entry/Notifier.h"
#include "imports/PredictionListing.h"
#include "report/FileSystem.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace selen {

class ObservationPage;

// The prediction import window's state without the window: the listing's
// lines, the chosen line, the event read from it, the list's font size.
// The event is kept for the whole run, also after the window is closed.
class PredictionImport {
public:
    static constexpr int kSmallestFont = 9;
    static constexpr int kLargestFont = 12;

    struct Ports {
        Dialogs& dialogs;
        FileSystem& files;
        Clipboard& clipboard;
        // Where the listing dialog starts, and what to do with the folder of
        // a loaded listing (remember it in the settings file).
        std::function<std::string()> folder;
        std::function<void(const std::string& filePath)> folderUsed;
    };

    PredictionImport(Ports ports, ObservationPage& page);

    // A window was made: the date and time of the event start empty.
    void windowOpened();

    void loadFile();
    void paste();
    void select(std::size_t line);
    void transfer();
    void enlargeFont();
    void reduceFont();

    const std::vector<std::string>& lines() const { return lines_; }
    std::size_t selected() const { return selected_; }
    const PredictedEvent& event() const { return event_; }
    int fontSize() const { return fontSize_; }

    Notifier changed;

private:
    void takeListing(std::string_view text);

    Ports ports_;
    ObservationPage& page_;
    std::vector<std::string> lines_;
    std::size_t selected_ = kNoEventLine;
    PredictedEvent event_;
    int fontSize_ = 10;
};

}  // namespace selen
