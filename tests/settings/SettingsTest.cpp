#include "settings/AppSettings.h"
#include "settings/SettingsLocation.h"

#include "../report/TestSupport.h"
#include "../support/FakeFileSystem.h"
#include "report/Cp932.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

const std::string kIni = "/opt/selen/selen.ini";

struct AppSettingsTest : ::testing::Test {
    test::FakeFileSystem fs;
    ProfileFile profile{fs, kIni};
};

TEST_F(AppSettingsTest, CurrentPageIsSavedAsThePlainNumberAndRestoredFromItsDigitsOnly)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {nullptr, std::nullopt}, {"[Page]\n", std::nullopt}, {"[Page]\nCurrentPage=\n", std::nullopt},
        {"[Page]\nCurrentPage=0\n", 0}, {"[Page]\nCurrentPage=5\n", 5},
        {"[Page]\nCurrentPage=-1\n", 1},  // the minus sign is dropped with the other non-digits
        {"[page]\ncurrentpage= 2 \n", 2}, {"[Page]\nCurrentPage=6\n", std::nullopt},
        {"[Page]\nCurrentPage=abc\n", std::nullopt},
        {"[Page]\nCurrentPage=1234567890123456789012345678901234567890\n", std::nullopt},
        {"[Page]\nCurrentPage=18446744073709551620\n", std::nullopt},  // 2^64 + 4 must not wrap to 4
        {"[Page]\nCurrentPage=0000000000000000000000000000000000000004\n", 4},
    };
    for (const auto& [file, page] : cases) {
        fs.files.clear();
        if (file)
            fs.files[kIni] = file;
        EXPECT_EQ(restoreCurrentPage(profile), page) << (file ? file : "no file");
    }
    for (int page = 0; page < kPageCount; ++page) {  // saved as the plain number
        ASSERT_TRUE(saveCurrentPage(profile, page));
        EXPECT_EQ(fs.files[kIni], "[Page]\nCurrentPage=" + std::to_string(page) + "\n");
        EXPECT_EQ(restoreCurrentPage(profile), page);
    }
}

TEST_F(AppSettingsTest, FoldersNotRecordedAreTheDefaultFolderAndSavedOnesAreWrittenAsTheyStand)
{
    Folders folders = loadFolders(profile, "/home/me/Documents");
    EXPECT_EQ(folders.report + "|" + folders.prediction, "/home/me/Documents|/home/me/Documents");
    fs.files[kIni] = "[FilePath]\nLORDirectory=/home/me/reports\nPredictionDirectory=\n";
    folders = loadFolders(profile, "/home/me/Documents");
    EXPECT_EQ(folders.report + "|" + folders.prediction, "/home/me/reports|/home/me/Documents");
    EXPECT_TRUE(fs.calls.empty());
    // Saved folders are written as they stand.
    const std::string japanese = "/home/me/" + cp932::fixed("観測 報告");
    ASSERT_TRUE(saveReportFolder(profile, "/home/me/old"));
    ASSERT_TRUE(savePredictionFolder(profile, japanese));
    ASSERT_TRUE(saveReportFolder(profile, ""));
    EXPECT_EQ(fs.files[kIni], "[FilePath]\nLORDirectory=\nPredictionDirectory=" + japanese + "\n");
    ASSERT_TRUE(saveReportFolder(profile, "/"));
    folders = loadFolders(profile, "/opt/selen");
    EXPECT_EQ(folders.report + "|" + folders.prediction, "/|" + japanese);
    // The folder of a file drops the file name and the trailing separator.
    const std::pair<std::string, std::string> cases[] = {
        {"/home/me/reports/2024.LOR", "/home/me/reports"}, {"/2024.LOR", "/"}, {"/home/me//x.LOR", "/home/me"},
        {"/home/me/", "/home/me"}, {"2024.LOR", ""}, {"data/2024.LOR", "data"}, {"/a.b/x", "/a.b"},
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(folderOf(path), folder) << path;
}

TEST_F(AppSettingsTest, WindowGeometryIsKeptInItsOwnSectionAndJunkReadsAsNoneRecorded)
{
    EXPECT_EQ(loadWindowGeometry(profile), std::nullopt) << "no file";
    // Written into a section of its own beside what is there, key by key.
    fs.files[kIni] = "[Page]\nCurrentPage=3\n";
    ASSERT_TRUE(saveWindowGeometry(profile, WindowGeometry{-8, 24, 1366, 720, true}));
    EXPECT_NE(fs.files[kIni].find("[Window]\nLeft=-8\nTop=24\nWidth=1366\nHeight=720\nMaximized=1\n"),
              std::string::npos)
        << fs.files[kIni];
    EXPECT_EQ(loadWindowGeometry(profile), (WindowGeometry{-8, 24, 1366, 720, true}));
    ASSERT_TRUE(saveWindowGeometry(profile, WindowGeometry{0, 0, 1024, 640, false}));
    EXPECT_EQ(loadWindowGeometry(profile), (WindowGeometry{0, 0, 1024, 640, false}));
    EXPECT_EQ(restoreCurrentPage(profile), 3);

    // Read back only whole and sound: `sound` with one line replaced, and
    // anything else is none recorded.
    const std::string sound = "Left=10\nTop=20\nWidth=800\nHeight=600\nMaximized=0\n";
    const std::pair<std::string, std::string> junk[] = {
        {"Left=10\n", ""}, {"Maximized=0\n", ""}, {"Left=10", "Left="}, {"Left=10", "Left=10px"}, {"Left=10", "Left=1e3"},
        {"Left=10", "Left=+10"}, {"Left=10", "Left=--10"}, {"Left=10", "Left=-"}, {"Width=800", "Width=0"},
        {"Height=600", "Height=-600"}, {"Width=800", "Width=100001"}, {"Height=600", "Height=99999999999999999999"},
        {"Width=800", "Width=800.5"}, {"Maximized=0", "Maximized=yes"}, {"Maximized=0", "Maximized=2"}};
    for (const auto& [line, replacement] : junk) {
        fs.files[kIni] = "[Window]\n" + std::string(sound).replace(sound.find(line), line.size(), replacement);
        EXPECT_EQ(loadWindowGeometry(profile), std::nullopt) << fs.files[kIni];
    }
    const std::pair<std::string, WindowGeometry> read[] = {
        {sound, {10, 20, 800, 600, false}},
        {"left= 10 \nTOP=20\nwidth=800\nheight=600\nmaximized=1\n", {10, 20, 800, 600, true}},
        {"Left=-100000\nTop=100000\nWidth=100000\nHeight=1\nMaximized=0\n", {-100000, 100000, 100000, 1, false}}};
    for (const auto& [keys, expected] : read) {
        fs.files[kIni] = "[Window]\n" + keys;
        EXPECT_EQ(loadWindowGeometry(profile), expected) << keys;
    }
    // The same keys in another section are not the window's.
    fs.files[kIni] = "[Page]\n" + sound;
    EXPECT_EQ(loadWindowGeometry(profile), std::nullopt);

    // A write that fails stops there and says so: the two keys written before
    // it stay, the rest are not written.
    fs.files.clear();
    int writes = 0;
    fs.fails = [&writes](const test::FakeFileSystem::Call& call) { return call.op == "write" && ++writes == 3; };
    const FileResult result = saveWindowGeometry(profile, WindowGeometry{1, 2, 300, 400, false});
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(kIni), std::string::npos) << result.error;
    EXPECT_EQ(profile.read("Window", "Left") + profile.read("Window", "Top") + profile.read("Window", "Width", "-")
                  + profile.read("Window", "Maximized", "-"),
              "12--");
    EXPECT_EQ(loadWindowGeometry(profile), std::nullopt);
}

