#include "frame/mainframe.h"

#include <algorithm>

#include "platform/win/shellscalingapi.h"
#include "settings/profilekeys.h"
#include "settings/settingsprofile.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CRect DefaultWindowRect()
{
    using namespace profile;
    return CRect(kDefaultWinLeft, kDefaultWinTop, kDefaultWinRight, kDefaultWinBottom);
}

UINT StoredRectDpi(const CRect& stored)
{
    UINT dpiX = USER_DEFAULT_SCREEN_DPI, dpiY = USER_DEFAULT_SCREEN_DPI;
    if (HMONITOR hMonitor = MonitorFromRect(stored, MONITOR_DEFAULTTOPRIMARY);
        !hMonitor || GetDpiForMonitor(hMonitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY) != S_OK)
        return USER_DEFAULT_SCREEN_DPI;
    return dpiX;
}

CRect UsableWindowRect(const CRect& stored, UINT dpi)
{
    const CRect desktop = DesktopRect();
    const CRect scaled = WindowRectForDpi(stored, dpi);
    const CRect byDefault = WindowRectForDpi(DefaultWindowRect(), dpi);
    CRect rc = scaled;
    if (stored.Width() < 1 || stored.Height() < 1)
        rc = byDefault;
    else if (desktop.Width() <= 0)
        rc = scaled.Width() <= kStandInDesktopExtent && scaled.Height() <= kStandInDesktopExtent ? scaled : byDefault;
    else if (!MonitorFromRect(scaled, MONITOR_DEFAULTTONULL))
        rc = byDefault;
    else
        rc = ShrunkOnto(scaled, desktop);
    return CRect(rc.left, rc.top, rc.left + std::max(rc.Width(), GetSystemMetrics(SM_CXMINTRACK)),
                 rc.top + std::max(rc.Height(), GetSystemMetrics(SM_CYMINTRACK)));
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.hMenu = nullptr;  // the menu serves as the context menu only
    const CRect stored = LoadWindowRect(AfxGetApp());
    const CRect rc = UsableWindowRect(stored, StoredRectDpi(stored));
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

// Windows gives a captionless popup no least size of its own, so its border
// could shrink it to a line that no click reaches: it stops where a window
// with a caption would, at this DPI.
void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    const int dpi = int(GetDpiForWindow(m_hWnd));
    lpMMI->ptMinTrackSize.x = std::max<LONG>(lpMMI->ptMinTrackSize.x, MulDiv(kMinTrackWidth96, dpi, USER_DEFAULT_SCREEN_DPI));
    lpMMI->ptMinTrackSize.y = std::max<LONG>(lpMMI->ptMinTrackSize.y, MulDiv(kMinTrackHeight96, dpi, USER_DEFAULT_SCREEN_DPI));
}
