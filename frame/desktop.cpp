#include "frame/desktop.h"

#include <algorithm>

#include "platform/win/shellscalingapi.h"

CRect DesktopRect()
{
    const int cx = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int cy = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (cx <= 0 || cy <= 0)
        return CRect();
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return CRect(x, y, x + cx, y + cy);
}

namespace {

BOOL AddScreen(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(hMonitor, &info))
        return TRUE;
    UINT dpiX = USER_DEFAULT_SCREEN_DPI, dpiY = USER_DEFAULT_SCREEN_DPI;
    if (GetDpiForMonitor(hMonitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY) != S_OK)
        dpiX = USER_DEFAULT_SCREEN_DPI;
    auto& screens = *reinterpret_cast<Screens*>(lParam);
    const Screen screen{CRect(info.rcMonitor), dpiX};
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        screens.insert(screens.begin(), screen);
    else
        screens.push_back(screen);
    return TRUE;
}

}  // namespace

Screens CurrentScreens()
{
    Screens screens;
    EnumDisplayMonitors(nullptr, nullptr, AddScreen, reinterpret_cast<LPARAM>(&screens));
    return screens;
}

CPoint DraggedTo(const CRect& window, CSize offset, const CRect& desktop)
{
    return CPoint(std::max<int>(window.left + offset.cx, desktop.left),
                  std::max<int>(window.top + offset.cy, desktop.top));
}
