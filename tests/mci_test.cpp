// The media control interface's command strings, error texts and the CD
// tray behind them on Linux.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/posix/mcicdrom.h"

namespace {

TEST(Mci, CommandsInAnyCaseAndSpacing)
{
    const struct {
        const char* command;
        MciCommand parsed;
    } rows[] = {{"set cdaudio door open", MciCommand::OpenDoor},
                {"  SET   CDAudio\tDOOR Open ", MciCommand::OpenDoor},
                {"set cdaudio door closed", MciCommand::CloseDoor},
                {"set cdaudio door", MciCommand::Unrecognised},
                {"set cdaudio door open wait", MciCommand::Unrecognised},
                {"set cdaudio door ajar", MciCommand::Unrecognised},
                {"play cdaudio", MciCommand::Unrecognised},
                {"", MciCommand::Unrecognised}};
    for (const auto& row : rows)
        EXPECT_EQ(ParseMciCommand(row.command), row.parsed) << '"' << row.command << '"';
}

TEST(Mci, EveryResultHasItsText)
{
    const MCIERROR codes[] = {0, MCIERR_UNRECOGNIZED_COMMAND, MCIERR_HARDWARE, MCIERR_CANNOT_LOAD_DRIVER,
                              MCIERR_UNSUPPORTED_FUNCTION, MCIERR_DEVICE_LOCKED, MCIERR_DEVICE_NOT_INSTALLED};
    char text[255];
    for (MCIERROR code : codes) {
        EXPECT_TRUE(mciGetErrorStringA(code, text, sizeof text)) << code;
        EXPECT_GT(std::strlen(text), 3u) << code;
    }
    EXPECT_FALSE(mciGetErrorStringA(999, text, sizeof text));
    char small[8];
    mciGetErrorStringA(MCIERR_HARDWARE, small, sizeof small);
    EXPECT_EQ(std::strlen(small), 6u);  // two whole characters, never half of one
}

TEST(Mci, TrayOfDevicesThatAreNoDrive)
{
    const struct {
        std::vector<std::string> devices;
        MCIERROR result;
    } rows[] = {{{}, MCIERR_DEVICE_NOT_INSTALLED},
                {{"/nonexistent/cdrom"}, MCIERR_DEVICE_NOT_INSTALLED},
                {{"/nonexistent/cdrom", "/dev/null"}, MCIERR_UNSUPPORTED_FUNCTION},
                {{"/tmp"}, MCIERR_UNSUPPORTED_FUNCTION}};
    for (const auto& row : rows)
        EXPECT_EQ(MoveCdTray(row.devices, true), row.result) << row.devices.size();
    MciSetCdDevicesForTesting({"/nonexistent/cdrom"});
    EXPECT_EQ(mciSendStringA("set cdaudio door closed", nullptr, 0, nullptr), MCIERR_DEVICE_NOT_INSTALLED);
    EXPECT_EQ(mciSendStringA("eject", nullptr, 0, nullptr), MCIERR_UNRECOGNIZED_COMMAND);
}

}  // namespace
