// The static message maps that bind window messages to handlers.
//
// A class with DECLARE_MESSAGE_MAP() gets a static table of entries chained to
// its base class's table. Each ON_ macro makes a typed thunk that calls the
// handler with the framework's signature, so a handler with a wrong signature
// does not compile.
#pragma once

#include "platform/afx/atltypes.h"
#include "platform/win/winuser.h"

class CCmdTarget;

using AFX_PMSG = LRESULT (*)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

// WM_COMMAND carries the command or control id in the low word of wParam
// and the notification code in the high word: 0 (CN_COMMAND) for menu and
// accelerator commands, which is also BN_CLICKED, a button's click.
constexpr UINT CN_COMMAND = 0;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_ message, 0 ends the table
    UINT nCode;     // notification code for WM_COMMAND entries
    UINT nID;       // command or control id for WM_COMMAND entries
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                           \
protected:                                              \
    static const AFX_MSGMAP* GetThisMessageMap();       \
    const AFX_MSGMAP* GetMessageMap() const override;   \
                                                        \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                    \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                               \
    {                                                                             \
        using ThisClass [[maybe_unused]] = theClass;                              \
        using TheBaseClass = baseClass;                                           \
        static const AFX_MSGMAP_ENTRY s_messageEntries[] = {

#define END_MESSAGE_MAP()                                                         \
    {0, 0, 0, nullptr}                                                            \
    }                                                                             \
    ;                                                                             \
    static const AFX_MSGMAP s_messageMap = {&TheBaseClass::GetThisMessageMap, s_messageEntries}; \
    return &s_messageMap;                                                         \
    }

#define AFX_THUNK(body) [](CCmdTarget* pTarget, [[maybe_unused]] WPARAM wParam, [[maybe_unused]] LPARAM lParam) -> LRESULT { \
        auto* pThis = static_cast<ThisClass*>(pTarget);                                                                     \
        body;                                                                                                               \
        return 0;                                                                                                           \
    }
// A thunk whose handler's result is the message's result.
#define AFX_THUNK_RESULT(call) [](CCmdTarget* pTarget, [[maybe_unused]] WPARAM wParam, [[maybe_unused]] LPARAM lParam) -> LRESULT { \
        auto* pThis = static_cast<ThisClass*>(pTarget);                                                                            \
        return call;                                                                                                               \
    }

#define ON_WM_SIZE() {WM_SIZE, 0, 0, AFX_THUNK(pThis->OnSize(UINT(wParam), LOWORD(std::uintptr_t(lParam)), HIWORD(std::uintptr_t(lParam))))},
#define ON_WM_GETMINMAXINFO() {WM_GETMINMAXINFO, 0, 0, AFX_THUNK(pThis->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)))},
#define ON_WM_SHOWWINDOW() {WM_SHOWWINDOW, 0, 0, AFX_THUNK(pThis->OnShowWindow(BOOL(wParam), UINT(lParam)))},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, AFX_THUNK(pThis->OnTimer(UINT(wParam)))},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, AFX_THUNK(pThis->OnDestroy())},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, AFX_THUNK(pThis->OnClose())},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, AFX_THUNK(pThis->OnPaint())},
#define AFX_ON_MOUSE(msg, handler) \
    {msg, 0, 0, AFX_THUNK(pThis->handler(UINT(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))},
#define ON_WM_MOUSEMOVE() AFX_ON_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ON_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_CONTEXTMENU() \
    {WM_CONTEXTMENU, 0, 0, AFX_THUNK(pThis->OnContextMenu(CWnd::FromHandlePermanent(HWND(wParam)), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))},
#define ON_WM_KEYDOWN() {WM_KEYDOWN, 0, 0, AFX_THUNK(pThis->OnKeyDown(UINT(wParam), UINT(LOWORD(std::uintptr_t(lParam))), UINT(HIWORD(std::uintptr_t(lParam)))))},
#define ON_COMMAND(id, memberFxn) {WM_COMMAND, CN_COMMAND, UINT(id), AFX_THUNK(pThis->memberFxn())},
#define ON_BN_CLICKED(id, memberFxn) {WM_COMMAND, 0 /* BN_CLICKED */, UINT(id), AFX_THUNK(pThis->memberFxn())},
// A handler of any message, LRESULT memberFxn(WPARAM, LPARAM), whose result
// is the message's.
#define ON_MESSAGE(message, memberFxn) \
    {message, 0, 0, AFX_THUNK_RESULT(AfxCallHandler(pThis, &ThisClass::memberFxn, wParam, lParam))},

template <class T, class U>
LRESULT AfxCallHandler(T* pThis, LRESULT (U::*pfn)(WPARAM, LPARAM), WPARAM wParam, LPARAM lParam)
{
    return (pThis->*pfn)(wParam, lParam);
}
