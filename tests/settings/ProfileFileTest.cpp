#include "settings/ProfileFile.h"

#include "../report/TestSupport.h"
#include "../support/FakeFileSystem.h"
#include "report/Cp932.h"
#include "report/PosixFileSystem.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

// Every test runs over a real file in a scratch folder and over the
// in-memory file system.
class ProfileFileTest : public ::testing::TestWithParam<bool> {
protected:
    test::TempDir dir;
    PosixFileSystem disk;
    test::FakeFileSystem memory;
    FileSystem& fs = GetParam() ? static_cast<FileSystem&>(disk) : memory;
    const std::string path = GetParam() ? dir.path("selen.ini") : "/mem/selen.ini";
    ProfileFile profile{fs, path};

    void handEdit(const std::string& text) { ASSERT_TRUE(fs.writeFile(path, text)); }
    std::size_t fileCount() { return GetParam() ? dir.contents().size() : memory.files.size(); }
};

TEST_P(ProfileFileTest, WrittenValuesReadBackAndSpacesInsideKeysCountButLetterCaseDoesNot)
{
    const std::pair<const char*, const char*> keys[] = {
        {"LongDeg 1", "a"}, {"LongDeg  1", "b"}, {"AltDec   1", "c"}, {"AltDec 1", "d"}};
    for (const auto& [key, value] : keys)
        ASSERT_TRUE(profile.write("Place", key, value));
    ASSERT_TRUE(profile.write("PLACE", "longdeg 1", "e"));  // the same entry as "LongDeg 1"
    ASSERT_TRUE(profile.write("Page", "CurrentPage", "3"));
    EXPECT_EQ(profile.read("place", "LONGDEG 1") + profile.read("Place", "LongDeg  1")
                  + profile.read("Place", "AltDec   1") + profile.read("Place", "AltDec 1"),
              "ebcd");
    std::string text;
    fs.readFile(path, text);
    EXPECT_EQ(text, "[Place]\nLongDeg 1=e\nLongDeg  1=b\nAltDec   1=c\nAltDec 1=d\n\n\n[Page]\nCurrentPage=3\n");
    // Written values read back as they were written.
    const std::string east = cp932::fixed("東経"), type = cp932::fixed("表示ソ");  // second bytes are "\"
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"LongSign 1", east, east}, {"Type 1", type, type}, {"Horizontal Datum 1", "84  WGS84", "84  WGS84"},
        {"Mounting 1", "  0  Equatorial", "0  Equatorial"},  // blanks around a value go on reading
        {"Drive 1", "Clock\t ", "Clock"}, {"LongMin 2", "", ""}, {"Email 1", "a=b ;c #d [e]", "a=b ;c #d [e]"},
        {"Email 2", "<<<END", "<<<END"}, {"Email 3", "\"quoted\"", "\"quoted\""},
        {"LongSec 1", std::string(2047, '7'), std::string(2047, '7')},
    };
    for (const auto& [key, value, readBack] : cases)
        ASSERT_TRUE(profile.write("Place", key, value)) << key;
    for (const auto& [key, value, readBack] : cases)  // later writes kept the earlier entries
        EXPECT_EQ(profile.read("Place", key, "missing"), readBack) << key;
    ASSERT_TRUE(profile.write("Place", "Type 1", "Reflector"));
    EXPECT_EQ(profile.read("Place", "Type 1"), "Reflector");
    EXPECT_EQ(fileCount(), 1u) << "no temporary file left behind";
}

// A key starting with the UTF-8 signature bytes is not a signature when it
// does not start the file; long values are cut without splitting a character.
TEST_P(ProfileFileTest, AMissingFileGivesTheFallbackAndAHandEditedOneReadsAsAPersonWouldExpect)
{
    EXPECT_EQ(profile.read("Page", "CurrentPage", "none"), "none");
    EXPECT_EQ(fileCount(), 0u) << "reading must not create the file";
    handEdit("\n\xEF\xBB\xBFKey=kept\n; kept by hand\r\n\r\n"
             "  [ Page ]  \r\n   CurrentPage   =   4   \r\n"
             "a line without an equals sign\r\n=a value without a key\r\n"
             "[FilePath]\r\nLORDirectory=/first\r\nLORDirectory=/second\r\n"
             "[Header]\nEmail 1\t=\tme@example.org\t\n# Email 2=commented out\n"
             "Long=" + std::string(3000, 'x') + "\nWide=" + std::string(2046, 'x') + cp932::fixed("東経") + "\n"
             "[filepath]\rPredictionDirectory=/after a lone CR\r"
             "[Place\nLongDeg 1=under a broken section line\n");
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"", "\xEF\xBB\xBFKey", "kept"},
        {"FilePath", "LORDirectory", "/second"},  // of a key given twice, the later line wins
        {"Header", "Email 1", "me@example.org"},
        {"Header", "Email 2", "-"},
        {"Header", "Long", std::string(2047, 'x')},
        {"Header", "Wide", std::string(2046, 'x')},
        {"FilePath", "PredictionDirectory", "/after a lone CR"},  // a section given twice is one section
        {"filepath", "LongDeg 1", "under a broken section line"},  // stays in the section above
        {"Place", "LongDeg 1", "-"}, {"Header", "CurrentPage", "-"}, {"Page", "CurrentPage2", "-"},
        {"FilePath", "CurrentPage", "-"},  // a missing section or key gives the fallback
    };
    for (int pass = 0; pass < 2; ++pass) {  // the second after a rewrite, which keeps what was read
        EXPECT_EQ(profile.read("Page", "CurrentPage"), pass ? "5" : "4");
        for (const auto& [section, key, expected] : cases)
            EXPECT_EQ(profile.read(section, key, "-"), expected) << section << "/" << key;
        ASSERT_TRUE(profile.write("Page", "CurrentPage", "5"));
    }
}

