// Where the INI file lies.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <sys/stat.h>

#include <functional>

#include "platform/win/profilepath.h"
#include "tempdir.h"

namespace {

struct PathRow {
    const char* module;
    const char* ini;
};
void PrintTo(const PathRow& r, std::ostream* os) { *os << r.module; }

class ProfilePathBesideTest : public ::testing::TestWithParam<PathRow> {};

TEST_P(ProfilePathBesideTest, ReplacesTheExtensionOfTheFileName)
{
    EXPECT_EQ(ProfilePathBeside(GetParam().module), GetParam().ini);
}

INSTANTIATE_TEST_SUITE_P(Rows, ProfilePathBesideTest,
                         ::testing::Values(PathRow{"/opt/apps/desk.exe", "/opt/apps/desk.ini"},
                                           PathRow{"/opt/apps/desk.new.exe", "/opt/apps/desk.new.ini"},
                                           PathRow{"/opt/apps/desk", "/opt/apps/desk.ini"},
                                           PathRow{"/opt/my.apps/desk", "/opt/my.apps/desk.ini"},
                                           PathRow{"/home/u/.local/bin/tarvik", "/home/u/.local/bin/tarvik.ini"},
                                           PathRow{"/home/u/bin/.tarvik", "/home/u/bin/.tarvik.ini"},
                                           PathRow{"/home/u/bin/tarvik.", "/home/u/bin/tarvik.ini"},
                                           PathRow{"tarvik", "tarvik.ini"}));

TEST(ProfilePathInConfigTest, FollowsXdgConfigHome)
{
    EXPECT_EQ(ProfilePathInConfig("/usr/local/bin/tarvik", "/x/cfg", "/home/u"), "/x/cfg/tarvik/tarvik.ini");
    EXPECT_EQ(ProfilePathInConfig("/usr/local/bin/tarvik", nullptr, "/home/u"), "/home/u/.config/tarvik/tarvik.ini");
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    EXPECT_EQ(ProfilePathInConfig("/usr/bin/tarvik.bin", "cfg", "/home/u"), "/home/u/.config/tarvik/tarvik.ini");
    // Neither set: the home folder from the password database, never "/.config".
    const std::string home = getpwuid(getuid())->pw_dir;
    EXPECT_EQ(ProfilePathInConfig("/usr/bin/tarvik", nullptr, nullptr), home + "/.config/tarvik/tarvik.ini");
    EXPECT_EQ(ProfilePathInConfig("/usr/bin/tarvik", "", ""), home + "/.config/tarvik/tarvik.ini");
}

// Beside the executable when that file can be written or made there, in the
// user's configuration folder otherwise; an installed copy (in the bin folder
// it was built for, or the system's) never writes into that folder, even as root.
TEST(ChooseProfilePathTest, BesideOrInTheConfigFolder)
{
    TempDir dir;
    TempDir config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    mkdir(dir.File("ro").c_str(), 0555);
    const struct {
        const char* name;
        std::string module;
        std::function<void()> setUp;
        std::string expected;
    } rows[] = {
        {"CanBeMade", dir.File("tarvik"), [] {}, dir.File("tarvik.ini")},
        {"CanBeWritten", dir.File("tarvik"), [&] { WriteText(dir.File("tarvik.ini"), "[SETTING]\n"); },
         dir.File("tarvik.ini")},
        {"ReadOnlyFolder", dir.File("ro/tarvik"), [] {}, config.File("tarvik/tarvik.ini")},
        {"InstalledCopy", TARVIK_INSTALL_BINDIR "/tarvik-not-installed", [] {},
         config.File("tarvik/tarvik-not-installed.ini")},
        {"InTheSystemsBinFolder", "/usr/bin/tarvik-not-installed", [] {},
         config.File("tarvik/tarvik-not-installed.ini")},
    };
    for (const auto& row : rows) {
        row.setUp();
        EXPECT_EQ(ChooseProfilePath(row.module), row.expected) << row.name;
    }
    unsetenv("XDG_CONFIG_HOME");
}

TEST(ModulePathTest, IsThisTestProgram)
{
    EXPECT_NE(ModulePath().find("tarvik_unit_tests"), std::string::npos);
}

}  // namespace
