#pragma once

#include <optional>
#include <string>

// The platform services the editor reaches, as small interfaces: the window
// gives Qt implementations, the tests give fakes. Message texts and paths
// are UTF-8; report text never passes through these.
namespace selen {

// The answers to "save before closing?".
enum class SaveChoice { Save, Discard, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A confirmation box with Yes and No; true only for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // A warning box with an OK button.
    virtual void warn(const std::string& text) = 0;
    // A notice with only an OK button.
    virtual void inform(const std::string& text) = 0;
    // A question with Save, Discard and Cancel.
    virtual SaveChoice askToSave(const std::string& text) = 0;
    // The general error box, titled with the program's name.
    virtual void error(const std::string& text) = 0;
    // The open dialog ("*.LOR", "*.txt"), starting in `folder`.
    virtual std::optional<std::string> openReportName(const std::string& folder) = 0;
    // The prediction listing dialog ("*.txt", "*.*"), starting in `folder`.
    virtual std::optional<std::string> openPredictionName(const std::string& folder) = 0;
    // The save dialog ("*.LOR", default extension LOR): preset with
    // `currentFile` when it is not empty, else starting in `folder`.
    virtual std::optional<std::string> saveReportName(const std::string& currentFile, const std::string& folder) = 0;
};

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() = 0;
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showContents() = 0;
    virtual void showTopic(int context) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string text() = 0;
    virtual void setText(const std::string& text) = 0;
};

}  // namespace selen
