// The process-wide set-up, and what the framework loads from the program's
// resources: icons and menus. The file chooser is the system's.
#include <cstdio>
#include <string>

#include "platform/afx/afxbackend.h"
#include "platform/win/winuser.h"
#include "platform/win32/platform.h"
#include "platform/win32/text.h"
#include "platform/win32/windata.h"

namespace {

// A windowed program has no console of its own: started from one, it writes
// its messages (--help, a file it cannot open) there. Under Wine, or with its
// output redirected, it has somewhere to write already.
const bool s_attachedToConsole = [] {
    if (GetFileType(GetStdHandle(STD_ERROR_HANDLE)) != FILE_TYPE_UNKNOWN || !AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
    return true;
}();

DWORD s_mainThread = 0;
HANDLE s_finished = nullptr;  // set once the program has ended its message loop

// The framework's top-level window that no other window owns.
HWND FindMainWindow()
{
    HWND hMain = nullptr;
    EnumThreadWindows(
        s_mainThread,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (FindWindowData(hWnd) && !GetWindow(hWnd, GW_OWNER)) {
                *reinterpret_cast<HWND*>(lParam) = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        LPARAM(&hMain));
    return hMain;
}

// Ctrl+C, Ctrl+Break, the console window closing, a logoff or shutdown: the
// program closes the ordinary way, saving its settings. For the last three
// the system ends the process when this returns, so it waits a while.
BOOL WINAPI OnConsoleControl(DWORD event)
{
    RequestClose(FindMainWindow());
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && s_finished)
        WaitForSingleObject(s_finished, 4000);
    return TRUE;
}

void AppendItems(HMENU hMenu, const AFX_MENU_ITEM* items, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const AFX_MENU_ITEM& item = items[i];
        const std::wstring text = Widen(item.lpszText);
        if (item.nFlags & MF_SEPARATOR) {
            AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
        } else if (item.nFlags & MF_POPUP) {
            HMENU hPopup = CreatePopupMenu();
            AppendItems(hPopup, item.pPopup, item.popupCount);
            AppendMenuW(hMenu, item.nFlags, UINT_PTR(hPopup), text.c_str());
        } else {
            AppendMenuW(hMenu, item.nFlags, item.nID, text.c_str());
        }
    }
}

}  // namespace

bool AfxPlatformInit(int, char**, const AFX_PLATFORM_HOST&)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    s_mainThread = GetCurrentThreadId();
    s_finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(&OnConsoleControl, TRUE);
    return true;
}

void AfxPlatformTerm()
{
    if (s_finished)
        SetEvent(s_finished);
}

HICON AfxLoadIcon(UINT nID)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nID), IMAGE_ICON, 0, 0,
                                         LR_DEFAULTSIZE | LR_SHARED));
}

HMENU AfxLoadMenu(UINT nIDResource)
{
    for (size_t i = 0; i < afxResources.menuCount; ++i) {
        const AFX_MENU_TEMPLATE& menu = afxResources.menus[i];
        if (menu.nID == nIDResource) {
            HMENU hMenu = CreateMenu();
            AppendItems(hMenu, menu.items, menu.count);
            return hMenu;
        }
    }
    return nullptr;
}

bool AfxPromptForFileName(HWND hWndOwner, std::string& path)
{
    wchar_t file[MAX_PATH * 4] = L"";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hWndOwner;
    ofn.lpstrFilter = L"*.*\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file / sizeof file[0];
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&ofn))
        return false;
    path = Narrow(file);
    return true;
}
