// Windows, timers, regions and the screen: the window manager functions the
// framework and the program call, on handles the backend gives content.
#pragma once

#include "platform/wingdi.h"

struct HWND__;
struct HMENU__;
struct HICON__;
struct HMONITOR__;
using HWND = HWND__*;
using HMENU = HMENU__*;
using HICON = HICON__*;
using HMONITOR = HMONITOR__*;
using UINT_PTR = std::uintptr_t;

// Window styles.
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
// The framework's frame style bit that adds the document's name to the title.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

// Width of the sizing border a WS_THICKFRAME window draws around its client area.
constexpr int kSizingBorder = 4;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// SetWindowPos flags.
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;

// Timers run at least this many milliseconds apart, and at most this many.
constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// SetWindowRgn results.
constexpr int ERROR = 0;
constexpr int SIMPLEREGION = 2;

constexpr DWORD MONITOR_DEFAULTTONULL = 0;

using WNDPROC = LRESULT (*)(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

struct CREATESTRUCT {
    void* lpCreateParams;
    void* hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};

// Creates a window from the structure: a top-level window when there is no
// parent. Every message for it goes to the procedure, with userData reachable
// through GetWindowUserData from the first message (WM_CREATE) on.
HWND AfxCreateWindow(const CREATESTRUCT& cs, WNDPROC proc, void* userData, HICON hIcon);
void* GetWindowUserData(HWND hWnd);
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);
DWORD GetWindowStyle(HWND hWnd);

BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL MoveWindow(HWND hWnd, int x, int y, int cx, int cy, BOOL bRepaint);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
HWND GetDesktopWindow();

// With no window, they act on every window of the program.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL UpdateWindow(HWND hWnd);

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, void* lpTimerFunc);
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);

BOOL PostMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int nExitCode);

// Virtual keys of the modifiers, for GetKeyState; the high bit of the result
// is set while the key is down.
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
short GetKeyState(int nVirtKey);

// Regions. A region given to a window belongs to the window from then on.
HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2);
int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw);

// The screen that shows part of the rectangle, or null when none does.
HMONITOR MonitorFromRect(LPCRECT lprc, DWORD dwFlags);

// Painting: the context of the paint in progress, and one for the client area.
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};
HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
HDC GetDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);