// A file padded with NULs after a crash, or one that starts with a UTF-8
// signature, reads as written, and a write then holds (any other bytes: the
// settings-file fuzz target).
TEST_P(ProfileFileTest, APaddedOrSignedFileReadsAndAWriteThenHolds)
{
    for (const std::string& page : {std::string(512, '\0') + "\n[Page]\nCurrentPage=1\n",
                                    std::string("\xEF\xBB\xBF[Page]\nCurrentPage=1\n")}) {
        handEdit(page);
        EXPECT_EQ(profile.read("Page", "CurrentPage"), "1");
        ASSERT_TRUE(profile.write("Page", "CurrentPage", "2"));
        EXPECT_EQ(profile.read("Page", "CurrentPage"), "2");
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileFileTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "OnDisk" : "InMemory"; });

// In memory: a refused or failed write names the file and changes no file.
struct ProfileFileFailures : ::testing::Test {
    const std::string path = "/cfg/selen.ini", before = "[Page]\nCurrentPage=1\n";
    test::FakeFileSystem fs;
    ProfileFile profile{fs, path};
    void expectRefused(const FileResult& result, const std::map<std::string, std::string>& files, bool called)
    {
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
        EXPECT_EQ(fs.files, files);
        EXPECT_EQ(fs.calls.empty(), !called);
        fs.calls.clear();
    }
};

// A failed write or rename leaves the previous file and no temporary; a file
// that cannot be read is never overwritten.
TEST_F(ProfileFileFailures, AFailedWriteLeavesThePreviousFileAndAnUnreadableOneIsNeverOverwritten)
{
    for (const std::map<std::string, std::string>& files : {std::map<std::string, std::string>{{path, before}}, {}})
        for (const char* failing : {"write", "rename"}) {
            SCOPED_TRACE(std::string(failing) + (files.empty() ? "" : " over a file"));
            fs.files = files;
            fs.fails = [failing](const test::FakeFileSystem::Call& call) { return call.op == failing; };
            expectRefused(profile.write("Page", "CurrentPage", "4"), files, true);
        }
    fs.files.clear();
    fs.fails = [](const test::FakeFileSystem::Call&) { return false; };
    fs.unreadable.insert(path);
    EXPECT_EQ(profile.read("Page", "CurrentPage", "-"), "-");
    expectRefused(profile.write("Page", "CurrentPage", "4"), {}, false);
}

TEST_F(ProfileFileFailures, EntriesTheFileCouldNotHoldAreRefused)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"Page", "CurrentPage", "1\r\n[Header]"}, {"Page", "CurrentPage", "1\n2"}, {"Page", "CurrentPage", "1\r2"},
        {"Page", "CurrentPage", std::string("1\0" "2", 3)}, {"Page", "", "1"}, {"Page", " CurrentPage", "1"},
        {"Page", "CurrentPage ", "1"}, {"Page", "Current=Page", "1"}, {"Page", "[CurrentPage", "1"},
        {"Page", ";CurrentPage", "1"}, {"Page", "#CurrentPage", "1"}, {"", "CurrentPage", "1"},
        {"Pa]ge", "CurrentPage", "1"}, {"Page ", "CurrentPage", "1"}, {"Pa\nge", "CurrentPage", "1"},
    };
    fs.files[path] = before;
    for (const auto& [section, key, value] : cases) {
        SCOPED_TRACE(section + "/" + key + "=" + value);
        expectRefused(profile.write(section, key, value), {{path, before}}, false);
    }
}

TEST_F(ProfileFileFailures, APathThatCannotBeAFileIsReportedOnDisk)
{
    test::TempDir dir;
    PosixFileSystem disk;
    std::filesystem::create_directory(dir.path("selen.ini"));
    for (const std::string& file : {dir.path("selen.ini"), dir.path("missing/selen.ini")}) {
        const FileResult result = ProfileFile(disk, file).write("Page", "CurrentPage", "4");
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error.find(file), std::string::npos) << result.error;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("selen.ini")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace selen
