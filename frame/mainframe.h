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

    DECLARE_MESSAGE_MAP()
};

// The window style: a popup with a system menu and a sizing border, nothing else.
constexpr DWORD kMainFrameStyle = WS_POPUP | WS_SYSMENU | WS_THICKFRAME;

// The window's rectangle when the INI file holds none.
CRect DefaultWindowRect();

// The DPI of the monitor that shows the stored rectangle, or of the primary
// monitor when none does; 96 with no display.
UINT StoredRectDpi(const CRect& stored);

// Where the window opens, in the pixels of a monitor of the given DPI: the
// stored rectangle, scaled by it, as far as the desktop allows. One that a
// screen shows, even in part, is kept; one larger than the desktop is
// shrunk to it, at its place as far as it fits. Only one that no screen
// shows (a monitor that is gone, a place off every screen) or with no size
// at all opens at the default; a window without a caption that opened off
// every screen could never be moved back. Last, it grows to the smallest
// size a window with a sizing border may have.
CRect UsableWindowRect(const CRect& stored, UINT dpi = USER_DEFAULT_SCREEN_DPI);
