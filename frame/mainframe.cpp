#include "frame/mainframe.h"

#include "settings/profilekeys.h"
#include "settings/settingsprofile.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

CRect UsableWindowRect(const CRect& stored)
{
    if (stored.Width() >= 1 && stored.Height() >= 1 && MonitorFromRect(stored, MONITOR_DEFAULTTONULL))
        return stored;
    using namespace profile;
    return CRect(kDefaultWinLeft, kDefaultWinTop, kDefaultWinRight, kDefaultWinBottom);
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
