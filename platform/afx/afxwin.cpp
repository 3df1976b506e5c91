#include "platform/afx/afxwin.h"

#include <utility>

#include "platform/afx/afxbackend.h"
#include "platform/afx/afxres.h"

namespace {

// The message being handled, for CWnd::Default. Handlers nest (a handler may
// send a message), so each dispatch saves and restores it.
struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
CurrentMessage s_current;

constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

}  // namespace

// --- command targets -------------------------------------------------------

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY s_entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP s_map = {nullptr, s_entries};
    return &s_map;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage; ++entry)
            if (entry->nMessage == nMessage && entry->nCode == nCode && entry->nID == nID)
                return entry;
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode)
{
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, UINT(nCode), nID);
    if (!entry)
        return FALSE;
    entry->pfn(this, 0, 0);
    return TRUE;
}

// --- windows ---------------------------------------------------------------

const CWnd CWnd::wndTop{};

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        HWND hWnd = m_hWnd;
        m_hWnd = nullptr;
        ::DestroyWindow(hWnd);
    }
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT, CCreateContext* pContext)
{
    CREATESTRUCT cs{};
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = LONG(dwStyle);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    return CreateEx(cs, pContext);
}

BOOL CWnd::CreateEx(CREATESTRUCT& cs, CCreateContext* pContext)
{
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    const CFrameWnd* frame = dynamic_cast<const CFrameWnd*>(this);
    HICON hIcon = frame ? AfxLoadIcon(frame->m_nIDHelp) : nullptr;
    m_hWnd = AfxCreateWindow(cs, &CWnd::CALLBACK_WndProc, this, hIcon);
    if (!m_hWnd) {
        PostNcDestroy();
        return FALSE;
    }
    if (!OnCreateWindow(pContext)) {
        DestroyWindow();
        return FALSE;
    }
    if (cs.style & WS_VISIBLE)
        ::ShowWindow(m_hWnd, SW_SHOW);
    return TRUE;
}

