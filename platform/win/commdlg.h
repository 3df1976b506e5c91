// The common colour dialog.
#pragma once

#include "platform/win/winuser.h"

#ifndef _WIN32

constexpr DWORD CC_RGBINIT = 0x00000001;  // preselect rgbResult
constexpr DWORD CC_FULLOPEN = 0x00000002;

struct CHOOSECOLORA {
    DWORD lStructSize;
    HWND hwndOwner;
    void* hInstance;
    COLORREF rgbResult;
    COLORREF* lpCustColors;  // 16 custom colours, kept by the caller
    DWORD Flags;
    LPARAM lCustData;
    void* lpfnHook;
    LPCSTR lpTemplateName;
};

// Runs the colour chooser modally over its owner. TRUE with the chosen colour
// in rgbResult when the user confirms; FALSE, changing nothing, otherwise.
BOOL ChooseColorA(CHOOSECOLORA* lpcc);

#endif  // !_WIN32
