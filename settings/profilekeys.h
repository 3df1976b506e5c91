// The program's keys in its INI file: one section, nine keys, and the default
// each read falls back to when its key is missing.
#pragma once

#include "platform/win/windef.h"

namespace profile {

inline constexpr const char* kSection = "SETTING";

// The main window's outer rectangle in screen pixels.
inline constexpr const char* kWinTop = "WINTOP";
inline constexpr const char* kWinBottom = "WINBOTTOM";
inline constexpr const char* kWinLeft = "WINLEFT";
inline constexpr const char* kWinRight = "WINRIGHT";
inline constexpr int kDefaultWinTop = 0;
inline constexpr int kDefaultWinBottom = 100;
inline constexpr int kDefaultWinLeft = 0;
inline constexpr int kDefaultWinRight = 400;

// Shown bars: one 'Y' or 'N' per bar kind, year first.
inline constexpr const char* kBars = "BARS";
inline constexpr const char* kDefaultBars = "NNNNYYY";

// Refresh interval in milliseconds.
inline constexpr const char* kUpdate = "UPDATE";
inline constexpr int kDefaultUpdate = 50;

// Colours as the decimal value of 0x00BBGGRR.
inline constexpr const char* kFgColor = "FGCOLOR";
inline constexpr COLORREF kDefaultFgColor = 8684544;  // RGB(0, 132, 132)
inline constexpr const char* kBgColor = "BGCOLOR";
inline constexpr COLORREF kDefaultBgColor = 16768685;  // RGB(173, 222, 255)

// Non-zero: the background follows the system window colour.
inline constexpr const char* kUseSysColor = "USESYSCOLOR";
inline constexpr int kDefaultUseSysColor = 0;

}  // namespace profile
