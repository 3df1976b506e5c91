// The program's keys in its INI file: one section and nine keys. A missing
// window key gives the default here, a missing display key its field of
// kDefaultDisplay.
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
// Refresh interval in milliseconds.
inline constexpr const char* kUpdate = "UPDATE";
// Colours as the decimal value of 0x00BBGGRR.
inline constexpr const char* kFgColor = "FGCOLOR";
inline constexpr const char* kBgColor = "BGCOLOR";
// Non-zero: the background was taken from the system window colour.
inline constexpr const char* kUseSysColor = "USESYSCOLOR";

}  // namespace profile