BOOL CWnd::OnCreateWindow(CCreateContext*)
{
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || m_hWnd)
        return FALSE;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    return std::exchange(m_hWnd, nullptr);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(GetWindowUserData(hWnd)) : nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    m_pfnSuper = AfxSubclassWindow(hWnd, &CWnd::CALLBACK_WndProc, this);
    return TRUE;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    const DWORD style = GetStyle();
    HWND hWndCenter = pAlternateOwner ? pAlternateOwner->m_hWnd
                                      : (style & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    // A hidden owner gives no place to centre on: then the screen is used.
    if (hWndCenter && !(style & WS_CHILD) && !::IsWindowVisible(hWndCenter))
        hWndCenter = nullptr;

    CRect rcDlg;
    GetWindowRect(rcDlg);
    MONITORINFO mi{sizeof mi, {}, {}, 0};
    ::GetMonitorInfoA(::MonitorFromWindow(hWndCenter ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    CRect rcArea(mi.rcWork);
    CRect rcCenter = rcArea;
    if (hWndCenter)
        ::GetWindowRect(hWndCenter, rcCenter);

    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    // A window that would stick out of the work area is moved into it.
    if (xLeft + rcDlg.Width() > rcArea.right)
        xLeft = rcArea.right - rcDlg.Width();
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    if (yTop + rcDlg.Height() > rcArea.bottom)
        yTop = rcArea.bottom - rcDlg.Height();
    if (yTop < rcArea.top)
        yTop = rcArea.top;
    if (style & WS_CHILD) {
        CRect rcParent;
        ::GetWindowRect(::GetParent(m_hWnd), rcParent);
        xLeft -= rcParent.left;
        yTop -= rcParent.top;
    }
    SetWindowPos(nullptr, xLeft, yTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

int CWnd::RunModalLoop()
{
    if (m_bContinueModal && !AfxRunModalLoop(m_hWnd)) {
        m_bContinueModal = FALSE;
        m_nModalResult = IDCANCEL;
    }
    return m_nModalResult;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal) {
        m_bContinueModal = FALSE;
        AfxEndModalLoop(m_hWnd);
    }
}

HWND CWnd::GetSafeOwner_(HWND hParent)
{
    HWND hWnd = hParent;
    if (!hWnd) {
        CWinThread* thread = AfxGetThread();
        hWnd = thread && thread->m_pMainWnd ? thread->m_pMainWnd->m_hWnd : nullptr;
    }
    // A popup cannot be owned by a child window.
    while (hWnd && (::GetWindowStyle(hWnd) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (!hParent && hWnd)
        hWnd = ::GetLastActivePopup(hWnd);
    return hWnd;
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                 bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(s_current.message, s_current.wParam, s_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETOBJECT && lParam == AFX_OBJID_INFO)
        return GetAccessibleInfo(reinterpret_cast<AFX_ACCESSIBLE_INFO*>(wParam));
    const CurrentMessage saved = s_current;
    s_current = {message, wParam, lParam};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    s_current = saved;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    const AFX_MSGMAP_ENTRY* entry = FindEntry(message, 0, 0);
    if (!entry)
        return FALSE;
    *pResult = entry->pfn(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl && s_hLockoutNotifyWindow == m_hWnd)
        return TRUE;  // a control's notification while the data is exchanged
    return OnCmdMsg(LOWORD(wParam), hWndCtrl ? HIWORD(wParam) : CN_COMMAND);
}

void CWnd::OnNcDestroy()
{
    CWinThread* thread = AfxGetThread();
    if (thread && thread->m_pMainWnd == this) {
        thread->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    PostNcDestroy();
}

LRESULT CWnd::CALLBACK_WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pWnd = static_cast<CWnd*>(GetWindowUserData(hWnd));
    if (!pWnd)
        return 0;
    // A window being created reaches its object before the creating call
    // returns the handle (a dialog's WM_INITDIALOG, for one).
    if (!pWnd->m_hWnd)
        pWnd->m_hWnd = hWnd;
    if (message == WM_NCDESTROY) {
        pWnd->OnNcDestroy();
        return 0;
    }
    return pWnd->WindowProc(message, wParam, lParam);
}

// --- views -----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    return CWnd::PreCreateWindow(cs);
}

BOOL CView::OnCreateWindow(CCreateContext* pContext)
{
    if (pContext && pContext->m_pCurrentDoc) {
        m_pDocument = pContext->m_pCurrentDoc;
        m_pDocument->m_pView = this;
    }
    return TRUE;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode)
{
    return CWnd::OnCmdMsg(nID, nCode) || (m_pDocument && m_pDocument->OnCmdMsg(nID, nCode));
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

// --- frames ----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_KEYDOWN()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    const std::string title = AfxExtractSubString(AfxLoadString(nIDResource), 0);
    CREATESTRUCT cs{};
    cs.style = LONG(dwDefaultStyle);
    cs.x = 0;
    cs.y = 0;
    cs.cx = 400;
    cs.cy = 300;
    cs.lpszName = title.c_str();
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    return CreateEx(cs, pContext);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::OnCreateWindow(CCreateContext* pContext)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return TRUE;
    auto* view = dynamic_cast<CView*>(pContext->m_pNewViewClass->CreateObject());
    if (!view)
        return FALSE;
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST,
                      pContext))
        return FALSE;  // the view deleted itself
    m_pViewActive = view;
    RecalcLayout();
    return TRUE;
}

void CFrameWnd::RecalcLayout()
{
    if (!m_pViewActive || !m_pViewActive->m_hWnd)
        return;
    CRect client;
    GetClientRect(client);
    m_pViewActive->MoveWindow(client);
}

void CFrameWnd::OnSize(UINT, int, int)
{
    Default();
    RecalcLayout();
}

void CFrameWnd::OnClose()
{
    // Documents of this framework are written only on request, so closing
    // never has anything to save.
    DestroyWindow();
}

// Key presses anywhere in the frame reach it first, for its accelerators.
void CFrameWnd::OnKeyDown(UINT nChar, UINT, UINT)
{
    BYTE fVirt = FVIRTKEY;
    if (GetKeyState(VK_CONTROL) < 0)
        fVirt |= FCONTROL;
    if (GetKeyState(VK_SHIFT) < 0)
        fVirt |= FSHIFT;
    if (GetKeyState(VK_MENU) < 0)
        fVirt |= FALT;
    if (!TranslateAccelerator(fVirt, WORD(nChar)))
        Default();
}

// The frame has the keyboard (its keys come to it first, for the
// accelerators), so the menu the keyboard asks for (Shift+F10, the menu key)
// comes to it; it is the view's to show. A click's asks nobody else.
void CFrameWnd::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (m_pViewActive && pWnd == this && pos == CPoint(-1, -1))
        m_pViewActive->SendMessage(WM_CONTEXTMENU, WPARAM(m_pViewActive->m_hWnd), MAKELPARAM(-1, -1));
    else
        Default();
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode)
{
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode);
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    if (m_pViewActive)
        m_pViewActive->OnInitialUpdate();
    if (bMakeVisible)
        ShowWindow(SW_SHOW);
}

BOOL CFrameWnd::TranslateAccelerator(BYTE fVirt, WORD key)
{
    const AFX_ACCEL_TABLE* table = AfxFindAccelerators(m_nIDHelp);
    if (!table)
        return FALSE;
    for (size_t i = 0; i < table->count; ++i) {
        const ACCEL& accel = table->entries[i];
        if ((accel.fVirt | FVIRTKEY) == (fVirt | FVIRTKEY) && accel.key == key) {
            SendMessage(WM_COMMAND, accel.cmd, 0);
            return TRUE;
        }
    }
    return FALSE;
}

// --- device contexts of windows ---------------------------------------------

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
