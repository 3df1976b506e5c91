// The main window: a small popup with a sizing border and no caption or menu
// bar, placed where it was last closed.
#pragma once

#include "platform/afxwin.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};

// The window style: a popup with a system menu and a sizing border, nothing else.
constexpr DWORD kMainFrameStyle = WS_POPUP | WS_SYSMENU | WS_THICKFRAME;

// The widest and highest window a display server takes (X11's limit).
constexpr int kMaxWindowExtent = 32767;

// Whether a window of this size can be made at all: not empty, and within
// what a display server takes.
bool HasUsableSize(const CRect& rc);

// The window's rectangle when the INI file holds none.
CRect DefaultWindowRect();

// The stored rectangle, or the default one when the stored one could not be
// seen or reached: an empty size, a size no display server takes, or no
// overlap with any screen. A window without a caption that opens off every
// screen could never be moved back; one larger than any screen could never
// be seen whole, nor its face be drawn.
CRect UsableWindowRect(const CRect& stored);
