#include "frame/mainframe.h"

#include <algorithm>

#include "settings/profilekeys.h"
#include "settings/settingsprofile.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

CSize DesktopSize()
{
    const int cx = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int cy = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (cx <= 0 || cy <= 0)
        return CSize(kStandInDesktopExtent, kStandInDesktopExtent);
    return CSize(cx, cy);
}

bool HasUsableSize(const CRect& rc)
{
    const CSize desktop = DesktopSize();
    return rc.Width() >= 1 && rc.Height() >= 1 && rc.Width() <= desktop.cx && rc.Height() <= desktop.cy;
}

CRect DefaultWindowRect()
{
    using namespace profile;
    return CRect(kDefaultWinLeft, kDefaultWinTop, kDefaultWinRight, kDefaultWinBottom);
}

CRect UsableWindowRect(const CRect& stored)
{
    const bool seen = HasUsableSize(stored) && (GetSystemMetrics(SM_CXVIRTUALSCREEN) == 0 ||
                                                MonitorFromRect(stored, MONITOR_DEFAULTTONULL));
    const CRect rc = seen ? stored : DefaultWindowRect();
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
