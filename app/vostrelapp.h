// The application: finds the INI file, wires the document, frame and view
// together and shows the clock.
#pragma once

#include "platform/afx/afxwin.h"

class CVostrelApp : public CWinApp {
public:
    CVostrelApp() = default;
    ~CVostrelApp() override = default;

    BOOL InitInstance() override;

    // Set before the start (--on-top): the clock stays above other windows.
    BOOL m_bOnTop = FALSE;

protected:
    DECLARE_MESSAGE_MAP()
};
