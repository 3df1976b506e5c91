// Windows of the system driven by the framework's procedures: creation,
// subclassing, and the data each window carries.
#include "platform/win32/windata.h"

#include "platform/afx/afxbackend.h"
#include "platform/win32/accessible.h"
#include "platform/win/winuser.h"

namespace {

AFX_ACCESSIBLE_INFO InfoOf(HWND hWnd)
{
    AFX_ACCESSIBLE_INFO info;
    if (!SendMessageA(hWnd, WM_GETOBJECT, reinterpret_cast<WPARAM>(&info), AFX_OBJID_INFO))
        info = {};
    return info;
}

constexpr wchar_t kDataProperty[] = L"tarvik.AfxWindowData";
constexpr char kWindowClass[] = "TarvikWindow";

// The data of the window being created, until its WM_NCCREATE takes it.
AfxWindowData* s_pCreating = nullptr;

LRESULT CALLBACK WindowTrampoline(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE && s_pCreating) {
        SetWindowData(hWnd, s_pCreating);
        s_pCreating = nullptr;
    }
    AfxWindowData* data = FindWindowData(hWnd);
    if (!data)
        return DefWindowProcA(hWnd, message, wParam, lParam);
    if (HandleCloseRequest(hWnd, message, wParam))
        return 0;
    if (message == WM_GETOBJECT && LONG(lParam) == OBJID_CLIENT) {
        // A window that describes itself gets an accessible object of its own.
        AFX_ACCESSIBLE_INFO probe;
        LRESULT result = 0;
        if (CallFrameworkProc(hWnd, data, message, reinterpret_cast<WPARAM>(&probe), AFX_OBJID_INFO) &&
            AnswerGetObject(hWnd, wParam, lParam, [hWnd] { return InfoOf(hWnd); }, &result))
            return result;
    }
    // A window pressed with the left button gets the pointer's messages until
    // the button is released, wherever the pointer goes meanwhile.
    if (message == WM_LBUTTONDOWN)
        SetCapture(hWnd);
    const LRESULT result = CallFrameworkProc(hWnd, data, message, wParam, lParam);
    if (message == WM_LBUTTONUP && GetCapture() == hWnd)
        ReleaseCapture();
    return result;
}

LRESULT CALLBACK SubclassTrampoline(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    AfxWindowData* data = FindWindowData(hWnd);
    if (!data)
        return DefWindowProcA(hWnd, message, wParam, lParam);
    return CallFrameworkProc(hWnd, data, message, wParam, lParam);
}

bool RegisterWindowClass()
{
    static const bool s_registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        // Double-clicks come as messages of their own; the face paints every
        // pixel, so the system erases nothing.
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &WindowTrampoline;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        wc.lpszClassName = kWindowClass;
        return RegisterClassExA(&wc) != 0;
    }();
    return s_registered;
}

}  // namespace

AfxWindowData* FindWindowData(HWND hWnd)
{
    return static_cast<AfxWindowData*>(GetPropW(hWnd, kDataProperty));
}

void SetWindowData(HWND hWnd, AfxWindowData* data)
{
    SetPropW(hWnd, kDataProperty, data);
}

LRESULT CallFrameworkProc(HWND hWnd, AfxWindowData* data, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = data->proc(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // A subclassed control cleans up after itself too, with its own procedure back.
        RemovePropW(hWnd, kDataProperty);
        if (data->previous) {
            SetWindowLongPtrA(hWnd, GWLP_WNDPROC, LONG_PTR(data->previous));
            result = CallWindowProcA(data->previous, hWnd, message, wParam, lParam);
        }
        delete data;
    }
    return result;
}

HWND AfxCreateWindow(const CREATESTRUCT& cs, WNDPROC proc, void* userData, HICON hIcon)
{
    if (!RegisterWindowClass())
        return nullptr;
    s_pCreating = new AfxWindowData{proc, userData, nullptr};
    HWND hWnd = CreateWindowExA(cs.dwExStyle, kWindowClass, cs.lpszName, DWORD(cs.style) & ~WS_VISIBLE, cs.x, cs.y,
                                cs.cx, cs.cy, cs.hwndParent, cs.hMenu, GetModuleHandleA(nullptr), nullptr);
    delete s_pCreating;  // null once the window took it
    s_pCreating = nullptr;
    if (!hWnd)
        return nullptr;
    if (hIcon) {
        SendMessageA(hWnd, WM_SETICON, ICON_BIG, LPARAM(hIcon));
        SendMessageA(hWnd, WM_SETICON, ICON_SMALL, LPARAM(hIcon));
    }
    return hWnd;
}

void* GetWindowUserData(HWND hWnd)
{
    AfxWindowData* data = FindWindowData(hWnd);
    return data ? data->userData : nullptr;
}

DWORD GetWindowStyle(HWND hWnd)
{
    return DWORD(GetWindowLongPtrA(hWnd, GWL_STYLE));
}

WNDPROC AfxSubclassWindow(HWND hWnd, WNDPROC proc, void* userData)
{
    if (AfxWindowData* data = FindWindowData(hWnd)) {
        // A window of the framework already: only its procedure changes.
        const WNDPROC previous = data->proc;
        data->proc = proc;
        data->userData = userData;
        return previous;
    }
    auto* data = new AfxWindowData{proc, userData, nullptr};
    SetWindowData(hWnd, data);
    data->previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hWnd, GWLP_WNDPROC, LONG_PTR(&SubclassTrampoline)));
    return data->previous;
}