TEST(SettingsLocation, BesideTheExecutableWhenItsFolderIsWritableElseWithTheUserAndMadeOnDisk)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/selen/selen", "/opt/selen/selen.ini"},   {"/opt/selen/Selen.exe", "/opt/selen/Selen.ini"},
        {"/opt/v1.2/selen", "/opt/v1.2/selen.ini"},     {"/opt/selen/selen.bin.old", "/opt/selen/selen.bin.ini"},
        {"/opt/selen/selen.", "/opt/selen/selen.ini"}, {"selen", "selen.ini"},
    };
    const Environment home{{"HOME", "/home/me"}};
    for (const auto& [executable, expected] : cases) {
        std::string asked;
        auto writable = [&](const std::string& folder) { asked = folder; return true; };
        EXPECT_EQ(settingsFilePath(executable, writable, home), expected);
        EXPECT_EQ(asked, executable == "selen" ? "." : executable.substr(0, executable.rfind('/')));
    }
    // A system copy keeps its settings with the user even where its folder is writable.
    EXPECT_EQ(settingsFilePath("/usr/bin/selen", [](const std::string&) { return true; }, home),
              "/home/me/.config/selen/selen.ini");
    // Otherwise in the user's configuration folder.
    const std::pair<Environment, std::string> otherwise[] = {
        {{{"XDG_CONFIG_HOME", "/xdg"}, {"HOME", "/home/me"}}, "/xdg/selen/selen.ini"},
        {{{"HOME", "/home/me"}}, "/home/me/.config/selen/selen.ini"},
        {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/me"}}, "/home/me/.config/selen/selen.ini"},
        {{{"XDG_CONFIG_HOME", "rel/cfg"}, {"HOME", "/home/me"}}, "/home/me/.config/selen/selen.ini"},
        {{{"XDG_CONFIG_HOME", "/xdg"}}, "/xdg/selen/selen.ini"},
        {{}, "/usr/bin/selen.ini"},  // nowhere better: its writes will fail naming it
        {{{"HOME", "relative"}}, "/usr/bin/selen.ini"},
    };
    for (const auto& [environment, expected] : otherwise)
        EXPECT_EQ(settingsFilePath("/usr/bin/selen", [](const std::string&) { return false; }, environment), expected);
    // Real folders are probed and created.
    test::TempDir dir;
    EXPECT_TRUE(isFolderWritable(dir.path()));
    EXPECT_FALSE(isFolderWritable(dir.path("missing")));

    const std::string ini = dir.path("config/selen/selen.ini");
    ASSERT_TRUE(createSettingsFolder(ini));
    ASSERT_TRUE(createSettingsFolder(ini)) << "an existing folder is fine";
    const std::filesystem::file_status made = std::filesystem::status(dir.path("config/selen"));
    EXPECT_TRUE(std::filesystem::is_directory(made));
    EXPECT_EQ(made.permissions(), std::filesystem::perms::owner_all);

    std::ofstream(dir.path("file")) << "in the way";
    const FileResult blocked = createSettingsFolder(dir.path("file/selen/selen.ini"));
    EXPECT_FALSE(blocked.ok);
    EXPECT_NE(blocked.error.find(dir.path("file")), std::string::npos) << blocked.error;
    EXPECT_FALSE(createSettingsFolder(dir.path("file/selen.ini")).ok);
}

}  // namespace
}  // namespace selen
