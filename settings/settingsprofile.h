// Reading the display settings from the INI file and writing them back with the
// main window's rectangle.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/afx/afxwin.h"
#include "res/barkind.h"
#include "settings/displaysettings.h"

// The shown flags of a BARS value: 1 where the character is an upper-case 'Y'.
// Missing positions count as hidden; characters after the seventh are ignored.
std::array<int, BAR_KIND_COUNT> ParseBars(std::string_view bars);

// The BARS value of the shown flags: "Y" for every non-zero flag, else "N".
std::string FormatBars(const DisplaySettings& settings);

// The main window's stored outer rectangle: WINTOP, WINBOTTOM, WINLEFT and
// WINRIGHT, read in that order, each with its default.
CRect LoadWindowRect(CWinApp* pApp);

// Reads BARS, UPDATE, FGCOLOR, BGCOLOR and USESYSCOLOR (in that order); a
// missing key gives its default.
DisplaySettings LoadDisplaySettings(CWinApp* pApp);

// Writes the nine keys: the window rectangle, then the display settings; the
// file is read and written once for all nine.
void SaveDisplaySettings(CWinApp* pApp, const CRect& rcWindow, const DisplaySettings& settings);
