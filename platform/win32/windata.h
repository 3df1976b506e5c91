// What the framework gave a window of the system: the procedure its messages
// go to and the data that procedure reaches.
#pragma once

#include "platform/win32/sdk/winsdk.h"

struct AfxWindowData {
    WNDPROC proc = nullptr;
    void* userData = nullptr;
    WNDPROC previous = nullptr;  // a subclassed window's own procedure
};

AfxWindowData* FindWindowData(HWND hWnd);
// Attaches the data to the window, which frees it when it is destroyed.
void SetWindowData(HWND hWnd, AfxWindowData* data);

// Calls the framework's procedure; on WM_NCDESTROY the data goes afterwards.
LRESULT CallFrameworkProc(HWND hWnd, AfxWindowData* data, UINT message, WPARAM wParam, LPARAM lParam);

// The main window's answer to a close request from outside (Ctrl+C, the end
// of the session): every modal loop ends first. Defined with the modal loops.
bool HandleCloseRequest(HWND hWnd, UINT message, WPARAM wParam);
