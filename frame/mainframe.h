// The main window: a small popup with a sizing border and no caption or menu
// bar, placed where it was last closed.
#pragma once

#include "platform/afx/afxwin.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};

// The window style: a popup with a system menu and a sizing border, nothing else.
constexpr DWORD kMainFrameStyle = WS_POPUP | WS_SYSMENU | WS_THICKFRAME;

// The desktop over every screen, or where no display is there to measure
// (a snapshot) the largest desktop the face is drawn for.
CSize DesktopSize();
constexpr int kStandInDesktopExtent = 8192;

// Whether a window of this size fits: not empty, and no wider or higher than
// the whole desktop.
bool HasUsableSize(const CRect& rc);

// The window's rectangle when the INI file holds none.
CRect DefaultWindowRect();

// Where the window opens: the stored rectangle grown to the smallest size a
// window with a sizing border may have, at its stored position; or the
// default one when the stored one could not be seen or reached: an empty
// size, one larger than the desktop, or no overlap with any screen. A window
// without a caption that opens off every screen could never be moved back;
// one larger than the desktop could never be seen whole, and would cost
// gigabytes for its face.
CRect UsableWindowRect(const CRect& stored);
