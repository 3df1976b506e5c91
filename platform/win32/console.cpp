#include "platform/win/console.h"

#include <cstdio>

#include "platform/win32/sdk/winsdk.h"

namespace {

bool GoesNowhere(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return !handle || handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_UNKNOWN;
}

}  // namespace

void AfxAttachConsole()
{
    const bool out = GoesNowhere(STD_OUTPUT_HANDLE);
    const bool err = GoesNowhere(STD_ERROR_HANDLE);
    if ((!out && !err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (out)
        std::freopen("CONOUT$", "w", stdout);
    if (err)
        std::freopen("CONOUT$", "w", stderr);
}
