#pragma once

#include "Pages.h"
#include "ProblemList.h"
#include "Ports.h"
#include "PredictionImport.h"
#include "RegisteredEntries.h"

#include "entry/Controls.h"
#include "entry/HeaderPage.h"
#include "entry/ObservationList.h"
#include "entry/ObservationPage.h"
#include "entry/SitesPage.h"
#include "report/FileSystem.h"
#include "report/Report.h"
#include "settings/AppSettings.h"
#include "settings/ProfileFile.h"

#include <functional>
#include <optional>
#include <string>

namespace selen {

// The open report and the commands on it: New, Open, Apply, Save and the
// page changes. The only owner of the report; the window binds its widgets
// to the controls held here and calls the commands.
class EditorSession {
    // Declared first: the pages below refer to the report.
    Report report_;

public:
    struct Ports {
        Dialogs& dialogs;
        Clock& clock;
        FileSystem& files;
        HelpViewer& help;
        Clipboard& clipboard;
        ProfileFile& settings;
        // Where the report and prediction dialogs start while the settings
        // file records no folder: the user's own folder, found by the
        // window at start-up (never the program's folder, which for an
        // installed copy is /usr/bin).
        std::string defaultFolder;
    };

    explicit EditorSession(Ports ports);
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    // What creating the main window does: the reset, the last page, the
    // current year in the blank record.
    void start();

    void newReport();
    void openReport();
    // A report named outside the open dialog (on the command line, dropped
    // on the window): opened as the open command does, asking first when
    // there is unsaved work.
    void openGivenReport(const std::string& path);
    void applyEditorText();
    // True when the report was saved.
    bool saveReport();
    // Before the window closes: with unsaved work, asks whether to save it.
    // True when the window may close: nothing to lose, the work discarded,
    // or saved successfully.
    bool confirmClose();

    // The window's size and place between runs, in the settings file.
    std::optional<WindowGeometry> recordedWindowGeometry() const;
    void rememberWindowGeometry(const WindowGeometry& geometry);

    // A page change asked for by the user: refused (false) when leaving the
    // observation page while a record has no valid year. The refusal shows
    // the year message, selects the first record without a valid year and
    // asks the window (yearWanted) to put the focus in its year field.
    bool changePage(int page);
    // True when changePage(page) would be refused.
    bool pageChangeRefused(int page) const;

    // Runs a command; an error it does not handle itself is shown in the
    // general error box and the program goes on with the state reached.
    void run(const std::function<void()>& command);

    // A character typed or pasted that has no CP932 form (UTF-8).
    void refuseCharacter(const std::string& character);

    // The event time of a Norvale result line on the clipboard.
    void takeNorvaleFromClipboard();
    // The record lines of the paste area, appended to the observation list;
    // a warning when the text begins with no record line (an empty area
    // included) and the list had room.
    void addPastedRecords();

    // The route tool's coordinates from and to the clipboard.
    void takeRouteFromClipboard();
    void putRouteOnClipboard();

    // The today button: the clock's date into the year, month and day.
    void enterToday();

    void showContentsHelp();
    void showHelpTopic(int context);

    const Report& report() const { return report_; }
    int currentPage() const { return page_; }
    const std::string& currentFileName() const { return currentFileName_; }
    const std::string& reportFolder() const { return reportFolder_; }
    const std::string& predictionFolder() const { return predictionFolder_; }
    std::string caption() const;
    bool importMenuEnabled() const { return page_ == pages::kObservations; }
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

    // True when the report differs from what was last created, opened or
    // saved, or the output text was edited by hand since it was last built
    // or saved: closing would lose work.
    bool hasUnsavedWork() const;
    // What opening a report asks about: the same, except that any change of
    // the output text counts, its rebuilds included (so a second open in a
    // row asks again).
    bool openWouldDiscard() const;

    // The problems of the report as it stands (and what the reader passed
    // over when it was last opened or applied), computed on request:
    // refreshProblems() is for the window to call after a pause, never on
    // a keystroke. False when the list is the one it was.
    bool refreshProblems();
    const ProblemList& problems() const { return problems_; }

    HeaderPage header;
    ObservationList observations;
    ObservationPage observationPage;
    SitesPage sites;
    PredictionImport prediction;
    RegisteredEntries registered;
    MemoControl readEditor{"Memo2"};
    MemoControl outputEditor{"Memo1"};
    MemoControl messageEditor{"Memo3"};
    MemoControl pasteArea{"Memo6"};

    // The window follows these.
    Notifier pageShown;
    Notifier captionChanged;
    Notifier wordWrapChanged;
    Notifier yearWanted;  // the year message was shown: focus the year field

private:
    void resetReport();
    void readReportFile(const std::string& path);
    // Tells the user that a record lacks its year and shows that record.
    void refuseForMissingYear(std::size_t record);
    void showPage(int page);
    void buildReportText();
    void parseEditorText();
    void loadFolders();
    void writeSetting(const std::function<FileResult()>& write);
    void rememberSavedState();
    std::string outputBytes() const;

    RuleContext ruleContext();

    Ports ports_;
    ProblemList problems_;
    int page_ = pages::kHeader;
    std::string currentFileName_;
    std::string reportFolder_;
    std::string predictionFolder_;
    std::string savedText_;
    bool wordWrap_ = false;
};

}  // namespace selen
