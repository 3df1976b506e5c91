// The window manager (USER) as the framework and the program call it:
// messages, windows, timers, menus, accelerators, regions and the screen, on
// handles the backend gives content. On Windows the system declares it.
#pragma once

#include "platform/win/wingdi.h"

#ifndef _WIN32

struct HWND__;
struct HMENU__;
struct HICON__;
struct HMONITOR__;
using HWND = HWND__*;
using HMENU = HMENU__*;
using HICON = HICON__*;
using HMONITOR = HMONITOR__*;
using UINT_PTR = std::uintptr_t;

// Window messages.
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SHOWWINDOW = 0x0018;
// How small (and large) a window may be made by its border: lParam a MINMAXINFO*.
constexpr UINT WM_GETMINMAXINFO = 0x0024;
// The context menu is asked for: wParam the window, lParam the screen point
// of a click, or -1 in both halves when the keyboard asked (Shift+F10, the
// menu key; the default processing of their key sends it).
constexpr UINT WM_CONTEXTMENU = 0x007B;
// A screen reader asks for the window's accessible object: lParam names it
// (OBJID_CLIENT, oleacc.h).
constexpr UINT WM_GETOBJECT = 0x003D;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;

// Key and button state flags of pointer messages.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;

// WM_SIZE types.
constexpr UINT SIZE_RESTORED = 0;

// Accelerator flags and virtual keys as the accelerator table uses them.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;
constexpr WORD VK_BACK = 0x08;
constexpr WORD VK_INSERT = 0x2D;
constexpr WORD VK_DELETE = 0x2E;
constexpr WORD VK_F6 = 0x75;
constexpr WORD VK_F10 = 0x79;
constexpr WORD VK_APPS = 0x5D;  // the menu key

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

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

// Dialog and control styles share the low 16 bits; WS_GROUP and WS_TABSTOP
// share theirs with the minimise and maximise boxes of top-level windows.
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD DS_SETFONT = 0x00000040;
constexpr DWORD DS_MODALFRAME = 0x00000080;
constexpr DWORD BS_PUSHBUTTON = 0x00000000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
constexpr DWORD BS_AUTOCHECKBOX = 0x00000003;
constexpr DWORD BS_GROUPBOX = 0x00000007;
constexpr DWORD BS_TYPEMASK = 0x0000000F;
constexpr DWORD ES_AUTOHSCROLL = 0x00000080;
constexpr DWORD ES_NUMBER = 0x00002000;
constexpr DWORD SS_LEFT = 0x00000000;
constexpr DWORD SS_ICON = 0x00000003;
constexpr DWORD SS_TYPEMASK = 0x0000001F;
constexpr DWORD SS_NOPREFIX = 0x00000080;


struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

// System metrics: the smallest and the largest a window with a sizing border
// can be made, and the place and size of the desktop over every screen (0
// with no display).
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXMAXTRACK = 59;
constexpr int SM_CYMAXTRACK = 60;
constexpr int SM_XVIRTUALSCREEN = 76;
constexpr int SM_YVIRTUALSCREEN = 77;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;
int GetSystemMetrics(int nIndex);

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// SetWindowPos: above every window that is not topmost itself, or back
// among them.
inline HWND const HWND_TOPMOST = reinterpret_cast<HWND>(std::intptr_t(-1));
inline HWND const HWND_NOTOPMOST = reinterpret_cast<HWND>(std::intptr_t(-2));

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
constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;

struct MONITORINFO {
    DWORD cbSize;
    RECT rcMonitor;
    RECT rcWork;  // without the panels and docks of the desktop
    DWORD dwFlags;
};
constexpr DWORD MONITORINFOF_PRIMARY = 0x00000001;

// Called once for each monitor by EnumDisplayMonitors; FALSE stops the walk.
using MONITORENUMPROC = BOOL (*)(HMONITOR hMonitor, HDC hdc, LPRECT lprcMonitor, LPARAM lParam);
// Sent to every top-level window when the screens change (one added or
// removed, one of another size): wParam the bits per pixel, lParam the
// primary screen's size.
constexpr UINT WM_DISPLAYCHANGE = 0x007E;

using WNDPROC = LRESULT (*)(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Dialog results and the ids of the standard buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Button messages and notifications.
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_CLICK = 0x00F5;
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;
constexpr UINT BN_CLICKED = 0;

// What a dialog control is, as WM_GETDLGCODE answers it to the dialog manager.
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT DLGC_HASSETSEL = 0x0008;
constexpr UINT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr UINT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr UINT DLGC_STATIC = 0x0100;
constexpr UINT DLGC_BUTTON = 0x2000;

// Edit messages.
constexpr UINT EM_GETSEL = 0x00B0;
constexpr UINT EM_SETSEL = 0x00B1;

// The dialog manager's default push button: DM_GETDEFID answers
// MAKELONG(id, DC_HASDEFID).
constexpr UINT DM_GETDEFID = 0x0400;
constexpr WORD DC_HASDEFID = 0x534B;

// Message boxes.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_TYPEMASK = 0x0000000F;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONASTERISK = 0x00000040;
constexpr UINT MB_ICONMASK = 0x000000F0;

// System colours.
constexpr int COLOR_WINDOW = 5;

// GetWindow relations.
constexpr UINT GW_OWNER = 4;

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

BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);
// CallWindowProcA calls a procedure AfxSubclassWindow replaced.

