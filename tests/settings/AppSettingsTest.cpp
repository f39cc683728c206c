#include "settings/AppSettings.h"

#include "SettingsTestSupport.h"
#include "report/Cp932.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

const std::string kIni = "/opt/selen/selen.ini";

struct AppSettingsTest : ::testing::Test {
    test::MemoryFileSystem fs;
    ProfileFile profile{fs, kIni};
};

TEST_F(AppSettingsTest, RestoreCurrentPageTakesOnlyAPageIndexFromTheDigits)
{
    const struct {
        const char* file;
        std::optional<int> page;
    } cases[] = {
        {nullptr, std::nullopt},
        {"[Page]\n", std::nullopt},
        {"[Page]\nCurrentPage=\n", std::nullopt},
        {"[Page]\nCurrentPage=3\n", 3},
        {"[Page]\nCurrentPage=0\n", 0},
        {"[Page]\nCurrentPage=5\n", 5},
        {"[Page]\nCurrentPage=-1\n", 1},  // the minus sign is dropped with the other non-digits
        {"[page]\ncurrentpage= 2 \n", 2},
        {"[Page]\nCurrentPage=6\n", std::nullopt},
        {"[Page]\nCurrentPage=7\n", std::nullopt},
        {"[Page]\nCurrentPage=abc\n", std::nullopt},
        {"[Page]\nCurrentPage=1234567890123456789012345678901234567890\n", std::nullopt},
        {"[Page]\nCurrentPage=18446744073709551620\n", std::nullopt},  // 2^64 + 4 must not wrap to 4
        {"[Page]\nCurrentPage=0000000000000000000000000000000000000004\n", 4},
    };
    for (const auto& c : cases) {
        fs.files.clear();
        if (c.file)
            fs.files[kIni] = c.file;
        EXPECT_EQ(restoreCurrentPage(profile), c.page) << (c.file ? c.file : "no file");
    }
}

TEST_F(AppSettingsTest, SaveCurrentPageWritesThePlainNumber)
{
    for (int page = 0; page < kPageCount; ++page) {
        ASSERT_TRUE(saveCurrentPage(profile, page));
        EXPECT_EQ(fs.files[kIni], "[Page]\nCurrentPage=" + std::to_string(page) + "\n");
        EXPECT_EQ(restoreCurrentPage(profile), page);
    }
}

TEST_F(AppSettingsTest, FoldersNotRecordedAreTheExecutablesFolderWithoutWritingIt)
{
    Folders folders = loadFolders(profile, "/opt/selen");
    EXPECT_EQ(folders.report, "/opt/selen");
    EXPECT_EQ(folders.prediction, "/opt/selen");
    EXPECT_EQ(fs.writes, 0);

    fs.files[kIni] = "[FilePath]\nLORDirectory=/home/me/reports\nPredictionDirectory=\n";
    folders = loadFolders(profile, "/opt/selen");
    EXPECT_EQ(folders.report, "/home/me/reports");
    EXPECT_EQ(folders.prediction, "/opt/selen");
    EXPECT_EQ(fs.writes, 0);
}

TEST_F(AppSettingsTest, SavedFoldersAreWrittenAsTheyStand)
{
    const std::string japanese = "/home/me/" + cp932::fixed("観測 報告");
    ASSERT_TRUE(saveReportFolder(profile, "/home/me/old"));
    ASSERT_TRUE(savePredictionFolder(profile, japanese));
    ASSERT_TRUE(saveReportFolder(profile, ""));
    EXPECT_EQ(fs.files[kIni], "[FilePath]\nLORDirectory=\nPredictionDirectory=" + japanese + "\n");
    ASSERT_TRUE(saveReportFolder(profile, "/"));
    const Folders folders = loadFolders(profile, "/opt/selen");
    EXPECT_EQ(folders.report, "/");
    EXPECT_EQ(folders.prediction, japanese);
}

TEST(FolderOf, DropsTheFileNameAndTheTrailingSeparator)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/home/me/reports/2024.LOR", "/home/me/reports"}, {"/2024.LOR", "/"}, {"/home/me//x.LOR", "/home/me"},
        {"/home/me/", "/home/me"}, {"2024.LOR", ""}, {"data/2024.LOR", "data"}, {"/a.b/x", "/a.b"},
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(folderOf(path), folder) << path;
}

}  // namespace
}  // namespace selen
