#include "frame/mainframe.h"

#include <algorithm>

#include "platform/win/shellscalingapi.h"
#include "settings/profilekeys.h"
#include "settings/settingsprofile.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
END_MESSAGE_MAP()

CRect DefaultWindowRect()
{
    using namespace profile;
    return CRect(kDefaultWinLeft, kDefaultWinTop, kDefaultWinRight, kDefaultWinBottom);
}

CRect UsableWindowRect(const CRect& stored)
{
    return PlacedWindowRect(stored, DefaultWindowRect(), CSize(kMinTrackWidth96, kMinTrackHeight96),
                            CurrentScreens());
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.hMenu = nullptr;  // the menu serves as the context menu only
    const CRect rc = UsableWindowRect(LoadWindowRect(AfxGetApp()));
    cs.cx = rc.Width();
    cs.cy = rc.Height();
    cs.x = rc.left;
    cs.y = rc.top;
    cs.style = LONG(kMainFrameStyle);
    return CFrameWnd::PreCreateWindow(cs);
}

LRESULT CMainFrame::OnDpiChanged(WPARAM, LPARAM lParam)
{
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER);
    return 0;
}

// A screen that goes (a laptop undocked) or shrinks may take the window with
// it, and a window without a caption that no screen shows is lost: it comes
// back wholly onto a screen that remains.
LRESULT CMainFrame::OnDisplayChange(WPARAM, LPARAM)
{
    CRect rc;
    GetWindowRect(rc);
    const CRect kept = KeptOnScreens(rc, CurrentScreens());
    if (!(kept == rc))
        SetWindowPos(nullptr, kept.left, kept.top, kept.Width(), kept.Height(), SWP_NOZORDER);
    return 0;
}

// Windows gives a captionless popup no least size of its own, so its border
// could shrink it to a line that no click reaches: it stops where a window
// with a caption would, at this DPI.
void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    const int dpi = int(GetDpiForWindow(m_hWnd));
    lpMMI->ptMinTrackSize.x = std::max<LONG>(lpMMI->ptMinTrackSize.x, MulDiv(kMinTrackWidth96, dpi, USER_DEFAULT_SCREEN_DPI));
    lpMMI->ptMinTrackSize.y = std::max<LONG>(lpMMI->ptMinTrackSize.y, MulDiv(kMinTrackHeight96, dpi, USER_DEFAULT_SCREEN_DPI));
}
