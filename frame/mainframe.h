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

// The stored rectangle, or the default one when the stored one could not be
// seen or reached: an empty size, or no overlap with any screen. A window
// without a caption that opens off every screen could never be moved back.
CRect UsableWindowRect(const CRect& stored);
