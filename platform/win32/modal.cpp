// The message loops: the program's own, the modal loops of its dialogs, and
// closing the program from outside while any of them runs.
#include <algorithm>
#include <vector>

#include "platform/afx/afxbackend.h"
#include "platform/win32/platform.h"
#include "platform/win32/windata.h"

namespace {

struct ModalLoop {
    HWND hWnd;
    bool ended = false;
    bool aborted = false;
};

std::vector<ModalLoop*> s_loops;  // innermost last
HWND s_pendingClose = nullptr;    // gets WM_CLOSE once the last loop has returned

// Key presses anywhere in a framework window reach its top-level window
// first, where the accelerators are.
void RouteKeyToTopLevel(MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !msg.hwnd)
        return;
    HWND hRoot = GetAncestor(msg.hwnd, GA_ROOT);
    if (hRoot && hRoot != msg.hwnd && FindWindowData(hRoot) && FindWindowData(msg.hwnd))
        msg.hwnd = hRoot;
}

// Closes the system's own dialogs and message boxes that the program has open.
void CloseForeignModalWindows(HWND hMain)
{
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (hWnd != HWND(lParam) && IsWindowVisible(hWnd) && GetWindow(hWnd, GW_OWNER) && !FindWindowData(hWnd))
                PostMessageA(hWnd, WM_CLOSE, 0, 0);
            return TRUE;
        },
        LPARAM(hMain));
}

}  // namespace

void RequestClose(HWND hMain)
{
    if (hMain)
        PostMessageA(hMain, WM_AFX_CLOSEREQUEST, 0, 0);
}

bool HandleCloseRequest(HWND hWnd, UINT message, WPARAM wParam)
{
    if (GetParent(hWnd))
        return false;
    const bool inOwnLoop =
        std::any_of(s_loops.begin(), s_loops.end(), [hWnd](const ModalLoop* loop) { return loop->hWnd == hWnd; });
    if (message == WM_ENDSESSION && wParam && s_loops.empty()) {
        // The session ends when this returns: the settings are saved now.
        SendMessageA(hWnd, WM_CLOSE, 0, 0);
        return true;
    }
    const bool request = message == WM_AFX_CLOSEREQUEST || (message == WM_ENDSESSION && wParam) ||
                         (message == WM_CLOSE && !s_loops.empty() && !inOwnLoop);
    if (!request)
        return false;
    EndMenu();
    CloseForeignModalWindows(hWnd);
    if (s_loops.empty()) {
        // What the system's own loops had open closes first: their messages
        // were posted before this one.
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
        return true;
    }
    s_pendingClose = hWnd;
    for (auto it = s_loops.rbegin(); it != s_loops.rend(); ++it) {
        (*it)->ended = (*it)->aborted = true;
        PostMessageA((*it)->hWnd, WM_NULL, 0, 0);
    }
    return true;
}

int AfxRunMessageLoop()
{
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        RouteKeyToTopLevel(msg);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return int(msg.wParam);
}

BOOL AfxRunModalLoop(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return TRUE;
    ModalLoop loop{hWnd};
    s_loops.push_back(&loop);
    ShowWindow(hWnd, SW_SHOW);
    SetForegroundWindow(hWnd);
    MSG msg{};
    while (!loop.ended) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(int(msg.wParam));  // for the loop outside
            loop.aborted = true;
            break;
        }
        if (!IsDialogMessageA(hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    std::erase(s_loops, &loop);
    if (s_loops.empty() && s_pendingClose) {
        PostMessageA(s_pendingClose, WM_CLOSE, 0, 0);
        s_pendingClose = nullptr;
    }
    return !loop.aborted;
}

void AfxEndModalLoop(HWND hWnd)
{
    for (ModalLoop* loop : s_loops) {
        if (loop->hWnd == hWnd) {
            loop->ended = true;
            PostMessageA(hWnd, WM_NULL, 0, 0);  // wakes the loop
        }
    }
}
