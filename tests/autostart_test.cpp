// Starting at login: the autostart entry's text and its life in the user's
// configuration folder.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/posix/inifileio.h"
#include "platform/posix/userconfig.h"
#include "platform/win/autostart.h"
#include "tempdir.h"

namespace {

// The Exec line starts the very file, whatever its folder is called: quoted
// where the format reserves a character, a backslash written twice again as
// the entry's string value, a % doubled. TryExec names the same file, as a
// plain string, so that a desktop skips the entry once the file is gone.
TEST(AutostartEntry, ExecLine)
{
    const struct {
        std::string module;
        bool onTop;
        std::string exec;  // the entry's Exec line, empty for no entry
        std::string tryExec;
    } rows[] = {
        {"/usr/bin/tarvik", false, "Exec=/usr/bin/tarvik", "TryExec=/usr/bin/tarvik"},
        {"/usr/bin/tarvik", true, "Exec=/usr/bin/tarvik --on-top", "TryExec=/usr/bin/tarvik"},
        {"/home/u/My Apps/tarvik", false, "Exec=\"/home/u/My Apps/tarvik\"", "TryExec=/home/u/My Apps/tarvik"},
        {"/home/u/a$b`c\"d/tarvik", false, "Exec=\"/home/u/a\\\\$b\\\\`c\\\\\"d/tarvik\"",
         "TryExec=/home/u/a$b`c\"d/tarvik"},
        {"/home/u/a\\b/tarvik", false, "Exec=\"/home/u/a\\\\\\\\b/tarvik\"", "TryExec=/home/u/a\\\\b/tarvik"},
        {"/home/u/100%/tarvik", false, "Exec=/home/u/100%%/tarvik", "TryExec=/home/u/100%/tarvik"},
        {"/home/u/two\nlines/tarvik", false, "", ""},
    };
    for (const auto& row : rows) {
        const std::string entry = AutostartEntry(row.module, row.onTop);
        if (row.exec.empty()) {
            EXPECT_EQ(entry, "") << row.module;
            continue;
        }
        EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u) << row.module;
        EXPECT_NE(entry.find("\n" + row.exec + "\n"), std::string::npos) << entry;
        EXPECT_NE(entry.find("\n" + row.tryExec + "\n"), std::string::npos) << entry;
    }
}

// On writes the entry (making the folders), off removes it, and a second off
// says there was nothing to remove; where the folder cannot be made, on says why.
TEST(Autostart, WrittenAndRemovedInTheUsersFolder)
{
    TempDir config;
    setenv("XDG_CONFIG_HOME", config.File("cfg").c_str(), 1);
    const std::string entry = config.File("cfg/autostart/tarvik.desktop");
    ASSERT_EQ(AutostartEntryPath(config.File("cfg").c_str(), nullptr), entry);

    AutostartResult result = SetAutostart(true, "/usr/bin/tarvik", true);
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_NE(result.message.find(entry), std::string::npos) << result.message;
    EXPECT_EQ(ini::ReadBytes(entry), AutostartEntry("/usr/bin/tarvik", true));

    result = SetAutostart(false, "/usr/bin/tarvik", false);
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.message.rfind("no longer starts at login", 0), 0u) << result.message;
    struct stat st;
    EXPECT_NE(stat(entry.c_str(), &st), 0);

    result = SetAutostart(false, "/usr/bin/tarvik", false);
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.message.rfind("was not set to start at login", 0), 0u) << result.message;

    WriteText(config.File("file"), "");
    setenv("XDG_CONFIG_HOME", config.File("file").c_str(), 1);
    result = SetAutostart(true, "/usr/bin/tarvik", false);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Not a directory"), std::string::npos) << result.message;
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
