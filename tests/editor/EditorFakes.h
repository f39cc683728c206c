#pragma once

// Fakes of the editor's ports: dialogs answer from queues prepared by the
// test and remember what they showed.

#include "../report/TestSupport.h"
#include "../support/FakeFileSystem.h"

#include "editor/EditorSession.h"
#include "report/PosixFileSystem.h"
#include "settings/ProfileFile.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace selen::test {

class FakeDialogs final : public Dialogs {
public:
    std::deque<bool> answers;                        // confirmation answers, in order
    std::deque<SaveChoice> saveChoices;              // answers to "save before closing?"
    std::deque<std::optional<std::string>> openNames;
    std::deque<std::optional<std::string>> saveNames;
    std::vector<std::string> shown;                  // every text shown, in order
    std::vector<std::string> errors;
    std::vector<std::string> saveDialogPresets;      // "file|folder" of each save dialog
    std::function<void(const std::string&)> onShow;  // runs as each text is shown, while the box would be up

    void show(const std::string& text)
    {
        shown.push_back(text);
        if (onShow)
            onShow(text);
    }

    bool confirm(const std::string& text) override { return answer(answers, text); }
    SaveChoice askToSave(const std::string& text) override { return answer(saveChoices, text); }
    void warn(const std::string& text) override { show(text); }
    void inform(const std::string& text) override { show(text); }
    void error(const std::string& text) override
    {
        show(text);
        errors.push_back(text);
    }
    std::optional<std::string> openReportName(const std::string&) override { return next(openNames); }
    std::optional<std::string> openPredictionName(const std::string&) override { return next(openNames); }
    std::optional<std::string> saveReportName(const std::string& currentFile, const std::string& folder) override
    {
        saveDialogPresets.push_back(currentFile + "|" + folder);
        return next(saveNames);
    }

private:
    // The next prepared answer to a question; a question nobody prepared an
    // answer for is a test's fault.
    template <typename Answer>
    Answer answer(std::deque<Answer>& queue, const std::string& text)
    {
        show(text);
        if (queue.empty())
            throw std::logic_error("unexpected question: " + text);
        Answer next = queue.front();
        queue.pop_front();
        return next;
    }

    static std::optional<std::string> next(std::deque<std::optional<std::string>>& queue)
    {
        if (queue.empty())
            throw std::logic_error("unexpected file dialog");
        auto name = queue.front();
        queue.pop_front();
        return name;
    }
};

class FakeClock final : public Clock {
public:
    Date date{2026, 12, 7};
    Date today() override { return date; }
};

class FakeHelp final : public HelpViewer {
public:
    std::vector<int> topics;  // 0 for the contents
    void showContents() override { topics.push_back(0); }
    void showTopic(int context) override { topics.push_back(context); }
};

class FakeClipboard final : public Clipboard {
public:
    std::string held;
    std::string text() override { return held; }
    void setText(const std::string& text) override { held = text; }
};

// A session over fakes, with its settings file in the fake file system;
// `defaultFolder` is where the dialogs start while no folder is recorded.
struct SessionFixture {
    explicit SessionFixture(std::string defaultFolder = "/opt/selen")
        : session{EditorSession::Ports{dialogs, clock, files, help, clipboard, settings, std::move(defaultFolder)}}
    {
    }
    FakeFileSystem files;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeHelp help;
    FakeClipboard clipboard;
    ProfileFile settings{files, "/opt/selen/selen.ini"};
    EditorSession session;
};

}  // namespace selen::test
