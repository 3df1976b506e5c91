// The main window: a small popup with a sizing border and no caption or menu
// bar, placed where it was last closed.
#pragma once

#include "frame/desktop.h"
#include "platform/afx/afxwin.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    // Moved to a monitor of another DPI: the window takes the rectangle the
    // system suggests, which keeps its size in 96-dpi units.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // The border stops at the least size, at the window's DPI.
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    // The screens changed: a window that no screen wholly shows any more
    // moves onto one that remains.
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// The window style: a popup with a system menu and a sizing border, nothing else.
constexpr DWORD kMainFrameStyle = WS_POPUP | WS_SYSMENU | WS_THICKFRAME;

// The window's rectangle when the INI file holds none.
CRect DefaultWindowRect();

// Where the window opens on this desktop (PlacedWindowRect with the screens
// as they are now and the least size of a window with a sizing border).
CRect UsableWindowRect(const CRect& stored);
