// Drawing the face into a PNG file, without any display.
#pragma once

#include <string>

#include "platform/afx/afxwin.h"

// Draws the face as the INI file's settings and window size would show it
// after one clock tick, into a PNG file. Returns false (after saying why on
// stderr) when the file cannot be written.
bool WriteSnapshot(CWinApp* pApp, const std::string& pngPath);
