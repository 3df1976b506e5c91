// The CD tray on Linux: the MCI command string sent to the first drive's
// device file, as CDROMEJECT or CDROMCLOSETRAY.
#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/posix/mcicdrom.h"

namespace {

std::vector<std::string> DefaultCdDevices()
{
    std::vector<std::string> devices = {"/dev/cdrom"};
    for (int i = 0; i < 16; ++i)
        devices.push_back("/dev/sr" + std::to_string(i));
    return devices;
}

std::vector<std::string>& CdDevices()
{
    static std::vector<std::string> s_devices = DefaultCdDevices();
    return s_devices;
}

MCIERROR FromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case ENOTDIR:
        return MCIERR_DEVICE_NOT_INSTALLED;
    case EACCES:
    case EPERM:
    case EROFS:
        return MCIERR_CANNOT_LOAD_DRIVER;
    case EBUSY:
        return MCIERR_DEVICE_LOCKED;
    case ENOTTY:
    case EINVAL:
    case ENOSYS:
        return MCIERR_UNSUPPORTED_FUNCTION;  // not a CD drive
    default:
        return MCIERR_HARDWARE;
    }
}

}  // namespace

MCIERROR MoveCdTray(const std::vector<std::string>& devices, bool open)
{
    for (const std::string& device : devices) {
        struct stat st;
        if (stat(device.c_str(), &st) != 0)
            continue;
        // Non-blocking: the call never waits for a disc or a slow drive.
        const int fd = ::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return FromErrno(errno);
        const int result = ioctl(fd, open ? CDROMEJECT : CDROMCLOSETRAY, 0);
        const int error = errno;
        close(fd);
        return result == 0 ? 0 : FromErrno(error);
    }
    return MCIERR_DEVICE_NOT_INSTALLED;
}

void MciSetCdDevicesForTesting(std::vector<std::string> paths)
{
    CdDevices() = std::move(paths);
}

MCIERROR mciSendStringA(LPCSTR lpstrCommand, LPSTR lpstrReturnString, UINT uReturnLength, HWND)
{
    if (lpstrReturnString && uReturnLength > 0)
        lpstrReturnString[0] = '\0';  // these commands return no text
    const MciCommand command = ParseMciCommand(lpstrCommand ? lpstrCommand : "");
    if (command == MciCommand::Unrecognised)
        return MCIERR_UNRECOGNIZED_COMMAND;
    return MoveCdTray(CdDevices(), command == MciCommand::OpenDoor);
}
