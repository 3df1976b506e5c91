// Active Accessibility, as far as the program describes what it draws itself:
// object ids, roles and the window events a screen reader follows. On Windows
// the system declares it.
#pragma once

#include "platform/win/winuser.h"

#ifndef _WIN32

// The object of a window that WM_GETOBJECT asks for, and its children by
// number from 1; CHILDID_SELF is the object itself.
constexpr LONG OBJID_CLIENT = -4;
constexpr LONG CHILDID_SELF = 0;

// Roles.
constexpr DWORD ROLE_SYSTEM_PROGRESSBAR = 0x30;

// Events NotifyWinEvent sends to whoever listens (a screen reader).
constexpr DWORD EVENT_OBJECT_VALUECHANGE = 0x800E;
constexpr DWORD EVENT_OBJECT_REORDER = 0x8004;

void NotifyWinEvent(DWORD event, HWND hwnd, LONG idObject, LONG idChild);
// Whether anybody listens for the event now: a screen reader, or another
// assistive program.
BOOL IsWinEventHookInstalled(DWORD event);

#endif  // !_WIN32
