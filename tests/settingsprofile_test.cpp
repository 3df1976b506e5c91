// The display settings in the INI file: what a start reads and what a close writes.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstring>
#include <functional>
#include <memory>

#include "settings/settingdlg.h"
#include "settings/settingsprofile.h"
#include "tempdir.h"

namespace {

const CRect kDefaultWindow(0, 0, 400, 100);

class SettingsProfileTest : public ::testing::Test {
protected:
    SettingsProfileTest() { m_app.m_pszProfileName = strdup(m_ini.c_str()); }

    // A start (load) followed by a close (save) with the given window rectangle.
    DisplaySettings LoadThenSave(const CRect& window = kDefaultWindow)
    {
        const DisplaySettings settings = LoadDisplaySettings(&m_app);
        SaveDisplaySettings(&m_app, window, settings);
        return settings;
    }
    std::string Saved() const { return ReadText(m_ini); }

    TempDir m_dir;
    std::string m_ini = m_dir.File("tarvik.ini");
    CWinApp m_app;
};

// Before its INI file is read the clock has the defaults of a start without one.
TEST_F(SettingsProfileTest, ConstructorValues)
{
    const CSettingDlg settings;
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
        EXPECT_EQ(settings.GetShow(kind), kind >= BAR_MINUTE ? 1 : 0) << kind;
    EXPECT_EQ(settings.GetShown(), 3);
    EXPECT_EQ(settings.GetInterval(), 50);
    EXPECT_EQ(settings.GetUseSysColor(), 0);
    EXPECT_EQ(settings.GetBarColor(), RGB(0, 132, 132));
    EXPECT_EQ(settings.GetBackColor(), RGB(173, 222, 255));
}

TEST_F(SettingsProfileTest, StartWithoutFileWritesTheNineDefaultsInOrder)
{
    EXPECT_EQ(LoadThenSave().Shown(), 3);
    EXPECT_EQ(Saved(),
              "[SETTING]\r\nWINTOP=0\r\nWINBOTTOM=100\r\nWINLEFT=0\r\nWINRIGHT=400\r\nBARS=NNNNYYY\r\n"
              "UPDATE=50\r\nFGCOLOR=8684544\r\nBGCOLOR=16768685\r\nUSESYSCOLOR=0\r\n");
}

struct BarsRow {
    const char* stored;
    int shown;
    const char* savedBack;
};
void PrintTo(const BarsRow& r, std::ostream* os) { *os << '"' << r.stored << '"'; }

class BarsValue : public SettingsProfileTest, public ::testing::WithParamInterface<BarsRow> {};

TEST_P(BarsValue, ReadAndWrittenBack)
{
    WriteText(m_ini, std::string("[SETTING]\r\nBARS=") + GetParam().stored + "\r\n");
    const auto settings = LoadThenSave();
    EXPECT_EQ(settings.Shown(), GetParam().shown);
    EXPECT_NE(Saved().find(std::string("\r\nBARS=") + GetParam().savedBack + "\r\n"), std::string::npos) << Saved();
}

INSTANTIATE_TEST_SUITE_P(Rows, BarsValue,
                         ::testing::Values(BarsRow{"YYYYYYY", 7, "YYYYYYY"}, BarsRow{"YY", 2, "YYNNNNN"},
                                           BarsRow{"yyyyyyy", 0, "NNNNNNN"}, BarsRow{"NNNNNNNYYY", 0, "NNNNNNN"},
                                           BarsRow{"", 0, "NNNNNNN"}, BarsRow{"NYNYNYNY", 3, "NYNYNYN"},
                                           BarsRow{"\"YNY\"", 2, "YNYNNNN"}));

TEST(BarsText, FlagsByKind)
{
    EXPECT_EQ(ParseBars("NNYNNNY"), (std::array<int, 7>{0, 0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(ParseBars("Yx"), (std::array<int, 7>{1, 0, 0, 0, 0, 0, 0}));
}

struct KeyRow {
    const char* name;
    const char* stored;    // lines of the SETTING section
    const char* expected;  // a line the save writes back
};
void PrintTo(const KeyRow& r, std::ostream* os) { *os << r.name; }

class KeyValues : public SettingsProfileTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(KeyValues, UsedAsReadAndWrittenBack)
{
    WriteText(m_ini, std::string("[SETTING]\r\n") + GetParam().stored);
    LoadThenSave();
    EXPECT_NE(Saved().find(GetParam().expected), std::string::npos) << Saved();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyValues,
    ::testing::Values(KeyRow{"UseSysColorSeven", "USESYSCOLOR=7\r\n", "\r\nUSESYSCOLOR=7\r\n"},
                      KeyRow{"UpdateOutOfDialogRange", "UPDATE=20000\r\n", "\r\nUPDATE=20000\r\n"},
                      KeyRow{"NegativeUpdate", "UPDATE=-1\r\n", "\r\nUPDATE=-1\r\n"},
                      KeyRow{"HexadecimalColour", "FGCOLOR=0xff\r\n", "\r\nFGCOLOR=255\r\n"},
                      KeyRow{"ColourTooLarge", "BGCOLOR=4294967295\r\n", "\r\nBGCOLOR=-1\r\n"},
                      KeyRow{"JunkUpdate", "UPDATE=fast\r\n", "\r\nUPDATE=0\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsProfileTest, ColoursAndFlagAsStored)
{
    WriteText(m_ini, "[SETTING]\nUSESYSCOLOR=1\nBGCOLOR=255\nFGCOLOR=16711680\nUPDATE=20000\n");
    const DisplaySettings settings = LoadDisplaySettings(&m_app);
    EXPECT_EQ(settings.back, RGB(255, 0, 0));  // as stored, whatever the system colour
    EXPECT_EQ(settings.bar, RGB(0, 0, 255));
    EXPECT_EQ(settings.useSysColor, 1);
    EXPECT_EQ(settings.interval, 20000);
}

TEST_F(SettingsProfileTest, WindowRectangleIncludingNegativeEdges)
{
    LoadThenSave(CRect(-3, -7, 397, 93));
    EXPECT_NE(Saved().find("WINTOP=-7\r\nWINBOTTOM=93\r\nWINLEFT=-3\r\nWINRIGHT=397\r\n"), std::string::npos);
}

TEST_F(SettingsProfileTest, OtherContentSurvivesByteForByte)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows' own profile functions lay the file out in their own way";
#endif
    const std::string before =
        "; tarvik settings\n"
        "[Recent File List]\n"
        "File1=/home/u/a.vst\n"
        "\n"
        "[setting]\n"
        "  bars = YYYYYYY\n"
        "; interval below\n"
        "update=100\n"
        "\n"
        "[Other]\r\n"
        "x=1";
    WriteText(m_ini, before);
    const DisplaySettings settings = LoadDisplaySettings(&m_app);
    EXPECT_EQ(settings.interval, 100);
    SaveDisplaySettings(&m_app, CRect(5, 6, 405, 106), settings);
    EXPECT_EQ(Saved(),
              "; tarvik settings\n"
              "[Recent File List]\n"
              "File1=/home/u/a.vst\n"
              "\n"
              "[setting]\n"
              "  bars = YYYYYYY\n"
              "; interval below\n"
              "update=100\n"
              "WINTOP=6\n"
              "WINBOTTOM=106\n"
              "WINLEFT=5\n"
              "WINRIGHT=405\n"
              "FGCOLOR=8684544\n"
              "BGCOLOR=16768685\n"
              "USESYSCOLOR=0\n"
              "\n"
              "[Other]\r\n"
              "x=1");
}

#ifndef _WIN32
// A save says in one line which file it could not write and why, whatever
// step failed; one that succeeds says nothing. The file's folder is made
// on the way (mode 0700).
struct SaveRow {
    const char* name;
    const char* ini;                           // the profile, in a fresh folder
    std::function<void(const TempDir&)> setUp;  // what stands in the way
    const char* reason;                        // nullptr: saved, nothing said
};
void PrintTo(const SaveRow& r, std::ostream* os) { *os << r.name; }

class SettingsSave : public ::testing::TestWithParam<SaveRow> {};

TEST_P(SettingsSave, SaysWhatCouldNotBeWritten)
{
    const SaveRow& r = GetParam();
    TempDir dir;
    r.setUp(dir);
    CWinApp app;
    const std::string ini = dir.File(r.ini);
    app.m_pszProfileName = strdup(ini.c_str());
    const DisplaySettings settings = LoadDisplaySettings(&app);
    ::testing::internal::CaptureStderr();
    SaveDisplaySettings(&app, kDefaultWindow, settings);
    const std::string said = ::testing::internal::GetCapturedStderr();
    if (!r.reason) {
        EXPECT_EQ(said, "");
        EXPECT_NE(ReadText(ini).find("USESYSCOLOR=0"), std::string::npos);
        return;
    }
    EXPECT_EQ(said, "tarvik: cannot save the settings to " + ini + ": " + r.reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingsSave,
    ::testing::Values(SaveRow{"FolderIsMade", "config/tarvik/tarvik.ini", [](const TempDir&) {}, nullptr},
                      SaveRow{"FolderCannotBeMade", "config/tarvik/tarvik.ini",
                              [](const TempDir& d) { WriteText(d.File("config"), "a file, not a folder"); },
                              "Not a directory"},
                      SaveRow{"FileIsAFolder", "tarvik.ini",
                              [](const TempDir& d) { mkdir(d.File("tarvik.ini").c_str(), 0700); }, "Is a directory"},
                      SaveRow{"ReadOnlyFile", "tarvik.ini",
                              [](const TempDir& d) {
                                  WriteText(d.File("tarvik.ini"), "[SETTING]\r\n");
                                  chmod(d.File("tarvik.ini").c_str(), 0444);
                              },
                              "Permission denied"},
                      SaveRow{"ReadOnlyFolder", "ro/tarvik.ini",
                              [](const TempDir& d) { mkdir(d.File("ro").c_str(), 0555); }, "Permission denied"}),
    [](const auto& info) { return std::string(info.param.name); });
#endif  // !_WIN32: the rows stand on Linux's file permissions

}  // namespace
