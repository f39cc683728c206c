#include "EditorSession.h"

#include "Messages.h"

#include "imports/NorvaleTiming.h"
#include "imports/PastedRecords.h"
#include "report/Cp932.h"
#include "report/ReportCheck.h"
#include "report/ReportReader.h"
#include "report/ReportSaver.h"
#include "report/ReportWriter.h"
#include "report/StringRoutines.h"
#include "report/TextLines.h"
#include "settings/AppSettings.h"

#include <exception>

namespace selen {

namespace {

// Saving asks and tells through the window's dialogs.
class DialogQuestions final : public SaveQuestions {
public:
    explicit DialogQuestions(Dialogs& dialogs) : dialogs_(dialogs) {}
    bool confirmOverwrite(const std::string&) override { return dialogs_.confirm(std::string(messages::kOverwrite)); }
    void backupNotMade(const std::string&) override { dialogs_.inform(std::string(messages::kBackupFailed)); }

private:
    Dialogs& dialogs_;
};

std::string fileNamePart(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

EditorSession::EditorSession(Ports ports)
    : header(report_), observations(report_), observationPage(observations), sites(report_),
      prediction(PredictionImport::Ports{ports.dialogs, ports.files, ports.clipboard,
                                         [this] { return predictionFolder_; },
                                         [this](const std::string& file) {
                                             predictionFolder_ = folderOf(file);
                                             writeSetting([&] {
                                                 return savePredictionFolder(ports_.settings, predictionFolder_);
                                             });
                                         }},
                 observationPage),
      registered(ports.settings, header, sites, observationPage), ports_(std::move(ports))
{
    registered.onWriteFailed = [this](const FileResult& result) {
        ports_.dialogs.error(messages::withValue(messages::kSettingsNotWritten, result.error));
    };
    // Every record added with the add button starts with the usual method.
    observations.onRecordAdded = [this] { registered.recallMethodSlot(1); };
    // Sites and observers added, moved or removed: the observation page's
    // selectors follow.
    sites.onListsChanged = [this] {
        observations.refreshSelectors();
        observationPage.recolour();  // a letter may now name a line, or no longer
    };
    messageEditor.setChangeRule([this] { report_.optionsMessage = messageEditor.lines(); });
    observations.onLoadSelected = [this] { observationPage.loadSelectedRecord(); };
}

void EditorSession::run(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        ports_.dialogs.error(e.what());
    }
}

void EditorSession::start()
{
    page_ = pages::kHeader;
    resetReport();
    if (std::optional<int> page = restoreCurrentPage(ports_.settings))
        showPage(*page);
    observationPage.loadSelectedRecord();
    // The year comes from the clock as a number, never from a locale's date text.
    observationPage.year.enter(std::to_string(ports_.clock.today().year));
    // A save before the first page change must not write an empty report.
    if (page_ == pages::kOutput)
        buildReportText();
    header.message.setText({});
    pasteArea.setText({});
    outputEditor.setModified(false);
    rememberSavedState();
}

void EditorSession::resetReport()
{
    problems_.forgetReaderFindings();
    currentFileName_.clear();
    captionChanged.notify();
    loadFolders();
    report_ = Report::fresh();
    observations.replaceAll();
    outputEditor.setText({});
    header.clear();
    sites.replaceAll();
    sites.reset();
    observationPage.reset();
    registered.recallDefaults();
    observations.refreshSelectors();
    observationPage.setReturnField(observationPage.year.formName());
    messageEditor.setText({});
}

void EditorSession::newReport()
{
    if (!ports_.dialogs.confirm(std::string(messages::kNewDiscards)))
        return;
    readEditor.setText({});
    resetReport();
    outputEditor.setModified(false);
    rememberSavedState();
}

bool EditorSession::openWouldDiscard() const
{
    return outputEditor.modified() || selen::buildReportText(report_) != savedText_;
}

bool EditorSession::hasUnsavedWork() const
{
    return outputEditor.editedByHand() || selen::buildReportText(report_) != savedText_;
}

void EditorSession::openReport()
{
    if (openWouldDiscard() && !ports_.dialogs.confirm(std::string(messages::kOpenDiscards)))
        return;
    if (std::optional<std::string> path = ports_.dialogs.openReportName(reportFolder_))
        readReportFile(*path);
}

void EditorSession::openGivenReport(const std::string& path)
{
    if (openWouldDiscard() && !ports_.dialogs.confirm(std::string(messages::kOpenDiscards)))
        return;
    readReportFile(path);
}

void EditorSession::readReportFile(const std::string& path)
{
    std::string bytes;
    if (FileResult read = ports_.files.readFile(path, bytes); !read) {
        ports_.dialogs.error(messages::withValue(messages::kOpenFailed, read.error));
        return;
    }
    readEditor.setText(std::move(bytes));
    currentFileName_ = path;
    captionChanged.notify();
    parseEditorText();
    reportFolder_ = folderOf(path);
    writeSetting([&] { return saveReportFolder(ports_.settings, reportFolder_); });
    buildReportText();
    rememberSavedState();
}

bool EditorSession::confirmClose()
{
    if (!hasUnsavedWork())
        return true;
    switch (ports_.dialogs.askToSave(std::string(messages::kCloseWithUnsavedWork))) {
    case SaveChoice::Save: return saveReport();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    }
    return false;
}

std::optional<WindowGeometry> EditorSession::recordedWindowGeometry() const
{
    return loadWindowGeometry(ports_.settings);
}

void EditorSession::rememberWindowGeometry(const WindowGeometry& geometry)
{
    writeSetting([&] { return saveWindowGeometry(ports_.settings, geometry); });
}

void EditorSession::applyEditorText()
{
    if (!ports_.dialogs.confirm(std::string(messages::kApplyDiscards)))
        return;
    parseEditorText();
}

void EditorSession::parseEditorText()
{
    const std::string& text = readEditor.text();
    const std::vector<std::string_view> lines = splitLines(text);
    ReadReport read = parseReportLines(lines);
    problems_.keepReaderFindings(readingProblems(text, lines, read));
    report_ = std::move(read.report);
    observations.replaceAll();
    sites.replaceAll();
    header.load();
    const std::vector<std::string> message = report_.optionsMessage;
    messageEditor.setLines(message);
    report_.optionsMessage = message;
    writeSetting([&] { return saveReportFolder(ports_.settings, reportFolder_); });
    if (read.recordsLeftOut > 0)
        ports_.dialogs.warn(messages::withValue(messages::kRecordsLeftOut, std::to_string(read.recordsLeftOut)));
}

bool EditorSession::saveReport()
{
    if (std::optional<std::size_t> record = firstRecordWithoutValidYear(report_.observations)) {
        showPage(pages::kObservations);
        refuseForMissingYear(*record);
        return false;
    }
    std::optional<std::string> path = ports_.dialogs.saveReportName(currentFileName_, reportFolder_);
    if (!path)
        return false;
    observations.refreshSelectors();
    if (page_ != pages::kOutput)
        buildReportText();
    DialogQuestions questions(ports_.dialogs);
    SaveOutcome outcome = saveReportFile(ports_.files, questions, *path, outputBytes());
    if (outcome.status == SaveOutcome::Status::Failed) {
        // Where undoing the save failed too, the message says where the
        // previous report and its older backup were left.
        const bool undone = outcome.reportLeftAs.empty() && outcome.olderBackupLeftAs.empty();
        std::string text = messages::withValue(undone ? messages::kSaveFailed : messages::kSaveFailedNotUndone,
                                               outcome.cause);
        if (!outcome.reportLeftAs.empty())
            text += "\n" + messages::withValue(messages::kReportLeftAsBackup, outcome.reportLeftAs);
        if (!outcome.olderBackupLeftAs.empty())
            text += "\n" + messages::withValue(messages::kOlderBackupLeftAs, outcome.olderBackupLeftAs);
        ports_.dialogs.error(text);
        return false;
    }
    if (outcome.status != SaveOutcome::Status::Saved)
        return false;
    currentFileName_ = *path;
    captionChanged.notify();
    rememberSavedState();
    return true;
}

std::string EditorSession::outputBytes() const
{
    std::string bytes;
    bytes.reserve(outputEditor.text().size() + 64);
    for (std::string_view line : splitLines(outputEditor.text())) {
        bytes += line;
        bytes += kLineEnd;
    }
    return bytes;
}

bool EditorSession::changePage(int page)
{
    if (page < 0 || page >= pages::kCount || page == page_)
        return page == page_;
    if (pageChangeRefused(page)) {
        refuseForMissingYear(*firstRecordWithoutValidYear(report_.observations));
        return false;
    }
    showPage(page);
    writeSetting([&] { return saveCurrentPage(ports_.settings, page_); });
    observations.refreshSelectors();
    buildReportText();
    observationPage.loadSelectedRecord();
    return true;
}

bool EditorSession::pageChangeRefused(int page) const
{
    return page != page_ && page >= 0 && page < pages::kCount && page_ == pages::kObservations
        && firstRecordWithoutValidYear(report_.observations).has_value();
}

void EditorSession::refuseForMissingYear(std::size_t record)
{
    ports_.dialogs.warn(std::string(messages::kYearMissing));
    observations.select(record);
    yearWanted.notify();
}

void EditorSession::showPage(int page)
{
    if (page < 0 || page >= pages::kCount)
        return;
    page_ = page;
    pageShown.notify();
}

void EditorSession::buildReportText()
{
    outputEditor.setText(selen::buildReportText(report_));
}

void EditorSession::loadFolders()
{
    Folders folders = selen::loadFolders(ports_.settings, ports_.defaultFolder);
    reportFolder_ = folders.report;
    predictionFolder_ = folders.prediction;
}

void EditorSession::writeSetting(const std::function<FileResult()>& write)
{
    if (FileResult written = write(); !written)
        ports_.dialogs.error(messages::withValue(messages::kSettingsNotWritten, written.error));
}

void EditorSession::rememberSavedState()
{
    outputEditor.setEditedByHand(false);
    savedText_ = selen::buildReportText(report_);
}

std::string EditorSession::caption() const
{
    std::string text(messages::kTitleHead);
    if (!currentFileName_.empty())
        text += "[" + fileNamePart(currentFileName_) + "]";
    text += messages::kTitleTail;
    return text;
}

void EditorSession::setWordWrap(bool wrap)
{
    if (wrap == wordWrap_)
        return;
    wordWrap_ = wrap;
    wordWrapChanged.notify();
}

void EditorSession::refuseCharacter(const std::string& character)
{
    ports_.dialogs.warn(messages::withValue(messages::kCharacterRefused, character));
}

void EditorSession::takeNorvaleFromClipboard()
{
    cp932::Conversion text = cp932::fromUtf8(ports_.clipboard.text());
    if (!text.ok) {
        ports_.dialogs.warn(std::string(messages::kClipboardNotCp932));
        return;
    }
    takeNorvaleTiming(text.text, observationPage);
}

void EditorSession::addPastedRecords()
{
    // A full list takes nothing, as the list's own add commands.
    if (observations.size() >= ObservationList::kMaxRecords)
        return;
    // Adding stops at the first line that is no record line; when that is
    // the first line, the user is told rather than left wondering.
    if (selen::addPastedRecords(pasteArea.text(), observations) == 0)
        ports_.dialogs.warn(std::string(messages::kNoPastedRecord));
}

void EditorSession::takeRouteFromClipboard()
{
    sites.takeRouteText(ports_.clipboard.text());
}

void EditorSession::putRouteOnClipboard()
{
    ports_.clipboard.setText(sites.routeText());
}

void EditorSession::enterToday()
{
    const Date today = ports_.clock.today();
    observationPage.enterDate(today.year, today.month, today.day);
}

RuleContext EditorSession::ruleContext()
{
    const Date today = ports_.clock.today();
    return RuleContext{today.year, today.month, today.day, observationPage.photometry.checked()};
}

bool EditorSession::refreshProblems()
{
    return problems_.refresh(report_, ruleContext());
}

void EditorSession::showContentsHelp()
{
    ports_.help.showContents();
}

void EditorSession::showHelpTopic(int context)
{
    ports_.help.showTopic(context);
}

}  // namespace selen
