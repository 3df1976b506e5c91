#include "frame/mainframe.h"

#include "settings/profilekeys.h"
#include "settings/settingsprofile.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

bool HasUsableSize(const CRect& rc)
{
    return rc.Width() >= 1 && rc.Height() >= 1 && rc.Width() <= kMaxWindowExtent && rc.Height() <= kMaxWindowExtent;
}

CRect DefaultWindowRect()
{
    using namespace profile;
    return CRect(kDefaultWinLeft, kDefaultWinTop, kDefaultWinRight, kDefaultWinBottom);
}

CRect UsableWindowRect(const CRect& stored)
{
    if (HasUsableSize(stored) && MonitorFromRect(stored, MONITOR_DEFAULTTONULL))
        return stored;
    return DefaultWindowRect();
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
