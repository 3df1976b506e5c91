// The DPI of a monitor, as the shell's scaling API gives it. On Windows the
// system declares it.
#pragma once

#include "platform/win/winuser.h"

#ifndef _WIN32

enum MONITOR_DPI_TYPE { MDT_EFFECTIVE_DPI = 0 };
// The monitor's dots per inch, as a window on it would see them
// (GetDpiForWindow); S_OK, or an error for no such monitor.
HRESULT GetDpiForMonitor(HMONITOR hMonitor, MONITOR_DPI_TYPE dpiType, UINT* dpiX, UINT* dpiY);

#endif  // !_WIN32
