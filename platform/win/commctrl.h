// The common controls the dialogs use: the up-down (spin) control.
#pragma once

#include "platform/win/winuser.h"

#ifndef _WIN32

constexpr const char* UPDOWN_CLASS = "msctls_updown32";

// Up-down styles.
constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_SETBUDDYINT = 0x0002;  // writes its position into the buddy as a number
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;   // sits against the buddy's right edge
constexpr DWORD UDS_ALIGNLEFT = 0x0008;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;    // the control before it is its buddy
constexpr DWORD UDS_ARROWKEYS = 0x0020;    // Up and Down in the buddy step it
constexpr DWORD UDS_HORZ = 0x0040;

// Up-down messages. UDM_SETRANGE takes MAKELPARAM(upper, lower); UDM_GETPOS
// answers the position in the low word, with a non-zero high word when the
// buddy's text is no number in range.
constexpr UINT UDM_SETRANGE = 0x0465;
constexpr UINT UDM_GETRANGE = 0x0466;
constexpr UINT UDM_SETPOS = 0x0467;
constexpr UINT UDM_GETPOS = 0x0468;
constexpr UINT UDM_GETBUDDY = 0x046A;

#endif  // !_WIN32
