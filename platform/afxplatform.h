// What the framework asks of its backend beyond the window functions: the
// process-wide set-up, the message loop, icons and the file chooser.
#pragma once

#include <string>

#include "platform/winuser.h"

struct AFX_DIALOG_TEMPLATE;

// Sets up the desktop connection; false (with a message on stderr) when there
// is no display to show windows on. SIGTERM, SIGINT and SIGHUP then post
// WM_CLOSE to the main window, so that a logout or Ctrl+C closes the program
// the ordinary way.
bool AfxPlatformInit(int argc, char** argv);
void AfxPlatformTerm();

// Runs the message loop until PostQuitMessage.
int AfxRunMessageLoop();

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

// Asks the user for a file to open; false when the user cancels.
bool AfxPromptForFileName(std::string& path);

// Writes a memory context's bitmap as a PNG file.
bool AfxSaveBitmapAsPng(HBITMAP hBitmap, const std::string& path);

// Writes the icon resource at the given size as a PNG file: its image of that
// size, or one scaled up pixel by pixel.
bool AfxSaveIconAsPng(UINT nID, int size, const std::string& path);
