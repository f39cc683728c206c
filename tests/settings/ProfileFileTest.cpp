#include "settings/ProfileFile.h"

#include "SettingsTestSupport.h"
#include "report/Cp932.h"
#include "report/PosixFileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <random>

namespace selen {
namespace {

// Every test runs over a real file in a scratch folder and over the
// in-memory file system.
class ProfileFileTest : public ::testing::TestWithParam<bool> {
protected:
    test::TempDir dir;
    PosixFileSystem disk;
    test::MemoryFileSystem memory;
    FileSystem& fs = GetParam() ? static_cast<FileSystem&>(disk) : memory;
    const std::string path = GetParam() ? dir.path("selen.ini") : "/mem/selen.ini";
    ProfileFile profile{fs, path};

    void handEdit(const std::string& text) { ASSERT_TRUE(fs.writeFile(path, text)); }
    std::string fileText()
    {
        std::string text;
        fs.readFile(path, text);
        return text;
    }
    std::size_t fileCount()
    {
        return GetParam() ? std::distance(std::filesystem::directory_iterator(dir.path()), {}) : memory.files.size();
    }
};

TEST_P(ProfileFileTest, MissingFileSectionOrKeyGivesTheFallback)
{
    EXPECT_EQ(profile.read("Page", "CurrentPage", "none"), "none");
    EXPECT_EQ(fileCount(), 0u) << "reading must not create the file";
    handEdit("[Page]\nCurrentPage=3\n[FilePath]\n");
    EXPECT_EQ(profile.read("Header", "CurrentPage", "none"), "none");
    EXPECT_EQ(profile.read("Page", "CurrentPage2", "none"), "none");
    EXPECT_EQ(profile.read("FilePath", "CurrentPage", "none"), "none");
    EXPECT_EQ(profile.read("Page", "CurrentPage", "none"), "3");
}

TEST_P(ProfileFileTest, WrittenValuesReadBackAsTheyWereWritten)
{
    struct Case {
        std::string key, value, readBack;
    };
    const Case cases[] = {
        {"LongSign 1", cp932::fixed("東経"), cp932::fixed("東経")},
        {"Type 1", cp932::fixed("表示ソ"), cp932::fixed("表示ソ")},  // second bytes are "\"
        {"Horizontal Datum 1", "84  WGS84", "84  WGS84"},
        {"Mounting 1", "  0  Equatorial", "0  Equatorial"},  // blanks around a value go on reading
        {"Drive 1", "Clock\t ", "Clock"},
        {"LongMin 2", "", ""},
        {"Email 1", "a=b ;c #d [e]", "a=b ;c #d [e]"},
        {"Email 2", "<<<END", "<<<END"},
        {"Email 3", "\"quoted\"", "\"quoted\""},
        {"LongSec 1", std::string(2047, '7'), std::string(2047, '7')},
    };
    for (const Case& c : cases)
        ASSERT_TRUE(profile.write("Place", c.key, c.value)) << c.key;
    for (const Case& c : cases)  // later writes kept the earlier entries
        EXPECT_EQ(profile.read("Place", c.key, "missing"), c.readBack) << c.key;
    ASSERT_TRUE(profile.write("Place", "Type 1", "Reflector"));
    EXPECT_EQ(profile.read("Place", "Type 1"), "Reflector");
    EXPECT_EQ(fileCount(), 1u) << "no temporary file left behind";
}

TEST_P(ProfileFileTest, SpacesInsideKeysCountAndLetterCaseDoesNot)
{
    ASSERT_TRUE(profile.write("Place", "LongDeg 1", "a"));
    ASSERT_TRUE(profile.write("Place", "LongDeg  1", "b"));
    ASSERT_TRUE(profile.write("Place", "AltDec   1", "c"));
    ASSERT_TRUE(profile.write("Place", "AltDec 1", "d"));
    ASSERT_TRUE(profile.write("PLACE", "longdeg 1", "e"));  // the same entry as "LongDeg 1"
    ASSERT_TRUE(profile.write("Page", "CurrentPage", "3"));
    EXPECT_EQ(profile.read("place", "LONGDEG 1"), "e");
    EXPECT_EQ(profile.read("Place", "LongDeg  1"), "b");
    EXPECT_EQ(profile.read("Place", "AltDec   1"), "c");
    EXPECT_EQ(profile.read("Place", "AltDec 1"), "d");
    EXPECT_EQ(fileText(), "[Place]\nLongDeg 1=e\nLongDeg  1=b\nAltDec   1=c\nAltDec 1=d\n\n\n[Page]\nCurrentPage=3\n");
}

TEST_P(ProfileFileTest, AHandEditedFileReadsAsAPersonWouldExpect)
{
    handEdit("; kept by hand\r\n\r\n"
             "  [ Page ]  \r\n   CurrentPage   =   4   \r\n"
             "a line without an equals sign\r\n=a value without a key\r\n"
             "[FilePath]\r\nLORDirectory=/first\r\nLORDirectory=/second\r\n"
             "[Header]\nEmail 1\t=\tme@example.org\t\n# Email 2=commented out\n"
             "[filepath]\rPredictionDirectory=/after a lone CR\r"
             "[Place\nLongDeg 1=under a broken section line\n");
    const struct {
        const char *section, *key, *expected;
    } cases[] = {
        {"Page", "CurrentPage", "4"},
        {"FilePath", "LORDirectory", "/second"},  // of a key given twice, the later line wins
        {"Header", "Email 1", "me@example.org"},
        {"Header", "Email 2", "-"},
        {"FilePath", "PredictionDirectory", "/after a lone CR"},  // a section given twice is one section
        {"filepath", "LongDeg 1", "under a broken section line"},  // stays in the section above
        {"Place", "LongDeg 1", "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(profile.read(c.section, c.key, "-"), c.expected) << c.section << "/" << c.key;

    ASSERT_TRUE(profile.write("Page", "CurrentPage", "5"));
    for (const auto& c : cases) {  // a rewrite keeps what was read
        if (std::string(c.key) != "CurrentPage") {
            EXPECT_EQ(profile.read(c.section, c.key, "-"), c.expected) << c.section << "/" << c.key;
        }
    }
    EXPECT_EQ(profile.read("Page", "CurrentPage"), "5");
}

TEST_P(ProfileFileTest, AKeyStartingWithTheUtf8SignatureBytesSurvivesRewrites)
{
    handEdit("\n\xEF\xBB\xBFKey=kept\n");  // not a signature: it does not start the file
    for (const char* page : {"1", "2"})
        ASSERT_TRUE(profile.write("Page", "CurrentPage", page));
    EXPECT_EQ(profile.read("", "\xEF\xBB\xBFKey"), "kept");
}

TEST_P(ProfileFileTest, LongValuesAreCutWithoutSplittingACharacter)
{
    handEdit("[Place]\nLong=" + std::string(3000, 'x') + "\nWide=" + std::string(2046, 'x')
             + cp932::fixed("東経") + "\n");
    EXPECT_EQ(profile.read("Place", "Long"), std::string(2047, 'x'));
    EXPECT_EQ(profile.read("Place", "Wide"), std::string(2046, 'x'));
}

TEST_P(ProfileFileTest, AnyBytesAreReadWithoutHarmAndAWriteThenHolds)
{
    std::mt19937 random(20240315);
    const std::string likely("[]=;# \t\r\n\0\x81\x93xP", 15);
    for (int round = 0; round < 150; ++round) {
        std::string bytes(random() % 400, ' ');
        for (char& c : bytes)
            c = random() % 2 ? likely[random() % likely.size()] : static_cast<char>(random());
        if (round == 0)
            bytes = std::string(512, '\0') + "\n[Page]\nCurrentPage=1\n";  // a file padded after a crash
        if (round == 1)
            bytes = "\xEF\xBB\xBF[Page]\nCurrentPage=1\n";
        handEdit(bytes);
        const std::string before = profile.read("Page", "CurrentPage");
        if (round < 2) {
            EXPECT_EQ(before, "1");
        }
        ASSERT_TRUE(profile.write("Page", "CurrentPage", "2"));
        ASSERT_EQ(profile.read("Page", "CurrentPage"), "2") << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileFileTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "OnDisk" : "InMemory"; });

const std::string kBefore = "[Page]\nCurrentPage=1\n";

TEST(ProfileFileFailures, AFailedWriteOrRenameLeavesThePreviousFileAndNoTemporary)
{
    for (bool existed : {true, false})
        for (bool renameFails : {false, true}) {
            test::MemoryFileSystem fs;
            if (existed)
                fs.files["/cfg/selen.ini"] = kBefore;
            const auto before = fs.files;
            fs.failWrite = !renameFails;
            fs.failRename = renameFails;
            ProfileFile profile(fs, "/cfg/selen.ini");
            const FileResult result = profile.write("Page", "CurrentPage", "4");
            EXPECT_FALSE(result.ok);
            EXPECT_NE(result.error.find("/cfg/selen.ini"), std::string::npos) << result.error;
            EXPECT_EQ(fs.files, before) << "existed " << existed << ", rename fails " << renameFails;
        }
}

TEST(ProfileFileFailures, AFileThatCannotBeReadIsNeverOverwritten)
{
    test::MemoryFileSystem fs;
    fs.unreadable.insert("/cfg/selen.ini");
    ProfileFile profile(fs, "/cfg/selen.ini");
    EXPECT_EQ(profile.read("Page", "CurrentPage", "-"), "-");
    const FileResult result = profile.write("Page", "CurrentPage", "4");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("/cfg/selen.ini"), std::string::npos);
    EXPECT_EQ(fs.writes, 0);
}

TEST(ProfileFileFailures, EntriesTheFileCouldNotHoldAreRefused)
{
    const struct {
        std::string section, key, value;
    } cases[] = {
        {"Page", "CurrentPage", "1\r\n[Header]"}, {"Page", "CurrentPage", "1\n2"}, {"Page", "CurrentPage", "1\r2"},
        {"Page", "CurrentPage", std::string("1\0" "2", 3)}, {"Page", "", "1"}, {"Page", " CurrentPage", "1"},
        {"Page", "CurrentPage ", "1"}, {"Page", "Current=Page", "1"}, {"Page", "[CurrentPage", "1"},
        {"Page", ";CurrentPage", "1"}, {"Page", "#CurrentPage", "1"}, {"", "CurrentPage", "1"},
        {"Pa]ge", "CurrentPage", "1"}, {"Page ", "CurrentPage", "1"}, {"Pa\nge", "CurrentPage", "1"},
    };
    for (const auto& c : cases) {
        test::MemoryFileSystem fs;
        fs.files["/cfg/selen.ini"] = kBefore;
        ProfileFile profile(fs, "/cfg/selen.ini");
        const FileResult result = profile.write(c.section, c.key, c.value);
        EXPECT_FALSE(result.ok) << c.section << "/" << c.key << "=" << c.value;
        EXPECT_NE(result.error.find("/cfg/selen.ini"), std::string::npos);
        EXPECT_EQ(fs.writes, 0);
    }
}

TEST(ProfileFileFailures, APathThatCannotBeAFileIsReportedOnDisk)
{
    test::TempDir dir;
    PosixFileSystem fs;
    std::filesystem::create_directory(dir.path("selen.ini"));
    for (const std::string& path : {dir.path("selen.ini"), dir.path("missing/selen.ini")}) {
        ProfileFile profile(fs, path);
        const FileResult result = profile.write("Page", "CurrentPage", "4");
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("selen.ini")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace selen
