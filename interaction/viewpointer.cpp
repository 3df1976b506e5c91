// The clock view's pointer handlers: dragging the main window by the face,
// the context menu (from the mouse or the keyboard) and the double-click that
// opens the settings.
#include "clock/vostrelview.h"
#include "frame/desktop.h"
#include "platform/afx/afxmenu.h"
#include "res/resource.h"

// The window follows the pointer: each move shifts it by the pointer's offset
// from where the button went down, which brings the anchor back under the
// pointer, as far as the desktop lets it.
void CVostrelView::OnLButtonDown(UINT, CPoint point)
{
    m_bDragging = TRUE;
    m_ptDragAnchor = point;
    Default();
}

void CVostrelView::OnMouseMove(UINT, CPoint point)
{
    if (!m_bDragging)
        return;
    CWnd* pMain = MainWindow();
    CRect rc;
    pMain->GetWindowRect(rc);
    const CPoint to = DraggedTo(rc, CSize(point.x - m_ptDragAnchor.x, point.y - m_ptDragAnchor.y), DesktopRect());
    pMain->SetWindowPos(&CWnd::wndTop, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Default();
}

void CVostrelView::OnLButtonUp(UINT, CPoint)
{
    m_bDragging = FALSE;
    Default();
}

// The menu opens with its corner where the view's window rectangle puts the
// click; the chosen command comes back to the view through its message map.
void CVostrelView::OnRButtonDown(UINT, CPoint point)
{
    CRect rc;
    GetWindowRect(rc);
    TrackContextMenu(rc.left + point.x, rc.top + point.y);
    Default();
}

// Shift+F10 and the menu key open the same menu, at the face's top-left
// corner, so that every command can be reached without a mouse. What a
// click asks for, the right button has opened already.
void CVostrelView::OnContextMenu(CWnd*, CPoint point)
{
    if (!(point == CPoint(-1, -1))) {
        Default();
        return;
    }
    CRect rc;
    GetWindowRect(rc);
    TrackContextMenu(rc.left, rc.top);
}

void CVostrelView::TrackContextMenu(int x, int y)
{
    CMenu menu;
    menu.LoadMenu(IDR_MAINFRAME);
    if (CMenu* pPopup = menu.GetSubMenu(0))
        pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, x, y, this, nullptr);
}

void CVostrelView::OnLButtonDblClk(UINT, CPoint)
{
    Default();
    OnSetting();
}
