// What the framework asks of its backend beyond the window functions: the
// process-wide set-up, the message loop, icons and the file chooser.
#pragma once

#include <string>

#include "platform/winuser.h"

// Sets up the desktop connection; false (with a message on stderr) when there
// is no display to show windows on. SIGTERM, SIGINT and SIGHUP then post
// WM_CLOSE to the main window, so that a logout or Ctrl+C closes the program
// the ordinary way.
bool AfxPlatformInit(int argc, char** argv);
void AfxPlatformTerm();

// Runs the message loop until PostQuitMessage.
int AfxRunMessageLoop();

// The icon resource (all its images), or null when there is none.
HICON AfxLoadIcon(UINT nID);

// Asks the user for a file to open; false when the user cancels.
bool AfxPromptForFileName(std::string& path);

// Writes a memory context's bitmap as a PNG file.
bool AfxSaveBitmapAsPng(HBITMAP hBitmap, const std::string& path);

// Writes the image of the icon resource with the given size as a PNG file.
bool AfxSaveIconAsPng(UINT nID, int size, const std::string& path);
