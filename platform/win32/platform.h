// The Windows backend's own pieces that its files share.
#pragma once

#include "platform/win32/sdk/winsdk.h"

// Posted to the main window to close the program from outside (Ctrl+C, the
// console closing): every modal loop ends first, then the window gets WM_CLOSE.
constexpr UINT WM_AFX_CLOSEREQUEST = WM_APP + 0x3F0;

void RequestClose(HWND hMain);
