#include "EditorFakes.h"

#include "editor/Messages.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

namespace selen::test {
namespace {

const std::string kReportPath = "/reports/0712.LOR", kBackupPath = "/reports/0712.LBK";
const std::string kFreshCaption = std::string(messages::kTitleHead) + std::string(messages::kTitleTail);

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

// The file put in place and opened through the open dialog.
void open(SessionFixture& f, const std::string& bytes, const std::string& path = kReportPath)
{
    f.files.files[path] = bytes;
    f.dialogs.openNames = {path};
    f.session.openReport();
}

// The page recorded by the last run (none on the first), and the page and
// import menu it gives. The year is preset whatever the page; the output
// page shows its text at once.
TEST(EditorSessionStart, RestoresTheRecordedPageWithTheYearPreset)
{
    const std::tuple<const char*, int, bool> cases[] = {
        {nullptr, pages::kHeader, false}, {"3", 3, true}, {"-1", 1, false}, {"7", 1, false}, {"x", 1, false},
        {"4", pages::kOutput, false}};
    for (const auto& [recorded, page, importEnabled] : cases) {
        SCOPED_TRACE(recorded ? recorded : "first run");
        SessionFixture f;
        ASSERT_TRUE(!recorded || f.settings.write("Page", "CurrentPage", recorded));
        f.session.start();
        EXPECT_EQ(f.session.currentPage(), page);
        EXPECT_EQ(f.session.importMenuEnabled(), importEnabled);
        EXPECT_EQ(f.session.caption(), kFreshCaption);
        EXPECT_EQ(f.session.report().observations.front().columns(columns::kYear), "2026");
        EXPECT_FALSE(f.session.hasUnsavedWork());
        EXPECT_TRUE(f.dialogs.shown.empty());
        EXPECT_EQ(f.session.outputEditor.text(), page == pages::kOutput ? buildReportText(f.session.report()) : "");
        EXPECT_FALSE(f.session.outputEditor.modified());
    }
}

TEST(EditorSessionStart, WithNoFolderRecordedTheDialogsStartInTheFolderTheWindowGives)
{
    SessionFixture f("/home/taro/Documents");
    f.session.start();
    EXPECT_EQ(f.session.reportFolder() + "|" + f.session.predictionFolder(), "/home/taro/Documents|/home/taro/Documents");
    f.dialogs.saveNames = {std::nullopt};
    f.session.saveReport();
    EXPECT_EQ(f.dialogs.saveDialogPresets, std::vector<std::string>{"|/home/taro/Documents"});
    EXPECT_EQ(f.settings.read("FilePath", "LORDirectory"), "");  // the default is not written back

    // A recorded folder wins, also after New.
    ASSERT_TRUE(f.settings.write("FilePath", "LORDirectory", "/home/taro/reports"));
    f.dialogs.answers = {true};
    f.session.newReport();
    EXPECT_EQ(f.session.reportFolder() + "|" + f.session.predictionFolder(), "/home/taro/reports|/home/taro/Documents");
}

// A page change records the page, rebuilds the output text and loads the
// selected record into the fields again; the today button fills year, month
// and day in that order.
TEST(EditorSessionPages, ChangesRebuildTheTextAndReloadTheRecord)
{
    SessionFixture f;
    f.session.start();
    f.session.header.placeName.enter("Hachioji, Tokyo, Japan");
    f.session.header.message.edit("first\n\nthird");
    EXPECT_EQ(f.session.header.preview.lines()[0], "Place name     Hachioji, Tokyo, Japan");
    EXPECT_EQ(f.session.header.preview.lines()[4], "Message        ");
    f.session.enterToday();
    EXPECT_EQ(f.session.report().observations[0].columns(columns::Field{1, 8}), "20261207");
    f.session.observations.putSelected(columns::kMonth, "05");
    ASSERT_TRUE(f.session.changePage(pages::kSites));
    const std::string& out = f.session.outputEditor.text();
    EXPECT_EQ(out.substr(0, 40), "Place name     Hachioji, Tokyo, Japan\r\nM");
    EXPECT_NE(out.find("Message        third\r\n"), std::string::npos);
    EXPECT_EQ(f.settings.read("Page", "CurrentPage"), "2");
    EXPECT_EQ(f.session.observationPage.month.text(), "05");

    // A settings write that fails names the file; the page changes all the same.
    f.files.fails = [](const FakeFileSystem::Call& call) { return call.op == "rename"; };
    EXPECT_TRUE(f.session.changePage(pages::kObservations));
    EXPECT_EQ(f.dialogs.errors.size(), 1u);
    EXPECT_NE(f.dialogs.errors.at(0).find("/opt/selen/selen.ini"), std::string::npos);
    EXPECT_EQ(f.session.currentPage(), pages::kObservations);
}

// A record without a valid year holds the user on the observation page and
// refuses the save; the program's own page change is not recorded.
TEST(EditorSessionPages, ARecordWithoutAYearRefusesTheSaveAndLeavingTheObservationPage)
{
    SessionFixture f;
    f.session.start();
    f.dialogs.answers = {true};
    f.session.newReport();  // one blank record, no year
    f.session.saveReport();  // no file dialog is expected: the queue is empty
    EXPECT_TRUE(showed(f.dialogs, messages::kYearMissing));
    EXPECT_EQ(f.session.currentPage(), pages::kObservations);
    EXPECT_EQ(f.settings.read("Page", "CurrentPage"), "");
    f.dialogs.shown.clear();
    EXPECT_FALSE(f.session.changePage(pages::kOutput));
    EXPECT_EQ(f.session.currentPage(), pages::kObservations);
    EXPECT_TRUE(showed(f.dialogs, messages::kYearMissing));

    // With a year in every record the change goes through and rebuilds the text.
    f.dialogs.answers = {true};
    open(f, sampleReport());
    EXPECT_TRUE(f.session.changePage(pages::kOutput));
    EXPECT_EQ(f.session.outputEditor.text(), sampleReport());
}

// New asks, then empties everything: both messages, the read editor, the
// observation page (graze box, return field) and its selectors.
TEST(EditorSessionCommands, NewAsksThenEmptiesEverything)
{
    SessionFixture f;
    f.session.start();
    Report report = reportWith({plainRecord(1)});
    report.sites.push_back(SiteLine::create(1));
    open(f, buildReportText(report));
    f.session.header.message.edit("a note");
    f.session.messageEditor.edit("options note");
    ObservationPage& page = f.session.observationPage;
    page.graze.click();
    page.setReturnField("Edit44");
    ASSERT_EQ(f.session.observations.siteSelector.lines().size(), 3u);

    f.dialogs.answers = {false};
    f.session.newReport();
    EXPECT_EQ(f.session.currentFileName(), kReportPath);

    f.dialogs.answers = {true};
    f.session.newReport();
    EXPECT_EQ(f.session.currentFileName() + f.session.header.message.text() + f.session.messageEditor.text()
                  + f.session.readEditor.text(),
              "");
    EXPECT_EQ(f.session.caption(), kFreshCaption);
    EXPECT_FALSE(page.graze.checked());
    EXPECT_EQ(page.returnField(), "Edit23");
    EXPECT_EQ(f.session.observations.siteSelector.lines().size(), 2u);
    // A fresh report, but the site line holds the start-up values: east,
    // north, WGS84, height above sea level.
    Report expected = Report::fresh();
    expected.sites = {SiteLine::fromText("TA" + std::string(18, ' ') + "+" + std::string(11, ' ') + "+"
                                         + std::string(10, ' ') + "84" + std::string(7, ' ') + "M")};
    EXPECT_EQ(f.session.report(), expected);
}

// Opening reads, parses, remembers the folder and rebuilds the output text;
// saving over the same name writes the same bytes and keeps the previous
// file as the backup; declining to overwrite another file keeps the name.
TEST(EditorSessionCommands, OpenThenSaveWritesTheSameBytes)
{
    SessionFixture f;
    f.session.start();
    open(f, sampleReport());
    EXPECT_TRUE(f.dialogs.shown.empty());  // nothing was typed: no question
    EXPECT_EQ(f.session.report().observations.size(), 2u);
    EXPECT_EQ(f.session.messageEditor.lines(), (std::vector<std::string>{"Clear.", "", "Video 30 fps."}));
    EXPECT_EQ(f.session.caption(), std::string(messages::kTitleHead) + "[0712.LOR]" + std::string(messages::kTitleTail));
    EXPECT_EQ(f.settings.read("FilePath", "LORDirectory"), "/reports");
    EXPECT_EQ(f.session.outputEditor.text(), sampleReport());

    f.dialogs.saveNames = {kReportPath};
    f.dialogs.answers = {true};  // overwrite
    EXPECT_TRUE(f.session.saveReport());
    EXPECT_EQ(f.files.files[kReportPath], sampleReport());
    EXPECT_EQ(f.files.files[kBackupPath], sampleReport());
    EXPECT_EQ(f.dialogs.saveDialogPresets.back(), kReportPath + "|/reports");

    f.files.files["/reports/other.LOR"] = "other";
    int captionChanges = 0;
    f.session.captionChanged.listen([&] { ++captionChanges; });
    f.dialogs.saveNames = {"/reports/other.LOR"};
    f.dialogs.answers = {false};
    EXPECT_FALSE(f.session.saveReport());
    EXPECT_EQ(f.session.currentFileName(), kReportPath);
    EXPECT_EQ(f.session.caption(),
              "Selen .. I have a good observation of the lunar occultation [0712.LOR] ... Quillet! .. Ver.1.2.0");
    EXPECT_EQ(captionChanges, 0);
    EXPECT_EQ(f.files.files["/reports/other.LOR"], "other");
    EXPECT_EQ(f.files.files.count("/reports/other.LBK"), 0u);

    // From the output page the text as edited by hand is saved.
    ASSERT_TRUE(f.session.changePage(pages::kOutput));
    f.session.outputEditor.edit("hand edited\nsecond line");
    f.dialogs.saveNames = {"/out/new"};
    EXPECT_TRUE(f.session.saveReport());
    EXPECT_EQ(f.files.files["/out/new"], "hand edited\r\nsecond line\r\n");
    EXPECT_EQ(f.session.currentFileName(), "/out/new");
}

// Opening asks before it would lose work: the fields changed without a
// page change, the output text edited by hand, or the text rebuilt by the
// last open. Declined, nothing changes.
TEST(EditorSessionCommands, OpenAsksBeforeLosingWork)
{
    const std::function<void(SessionFixture&)> cases[] = {
        [](SessionFixture& f) { f.session.header.representative.enter("Taro Tsukimi"); },
        [](SessionFixture& f) {
            ASSERT_TRUE(f.session.changePage(pages::kOutput));
            f.session.outputEditor.edit("typed by hand");
        },
        [](SessionFixture& f) { open(f, sampleReport()); },
    };
    for (const auto& makeWork : cases) {
        SessionFixture f;
        f.session.start();
        makeWork(f);
        const Report before = f.session.report();
        f.dialogs.shown.clear();
        f.dialogs.answers = {false};
        f.session.openReport();  // declined: the open dialog never shows
        EXPECT_EQ(f.dialogs.shown, std::vector<std::string>{std::string(messages::kOpenDiscards)});
        EXPECT_EQ(f.session.report(), before);
    }
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

// Opening keeps the first 999 records and says how many were left out; a
// full list then takes no pasted record and, as its other add commands,
// says nothing.
TEST(EditorSessionCommands, OpeningMoreThan999RecordsSaysHowManyWereLeftOut)
{
    SessionFixture f;
    f.session.start();
    Report big = Report::fresh();
    for (int i = 0; i < 1000; ++i)
        big.observations.push_back(plainRecord(i));  // not renumbered: more than three digits would not fit
    const std::string bytes = buildReportText(big);
    open(f, bytes);
    EXPECT_EQ(f.session.report().observations.size(), 999u);
    EXPECT_EQ(f.dialogs.shown, std::vector<std::string>{messages::withValue(messages::kRecordsLeftOut, "1")});
    EXPECT_EQ(f.files.files[kReportPath], bytes);
    f.dialogs.shown.clear();
    f.session.pasteArea.edit(plainRecord(7).reportLine());
    f.session.addPastedRecords();
    EXPECT_EQ(f.session.report().observations.size(), 999u);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(EditorSessionCommands, SelectingEveryRecordRewritesNothing)
{
    SessionFixture f;
    f.session.start();
    std::vector<ObservationItem> records;
    for (int n = 0; n < 60; ++n)  // every catalogue, method, code and comment layout
        records.push_back(fullRecord(n));
    const std::string bytes = buildReportText(reportWith(records));
    open(f, bytes);
    for (std::size_t i = 0; i < records.size(); ++i)
        f.session.observations.select(i);
    ASSERT_TRUE(f.session.changePage(pages::kObservations));
    ASSERT_TRUE(f.session.changePage(pages::kOutput));
    f.dialogs.saveNames = {"/reports/again.LOR"};
    f.session.saveReport();
    EXPECT_EQ(f.files.files["/reports/again.LOR"], bytes);
}

// A failed save keeps the name and says so. When the new file cannot take
// the report's name, the message says where the previous report and its
// older backup are: back in place, or left only under the backup (and a
// temporary) name. Which files are left is the saver's own test.
TEST(EditorSessionCommands, AFailedSaveSaysWhereThePreviousReportIs)
{
    using Call = FakeFileSystem::Call;
    // Only the report's own writes fail, not the settings file's.
    const auto write = [](const Call& c) { return c.op == "write" && c.to.starts_with("/reports/"); };
    const auto finalRename = [](const Call& c) { return c.op == "rename" && c.from == "/reports/.selen-new-1"; };
    const auto finalAndBack = [=](const Call& c) {
        return finalRename(c) || (c.op == "rename" && c.from == kBackupPath && c.to == kReportPath);
    };
    const std::tuple<std::function<bool(const Call&)>, bool, std::string> cases[] = {  // fails, older backup, message
        {write, false, "報告書を保存できませんでした（元のファイルはそのままです）: /reports/.selen-new-1: No space left on device"},
        {finalRename, true, "報告書を保存できませんでした（元のファイルはそのままです）: /reports/0712.LOR: cannot rename"},
        {finalAndBack, false,
         "報告書を保存できませんでした: /reports/0712.LOR: cannot rename\n"
         "元の報告書は元の名前に戻せなかったため、バックアップ /reports/0712.LBK としてだけ残っています。"},
        {finalAndBack, true,
         "報告書を保存できませんでした: /reports/0712.LOR: cannot rename\n"
         "元の報告書は元の名前に戻せなかったため、バックアップ /reports/0712.LBK としてだけ残っています。\n"
         "以前のバックアップは /reports/.selen-old-1 に残っています。"},
    };
    for (const auto& [fails, olderBackup, message] : cases) {
        SessionFixture f;
        f.session.start();
        f.files.files[kReportPath] = "previous";
        if (olderBackup)
            f.files.files[kBackupPath] = "older";
        f.files.fails = fails;
        f.dialogs.saveNames = {kReportPath};
        f.dialogs.answers = {true};
        EXPECT_FALSE(f.session.saveReport());
        EXPECT_EQ(f.dialogs.errors, std::vector<std::string>{message});
        EXPECT_EQ(f.session.currentFileName(), "");
    }
}

// Errors a command does not handle are shown; help goes to the viewer.
TEST(EditorSessionCommands, UnhandledErrorsAreShownAndHelpGoesToTheViewer)
{
    SessionFixture f;
    f.session.run([] { throw std::runtime_error("disk on fire"); });
    EXPECT_EQ(f.dialogs.errors, (std::vector<std::string>{"disk on fire"}));
    f.session.showContentsHelp();
    f.session.showHelpTopic(73);
    EXPECT_EQ(f.help.topics, (std::vector<int>{0, 73}));
}

TEST(EditorSessionCommands, AddingPastedTextThatBeginsWithNoRecordLineSaysSo)
{
    const std::string record = plainRecord(7).reportLine();
    // Which lines are records is the import's own test.
    const std::tuple<std::string, std::size_t, bool> cases[] = {  // pasted, records afterwards, told
        {"", 1, true}, {"\r\n" + record, 1, true},  // adding stops at the empty first line
        {record, 2, false}, {record + "\r\nnot a record\r\n" + record, 2, false},  // some added: the stop is the rule
    };
    for (const auto& [pasted, records, told] : cases) {
        SCOPED_TRACE(pasted);
        SessionFixture f;
        f.session.start();
        f.session.pasteArea.edit(pasted);
        f.session.addPastedRecords();
        EXPECT_EQ(f.session.report().observations.size(), records);
        EXPECT_EQ(f.dialogs.shown, told ? std::vector<std::string>{std::string(messages::kNoPastedRecord)}
                                        : std::vector<std::string>{});
        EXPECT_EQ(f.session.pasteArea.text(), pasted);  // the area keeps its text
    }
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

}  // namespace
}  // namespace selen::test
