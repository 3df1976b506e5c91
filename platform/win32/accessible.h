// The accessible object of a window that describes itself (the clock view):
// IAccessible over what the framework's window says of it, so that a screen
// reader reads its parts as children.
#pragma once

#include <functional>

#include "platform/afx/afxacc.h"
#include "platform/win32/sdk/winsdk.h"

// A new object (one reference) reading the window's description from info at
// every question; hWnd places it on the screen (null: nowhere).
IAccessible* NewPartsAccessible(HWND hWnd, std::function<AFX_ACCESSIBLE_INFO()> info);

// Answers WM_GETOBJECT for the client area of a window that describes itself;
// false for another object, or when the object cannot be handed over, and
// the system's own object serves.
bool AnswerGetObject(HWND hWnd, WPARAM wParam, LPARAM lParam, std::function<AFX_ACCESSIBLE_INFO()> info,
                     LRESULT* result);
