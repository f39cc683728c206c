#include "settings/SettingsLocation.h"

#include "SettingsTestSupport.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>

namespace selen {
namespace {

TEST(SettingsLocation, BesideTheExecutableWhenItsFolderIsWritable)
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
}

TEST(SettingsLocation, TheUsersConfigurationFolderOtherwise)
{
    const struct {
        Environment environment;
        std::string expected;
    } cases[] = {
        {{{"XDG_CONFIG_HOME", "/xdg"}, {"HOME", "/home/me"}}, "/xdg/selen/selen.ini"},
        {{{"HOME", "/home/me"}}, "/home/me/.config/selen/selen.ini"},
        {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/me"}}, "/home/me/.config/selen/selen.ini"},
        {{{"XDG_CONFIG_HOME", "rel/cfg"}, {"HOME", "/home/me"}}, "/home/me/.config/selen/selen.ini"},
        {{{"XDG_CONFIG_HOME", "/xdg"}}, "/xdg/selen/selen.ini"},
        {{}, "/usr/bin/selen.ini"},  // nowhere better: its writes will fail naming it
        {{{"HOME", "relative"}}, "/usr/bin/selen.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settingsFilePath("/usr/bin/selen", [](const std::string&) { return false; }, c.environment),
                  c.expected);
}

TEST(SettingsLocation, ASystemCopyKeepsItsSettingsWithTheUserEvenWhenItsFolderIsWritable)
{
    const Environment home{{"HOME", "/root"}};
    const auto writable = [](const std::string&) { return true; };
    EXPECT_EQ(settingsFilePath("/usr/bin/selen", writable, home), "/root/.config/selen/selen.ini");
    EXPECT_EQ(settingsFilePath("/opt/selen/selen", writable, home), "/opt/selen/selen.ini");
}

TEST(SettingsLocation, RealFoldersAreProbedAndCreated)
{
    test::TempDir dir;
    EXPECT_TRUE(isFolderWritable(dir.path()));
    EXPECT_FALSE(isFolderWritable(dir.path("missing")));

    const std::string ini = dir.path("config/selen/selen.ini");
    ASSERT_TRUE(createSettingsFolder(ini));
    ASSERT_TRUE(createSettingsFolder(ini)) << "an existing folder is fine";
    struct stat info {};
    ASSERT_EQ(::stat(dir.path("config/selen").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    std::ofstream(dir.path("file")) << "in the way";
    const FileResult blocked = createSettingsFolder(dir.path("file/selen/selen.ini"));
    EXPECT_FALSE(blocked.ok);
    EXPECT_NE(blocked.error.find(dir.path("file")), std::string::npos) << blocked.error;
    EXPECT_FALSE(createSettingsFolder(dir.path("file/selen.ini")).ok);
}

}  // namespace
}  // namespace selen
