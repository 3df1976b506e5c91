#include "frame/mainframe.h"

#include <algorithm>

#include "settings/profilekeys.h"
#include "settings/settingsprofile.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

namespace {

// A rectangle of the stored size, if the desktop is as large, at the stored
// place, moved in only as far as its new size needs to lie on the desktop.
CRect ShrunkInto(const CRect& rc, const CRect& desktop)
{
    const int width = std::min(rc.Width(), desktop.Width());
    const int height = std::min(rc.Height(), desktop.Height());
    const int left = width < rc.Width() ? std::min(rc.left, desktop.right - width) : rc.left;
    const int top = height < rc.Height() ? std::min(rc.top, desktop.bottom - height) : rc.top;
    return CRect(left, top, left + width, top + height);
}

}  // namespace

CRect DesktopRect()
{
    const int cx = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int cy = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (cx <= 0 || cy <= 0)
        return CRect();
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return CRect(x, y, x + cx, y + cy);
}

CRect DefaultWindowRect()
{
    using namespace profile;
    return CRect(kDefaultWinLeft, kDefaultWinTop, kDefaultWinRight, kDefaultWinBottom);
}

CRect UsableWindowRect(const CRect& stored)
{
    const CRect desktop = DesktopRect();
    CRect rc = stored;
    if (stored.Width() < 1 || stored.Height() < 1)
        rc = DefaultWindowRect();
    else if (desktop.Width() <= 0)
        rc = stored.Width() <= kStandInDesktopExtent && stored.Height() <= kStandInDesktopExtent ? stored
                                                                                                   : DefaultWindowRect();
    else if (!MonitorFromRect(stored, MONITOR_DEFAULTTONULL))
        rc = DefaultWindowRect();
    else
        rc = ShrunkInto(stored, desktop);
    return CRect(rc.left, rc.top, rc.left + std::max(rc.Width(), GetSystemMetrics(SM_CXMINTRACK)),
                 rc.top + std::max(rc.Height(), GetSystemMetrics(SM_CYMINTRACK)));
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
