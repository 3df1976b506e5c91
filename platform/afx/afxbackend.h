// What the framework asks of its backend (platform/qt with platform/posix on
// Linux, platform/win32 on Windows) beyond the Win32-style functions: the
// process-wide set-up, the message loop, windows whose messages go to the
// framework's procedures, dialogs made from templates, modal loops, icons and
// menus from the resources, the file chooser and PNG files.
//
// This is the one header of the framework a backend sees. What a backend
// needs to know of the program comes in here, as arguments or through the
// host given at start; it never reaches into the framework's classes.
#pragma once

#include <string>

#include "platform/afx/afxacc.h"
#include "platform/win/winres.h"
#include "platform/win/winuser.h"

// What the framework tells the backend at start.
struct AFX_PLATFORM_HOST {
    // Names the program in the backend's own messages ("tarvik: ...").
    LPCSTR lpszAppName;
    // The application's main window, or null while there is none: where a
    // close request from outside goes (a signal, the end of the session), and
    // what stays above the drawings on the screen.
    HWND (*pfnGetMainWindow)();
};

// Sets up the desktop connection; false (with a message on stderr) when there
// is no display to show windows on. SIGTERM, SIGINT and SIGHUP then post
// WM_CLOSE to the main window, so that a logout or Ctrl+C closes the program
// the ordinary way.
bool AfxPlatformInit(int argc, char** argv, const AFX_PLATFORM_HOST& host);
void AfxPlatformTerm();

// Runs the message loop until PostQuitMessage.
int AfxRunMessageLoop();

// Creates a window from the structure: a child of hwndParent when the style
// has WS_CHILD, otherwise a top-level window that hwndParent (if any) owns.
// Every message for it goes to the procedure, with userData reachable through
// GetWindowUserData from the first message (WM_CREATE) on.
HWND AfxCreateWindow(const CREATESTRUCT& cs, WNDPROC proc, void* userData, HICON hIcon);
void* GetWindowUserData(HWND hWnd);

// Replaces the window's procedure and the data it reaches, returning the
// procedure it had, which CallWindowProcA calls with a message.
WNDPROC AfxSubclassWindow(HWND hWnd, WNDPROC proc, void* userData);

// Creates the dialog window of the template, hidden, with its controls, and
// sends it WM_INITDIALOG; when that answers TRUE, the first control with
// WS_TABSTOP gets the focus. Every message goes to the procedure, with
// userData reachable through GetWindowUserData; messages it passes on go to
// DefDlgProcA. Null (with nothing created) when a control's class is unknown.
HWND AfxCreateDialog(const AFX_DIALOG_TEMPLATE& dlgTemplate, HWND hWndOwner, WNDPROC proc, void* userData);

// Shows the window and handles messages until AfxEndModalLoop is called for
// it. FALSE when the loop ended because the program was told to close (a
// signal, the window manager closing the main window): every modal loop then
// ends, innermost first, and the main window gets its WM_CLOSE once the last
// has returned.
BOOL AfxRunModalLoop(HWND hWnd);
void AfxEndModalLoop(HWND hWnd);

// The icon resource (all its images), or null when there is none.
HICON AfxLoadIcon(UINT nID);

// The menu resource built as a menu the caller destroys; null when there is none.
HMENU AfxLoadMenu(UINT nIDResource);

// Asks the user for a file to open, over the owner; false when the user cancels.
bool AfxPromptForFileName(HWND hWndOwner, std::string& path);

// Writes a memory context's bitmap as a PNG file, under exactly the bytes of
// the path; false (with errno saying why, where the system said) when not.
bool AfxSaveBitmapAsPng(HBITMAP hBitmap, const std::string& path);

// Writes the icon resource at the given size as a PNG file: its image of that
// size, or one scaled up pixel by pixel.
bool AfxSaveIconAsPng(UINT nID, int size, const std::string& path);
