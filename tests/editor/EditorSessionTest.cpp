#include "EditorFakes.h"

#include "editor/Messages.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

namespace selen::test {
namespace {

const std::string kReportPath = "/reports/0712.LOR";

std::string text(std::string_view message)
{
    return std::string(message);
}

bool showed(const FakeDialogs& dialogs, std::string_view message)
{
    return std::find(dialogs.shown.begin(), dialogs.shown.end(), std::string(message)) != dialogs.shown.end();
}

std::string sampleReport()
{
    Report report = reportWith({plainRecord(1), plainRecord(2)});
    report.optionsMessage = {"Clear.", "", "Video 30 fps."};
    return buildReportText(report);
}

TEST(EditorSessionStart, FirstRunShowsTheHeaderPageWithTheYearPreset)
{
    SessionFixture f;
    f.session.start();
    EXPECT_EQ(f.session.currentPage(), pages::kHeader);
    EXPECT_FALSE(f.session.importMenuEnabled());
    EXPECT_EQ(f.session.caption(), text(messages::kTitleHead) + text(messages::kTitleTail));
    EXPECT_EQ(f.session.report().observations.front().columns(columns::kYear), "2026");
    EXPECT_EQ(f.session.reportFolder(), "/opt/selen");
    EXPECT_FALSE(f.session.hasUnsavedWork());
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(EditorSessionStart, RestoresTheRecordedPage)
{
    struct Case {
        std::string recorded;
        int page;
        bool importEnabled;
    };
    for (const Case& c : {Case{"3", 3, true}, Case{"-1", 1, false}, Case{"7", 1, false}, Case{"x", 1, false}}) {
        SCOPED_TRACE(c.recorded);
        SessionFixture f;
        ASSERT_TRUE(f.settings.write("Page", "CurrentPage", c.recorded));
        f.session.start();
        EXPECT_EQ(f.session.currentPage(), c.page);
        EXPECT_EQ(f.session.importMenuEnabled(), c.importEnabled);
    }
}

TEST(EditorSessionStart, RestoringTheOutputPageBuildsItsText)
{
    SessionFixture f;
    ASSERT_TRUE(f.settings.write("Page", "CurrentPage", "4"));
    f.session.start();
    ASSERT_EQ(f.session.currentPage(), pages::kOutput);
    EXPECT_EQ(f.session.outputEditor.text(), buildReportText(f.session.report()));
    EXPECT_FALSE(f.session.outputEditor.modified());
}

TEST(EditorSessionPages, HeaderFieldsReachThePreviewAndTheOutputText)
{
    SessionFixture f;
    f.session.start();
    f.session.header.placeName.enter("Hachioji, Tokyo, Japan");
    f.session.header.message.edit("first\n\nthird");
    EXPECT_EQ(f.session.header.preview.lines()[0], "Place name     Hachioji, Tokyo, Japan");
    EXPECT_EQ(f.session.header.preview.lines()[4], "Message        ");
    ASSERT_TRUE(f.session.changePage(pages::kSites));
    const std::string& out = f.session.outputEditor.text();
    EXPECT_EQ(out.substr(0, 40), "Place name     Hachioji, Tokyo, Japan\r\nM");
    EXPECT_NE(out.find("Message        third\r\n"), std::string::npos);
    EXPECT_EQ(f.settings.read("Page", "CurrentPage"), "2");
}

TEST(EditorSessionPages, RefusesToLeaveTheObservationPageWhileARecordLacksAYear)
{
    SessionFixture f;
    ASSERT_TRUE(f.settings.write("Page", "CurrentPage", "3"));
    f.session.start();
    f.dialogs.answers = {true};
    f.session.newReport();  // one blank record, no year
    EXPECT_FALSE(f.session.changePage(pages::kOutput));
    EXPECT_EQ(f.session.currentPage(), pages::kObservations);
    EXPECT_TRUE(showed(f.dialogs, messages::kYearMissing));
    EXPECT_EQ(f.settings.read("Page", "CurrentPage"), "3");

    // With a year in every record the change goes through and rebuilds the text.
    f.files.files[kReportPath] = sampleReport();
    f.dialogs.answers = {true};
    f.dialogs.openNames = {kReportPath};
    f.session.openReport();
    EXPECT_TRUE(f.session.changePage(pages::kOutput));
    EXPECT_EQ(f.session.outputEditor.text(), sampleReport());
}

TEST(EditorSessionCommands, NewAsksThenEmptiesEverythingIncludingBothMessages)
{
    SessionFixture f;
    f.session.start();
    f.files.files[kReportPath] = sampleReport();
    f.dialogs.openNames = {kReportPath};
    f.session.openReport();
    f.session.header.message.edit("a note");
    ASSERT_FALSE(f.session.messageEditor.text().empty());

    f.dialogs.answers = {false};
    f.session.newReport();
    EXPECT_EQ(f.session.currentFileName(), kReportPath);

    f.dialogs.answers = {true};
    f.session.newReport();
    EXPECT_EQ(f.session.currentFileName(), "");
    EXPECT_EQ(f.session.caption(), text(messages::kTitleHead) + text(messages::kTitleTail));
    EXPECT_EQ(f.session.header.message.text(), "");
    EXPECT_EQ(f.session.messageEditor.text(), "");
    EXPECT_EQ(f.session.readEditor.text(), "");
    // A fresh report, but the site line holds the start-up values: east,
    // north, WGS84, height above sea level.
    std::string site = "TA";
    site.resize(SiteLine::kWidth, ' ');
    site[20] = '+';
    site[32] = '+';
    site.replace(43, 2, "84");
    site[52] = 'M';
    Report expected = Report::fresh();
    expected.sites = {SiteLine::fromText(site)};
    EXPECT_EQ(f.session.report(), expected);
}

TEST(EditorSessionCommands, OpenReadsParsesAndRemembersTheFolder)
{
    SessionFixture f;
    f.session.start();
    f.files.files[kReportPath] = sampleReport();
    f.dialogs.openNames = {kReportPath};
    f.session.openReport();
    EXPECT_TRUE(f.dialogs.shown.empty());  // nothing was typed: no question
    EXPECT_EQ(f.session.report().observations.size(), 2u);
    EXPECT_EQ(f.session.messageEditor.lines(), (std::vector<std::string>{"Clear.", "", "Video 30 fps."}));
    EXPECT_EQ(f.session.caption(), text(messages::kTitleHead) + "[0712.LOR]" + text(messages::kTitleTail));
    EXPECT_EQ(f.settings.read("FilePath", "LORDirectory"), "/reports");
    EXPECT_EQ(f.session.outputEditor.text(), sampleReport());

    // Opening rebuilt the output text, so a second open asks first.
    f.dialogs.answers = {false};
    f.session.openReport();
    EXPECT_TRUE(showed(f.dialogs, messages::kOpenDiscards));
}

TEST(EditorSessionCommands, OpenAsksWhenFieldsChangedWithoutAPageChange)
{
    SessionFixture f;
    f.session.start();
    f.session.header.representative.enter("Taro Tsukimi");
    f.dialogs.answers = {false};
    f.session.openReport();  // declined: the open dialog never shows
    EXPECT_TRUE(showed(f.dialogs, messages::kOpenDiscards));
    EXPECT_EQ(f.session.report().representative, "Taro Tsukimi");
}

TEST(EditorSessionCommands, OpenFailuresChangeNothing)
{
    SessionFixture f;
    f.session.start();
    f.session.readEditor.edit("kept");
    f.dialogs.openNames = {std::nullopt, "/missing.LOR"};
    f.session.openReport();
    f.session.openReport();
    ASSERT_EQ(f.dialogs.errors.size(), 1u);
    EXPECT_NE(f.dialogs.errors[0].find("/missing.LOR"), std::string::npos);
    EXPECT_EQ(f.session.readEditor.text(), "kept");
    EXPECT_EQ(f.session.currentFileName(), "");
    EXPECT_EQ(f.session.report().observations.size(), 1u);
}

TEST(EditorSessionCommands, OpeningMoreThan999RecordsSaysHowManyWereLeftOut)
{
    SessionFixture f;
    f.session.start();
    std::vector<ObservationItem> records;
    for (int i = 0; i < 1000; ++i)
        records.push_back(plainRecord(i));
    Report big = Report::fresh();
    big.observations = records;  // not renumbered: more than three digits would not fit
    std::string bytes = buildReportText(big);
    f.files.files[kReportPath] = bytes;
    f.dialogs.openNames = {kReportPath};
    f.session.openReport();
    EXPECT_EQ(f.session.report().observations.size(), 999u);
    EXPECT_TRUE(showed(f.dialogs, messages::withValue(messages::kRecordsLeftOut, "1")));
    EXPECT_EQ(f.files.files[kReportPath], bytes);
}

TEST(EditorSessionCommands, OpenThenSaveWritesTheSameBytes)
{
    SessionFixture f;
    f.session.start();
    f.files.files[kReportPath] = sampleReport();
    f.dialogs.openNames = {kReportPath};
    f.session.openReport();
    f.dialogs.saveNames = {kReportPath};
    f.dialogs.answers = {true};  // overwrite
    f.session.saveReport();
    EXPECT_EQ(f.files.files[kReportPath], sampleReport());
    EXPECT_EQ(f.files.files["/reports/0712.LBK"], sampleReport());
    EXPECT_EQ(f.dialogs.saveDialogPresets.back(), kReportPath + "|/reports");
}

TEST(EditorSessionCommands, SelectingEveryRecordRewritesNothing)
{
    SessionFixture f;
    f.session.start();
    std::vector<ObservationItem> records;
    for (int n = 0; n < 60; ++n)  // every catalogue, method, code and comment layout
        records.push_back(fullRecord(n));
    Report report = reportWith(records);
    const std::string bytes = buildReportText(report);
    f.files.files[kReportPath] = bytes;
    f.dialogs.openNames = {kReportPath};
    f.session.openReport();
    for (std::size_t i = 0; i < records.size(); ++i)
        f.session.observations.select(i);
    ASSERT_TRUE(f.session.changePage(pages::kObservations));
    ASSERT_TRUE(f.session.changePage(pages::kOutput));
    f.dialogs.saveNames = {"/reports/again.LOR"};
    f.session.saveReport();
    EXPECT_EQ(f.files.files["/reports/again.LOR"], bytes);
}

TEST(EditorSessionCommands, SaveRefusesARecordWithoutAYearAndShowsTheObservationPage)
{
    SessionFixture f;
    f.session.start();
    f.dialogs.answers = {true};
    f.session.newReport();
    f.session.saveReport();  // no file dialog is expected: the queue is empty
    EXPECT_TRUE(showed(f.dialogs, messages::kYearMissing));
    EXPECT_EQ(f.session.currentPage(), pages::kObservations);
    EXPECT_EQ(f.settings.read("Page", "CurrentPage"), "");  // the program's own page change is not recorded
}

TEST(EditorSessionCommands, SaveFromTheOutputPageWritesTheHandEditedText)
{
    SessionFixture f;
    f.session.start();
    ASSERT_TRUE(f.session.changePage(pages::kOutput));
    f.session.outputEditor.edit("hand edited\nsecond line");
    f.dialogs.saveNames = {"/out/new"};
    f.session.saveReport();
    EXPECT_EQ(f.files.files["/out/new"], "hand edited\r\nsecond line\r\n");
    EXPECT_EQ(f.session.currentFileName(), "/out/new");
}

TEST(EditorSessionCommands, AFailedSaveKeepsThePreviousFileAndTheName)
{
    SessionFixture f;
    f.session.start();
    f.files.files[kReportPath] = "previous";
    // Only the report's own write fails, not the settings file's.
    f.files.fails = [](const FakeFileSystem::Call& call) {
        return call.op == "write" && call.to.find("selen.ini") == std::string::npos;
    };
    f.dialogs.saveNames = {kReportPath};
    f.dialogs.answers = {true};
    f.session.saveReport();
    ASSERT_EQ(f.dialogs.errors.size(), 1u);
    EXPECT_NE(f.dialogs.errors[0].find("No space left"), std::string::npos);
    EXPECT_EQ(f.files.files[kReportPath], "previous");
    EXPECT_EQ(f.files.files.count("/reports/0712.LBK"), 0u);
    EXPECT_EQ(f.session.currentFileName(), "");

    // Declining the overwrite question leaves everything as it was.
    f.files.fails = [](const FakeFileSystem::Call&) { return false; };
    f.dialogs.saveNames = {kReportPath};
    f.dialogs.answers = {false};
    f.session.saveReport();
    EXPECT_EQ(f.files.files[kReportPath], "previous");
}

TEST(EditorSessionCommands, DecliningTheOverwriteKeepsTheNameAndTheCaption)
{
    SessionFixture f;
    f.session.start();
    f.files.files[kReportPath] = sampleReport();
    f.dialogs.openNames = {kReportPath};
    f.session.openReport();
    f.files.files["/reports/other.LOR"] = "other";
    int captionChanges = 0;
    f.session.captionChanged.listen([&] { ++captionChanges; });
    f.dialogs.saveNames = {"/reports/other.LOR"};
    f.dialogs.answers = {false};
    f.session.saveReport();
    EXPECT_EQ(f.session.currentFileName(), kReportPath);
    EXPECT_EQ(f.session.caption(),
              "Selen .. I have a good observation of the lunar occultation [0712.LOR] ... Quillet! .. Ver.1.2.0");
    EXPECT_EQ(captionChanges, 0);
    EXPECT_EQ(f.files.files["/reports/other.LOR"], "other");
    EXPECT_EQ(f.files.files.count("/reports/other.LBK"), 0u);
}

// When the new file cannot take the report's name, the message says where the
// previous report and its older backup are: back in place, or left only under
// the backup (and a temporary) name.
TEST(EditorSessionCommands, AFailedFinalRenameSaysWhereThePreviousReportIs)
{
    using Call = FakeFileSystem::Call;
    const auto finalRename = [](const Call& c) { return c.op == "rename" && c.from == "/reports/.selen-new-1"; };
    const auto finalAndBack = [=](const Call& c) {
        return finalRename(c) || (c.op == "rename" && c.from == "/reports/0712.LBK" && c.to == kReportPath);
    };
    const struct {
        std::function<bool(const Call&)> fails;
        bool olderBackup;
        std::string message;
        std::map<std::string, std::string> after;
    } cases[] = {
        {finalRename, true,
         "報告書を保存できませんでした（元のファイルはそのままです）: /reports/0712.LOR: cannot rename",
         {{kReportPath, "previous"}, {"/reports/0712.LBK", "older"}}},
        {finalAndBack, false,
         "報告書を保存できませんでした: /reports/0712.LOR: cannot rename\n"
         "元の報告書は元の名前に戻せなかったため、バックアップ /reports/0712.LBK としてだけ残っています。",
         {{"/reports/0712.LBK", "previous"}}},
        {finalAndBack, true,
         "報告書を保存できませんでした: /reports/0712.LOR: cannot rename\n"
         "元の報告書は元の名前に戻せなかったため、バックアップ /reports/0712.LBK としてだけ残っています。\n"
         "以前のバックアップは /reports/.selen-old-1 に残っています。",
         {{"/reports/0712.LBK", "previous"}, {"/reports/.selen-old-1", "older"}}},
    };
    for (const auto& c : cases) {
        SessionFixture f;
        f.session.start();
        f.files.files[kReportPath] = "previous";
        if (c.olderBackup)
            f.files.files["/reports/0712.LBK"] = "older";
        f.files.fails = c.fails;
        f.dialogs.saveNames = {kReportPath};
        f.dialogs.answers = {true};
        f.session.saveReport();
        EXPECT_EQ(f.dialogs.errors, std::vector<std::string>{c.message});
        std::map<std::string, std::string> reports(f.files.files.lower_bound("/reports/"), f.files.files.end());
        EXPECT_EQ(reports, c.after) << c.message;
        EXPECT_EQ(f.session.currentFileName(), "");
    }
}

TEST(EditorSessionCommands, ASettingsWriteThatFailsNamesTheFile)
{
    SessionFixture f;
    f.session.start();
    f.files.fails = [](const FakeFileSystem::Call& call) { return call.op == "rename"; };
    EXPECT_TRUE(f.session.changePage(pages::kSites));
    ASSERT_EQ(f.dialogs.errors.size(), 1u);
    EXPECT_NE(f.dialogs.errors[0].find("/opt/selen/selen.ini"), std::string::npos);
    EXPECT_EQ(f.session.currentPage(), pages::kSites);
}

TEST(EditorSessionCommands, ErrorsACommandDoesNotHandleAreShown)
{
    SessionFixture f;
    f.session.run([] { throw std::runtime_error("disk on fire"); });
    EXPECT_EQ(f.dialogs.errors, (std::vector<std::string>{"disk on fire"}));
}

TEST(EditorSessionCommands, HelpGoesToTheViewer)
{
    SessionFixture f;
    f.session.showContentsHelp();
    f.session.showHelpTopic(73);
    EXPECT_EQ(f.help.topics, (std::vector<int>{0, 73}));
}

TEST(EditorSessionCommands, AddingPastedTextThatBeginsWithNoRecordLineSaysSo)
{
    const std::string record = plainRecord(7).reportLine();
    struct Case {
        std::string pasted;
        std::size_t records;  // in the list afterwards
        bool told;
    };
    const Case cases[] = {
        {"", 1, true},
        {"\r\n", 1, true},
        {"Selen .. I have a good observation", 1, true},   // a heading, not a record
        {"2024 3 5" + record.substr(8), 1, true},           // spaces for the leading zeros
        {"\r\n" + record, 1, true},                      // adding stops at the empty first line
        {record, 2, false},
        {record + "\r\nnot a record\r\n" + record, 2, false},  // some added: the stop is the rule
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted);
        SessionFixture f;
        f.session.start();
        f.session.pasteArea.edit(c.pasted);
        f.session.addPastedRecords();
        EXPECT_EQ(f.session.report().observations.size(), c.records);
        EXPECT_EQ(f.dialogs.shown, c.told ? std::vector<std::string>{text(messages::kNoPastedRecord)}
                                          : std::vector<std::string>{});
        EXPECT_EQ(f.session.pasteArea.text(), c.pasted);  // the area keeps its text
    }

    // A full list takes nothing and, as its other add commands, says nothing.
    SessionFixture f;
    f.session.start();
    Report full = Report::fresh();
    full.observations.clear();
    for (int i = 0; i < 999; ++i)
        full.observations.push_back(plainRecord(i));
    f.files.files[kReportPath] = buildReportText(full);
    f.dialogs.openNames = {kReportPath};
    f.session.openReport();
    ASSERT_EQ(f.session.report().observations.size(), 999u);
    f.session.pasteArea.edit(record);
    f.session.addPastedRecords();
    EXPECT_EQ(f.session.report().observations.size(), 999u);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(EditorSessionCommands, AnUnreadablePredictionListingIsCalledAListingNotAReport)
{
    SessionFixture f;
    f.session.start();
    f.files.unreadable.insert("/predictions/2024.txt");
    f.dialogs.openNames = {"/predictions/2024.txt"};
    f.session.prediction.loadFile();
    ASSERT_EQ(f.dialogs.errors.size(), 1u);
    EXPECT_EQ(f.dialogs.errors[0], "予報リストのファイルを読み込めませんでした: /predictions/2024.txt: Permission denied");
    EXPECT_TRUE(f.session.prediction.lines().empty());
    EXPECT_EQ(f.settings.read("FilePath", "PredictionDirectory"), "");  // a failed load records no folder
}

TEST(EditorSessionStart, WithNoFolderRecordedTheDialogsStartInTheFolderTheWindowGives)
{
    FakeFileSystem files;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeHelp help;
    FakeClipboard clipboard;
    ProfileFile settings{files, "/home/taro/.config/selen/selen.ini"};
    EditorSession session{
        EditorSession::Ports{dialogs, clock, files, help, clipboard, settings, "/home/taro/Documents"}};
    session.start();
    EXPECT_EQ(session.reportFolder(), "/home/taro/Documents");
    EXPECT_EQ(session.predictionFolder(), "/home/taro/Documents");
    dialogs.saveNames = {std::nullopt};
    session.saveReport();
    EXPECT_EQ(dialogs.saveDialogPresets, std::vector<std::string>{"|/home/taro/Documents"});
    EXPECT_EQ(settings.read("FilePath", "LORDirectory"), "");  // the default is not written back

    // A recorded folder wins, also after New.
    ASSERT_TRUE(settings.write("FilePath", "LORDirectory", "/home/taro/reports"));
    dialogs.answers = {true};
    session.newReport();
    EXPECT_EQ(session.reportFolder(), "/home/taro/reports");
    EXPECT_EQ(session.predictionFolder(), "/home/taro/Documents");
}

}  // namespace
}  // namespace selen::test