LRESULT CallWindowProcA(WNDPROC proc, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

HWND GetParent(HWND hWnd);
HWND GetWindow(HWND hWnd, UINT uCmd);
// The most recently made popup owned by the window that is visible and
// enabled, or the window itself when there is none.
HWND GetLastActivePopup(HWND hWnd);

BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL IsWindowEnabled(HWND hWnd);
BOOL IsWindowVisible(HWND hWnd);
// The keyboard focus; SetFocus returns the window that had it.
HWND SetFocus(HWND hWnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hWnd);

// Window text: the caption of a top-level window, the text of a control. UTF-8.
BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString);
int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
int GetWindowTextLengthA(HWND hWnd);

// Dialog controls by id.
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);

// The default processing of a window's messages: WM_CLOSE destroys it;
// Shift+F10 and the menu key ask for the context menu (WM_CONTEXTMENU),
// which a child that does not answer passes to its parent.
LRESULT DefWindowProcA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The dialog manager's default processing: WM_CLOSE cancels (WM_COMMAND
// IDCANCEL), DM_GETDEFID names the BS_DEFPUSHBUTTON control.
LRESULT DefDlgProcA(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
// Converts a rectangle from the dialog's units to pixels.
BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);

// A modal message box owned by the window; returns the button chosen (IDOK).
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

// The desktop's colour for the given element, at this moment.
COLORREF GetSysColor(int nIndex);

BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL MoveWindow(HWND hWnd, int x, int y, int cx, int cy, BOOL bRepaint);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
// The desktop window: its rectangle is the primary monitor's.
HWND GetDesktopWindow();

// With no window, they act on every window of the program.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL UpdateWindow(HWND hWnd);

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
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

// The screen that shows part of the rectangle; when none does, null, the
// primary screen or the nearest one, as the flag asks.
HMONITOR MonitorFromRect(LPCRECT lprc, DWORD dwFlags);
HMONITOR MonitorFromWindow(HWND hWnd, DWORD dwFlags);
BOOL GetMonitorInfoA(HMONITOR hMonitor, MONITORINFO* lpmi);
// Calls the function for every monitor (the device context and clip
// rectangle must be null here).
BOOL EnumDisplayMonitors(HDC hdc, LPCRECT lprcClip, MONITORENUMPROC lpfnEnum, LPARAM dwData);

// The dots per inch of the window's monitor, which its coordinates are in:
// 96 at 100 %, 192 at 200 %. A window that moves to a monitor of another DPI
// gets WM_DPICHANGED, with the rectangle (a RECT* in lParam) that keeps its
// size in 96-dpi units there. (On Linux Qt scales every window itself, so
// the program always sees 96.)
constexpr UINT USER_DEFAULT_SCREEN_DPI = 96;
constexpr UINT WM_DPICHANGED = 0x02E0;
UINT GetDpiForWindow(HWND hWnd);

// Painting: the context of the paint in progress, and one for the client area.
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};
HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
// With no window, the context of the whole screen (the desktop window's
// coordinates): what is drawn with it shows above every window but the
// program's own, until a click on it or a repaint of every window.
HDC GetDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);

// Menu item flags.
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;

// TrackPopupMenu flags.
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;  // items can be chosen with either button
constexpr UINT TPM_RETURNCMD = 0x0100;    // return the chosen id instead of posting WM_COMMAND

// Destroys the menu and the popups in it.
BOOL DestroyMenu(HMENU hMenu);
HMENU GetSubMenu(HMENU hMenu, int nPos);
int GetMenuItemCount(HMENU hMenu);
// The item's command id: 0 for a separator, 0xFFFFFFFF for a popup.
UINT GetMenuItemID(HMENU hMenu, int nPos);
// The item's text (UTF-8, with its "&"); the characters copied.
int GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags);
// The item's MF_ flags, or 0xFFFFFFFF when there is no such item.
UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);

// Shows the menu as a popup with its top-left corner at the screen point
// (moved to stay on the screen) and runs it modally. The chosen item's id is
// posted to the window as WM_COMMAND, or returned with TPM_RETURNCMD; 0 when
// nothing was chosen.
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd, const RECT* prcRect);

#endif  // !_WIN32

// The smallest a window with a sizing border may be made at 96 dpi, as
// Windows has it for a window with a caption (SM_CXMINTRACK, SM_CYMINTRACK).
constexpr int kMinTrackWidth96 = 136;
constexpr int kMinTrackHeight96 = 39;

// Width of the sizing border a WS_THICKFRAME window draws around its client area.
constexpr int kSizingBorder = 4;

// The window's style bits (as windowsx.h has it).
DWORD GetWindowStyle(HWND hWnd);

// Pointer coordinates are signed 16-bit values.
constexpr int GET_X_LPARAM(LPARAM l) { return short(LOWORD(std::uintptr_t(l))); }
constexpr int GET_Y_LPARAM(LPARAM l) { return short(HIWORD(std::uintptr_t(l))); }
