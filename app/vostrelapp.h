// The application: finds the INI file, wires the document, frame and view
// together and shows the clock.
#pragma once

#include "platform/afx/afxwin.h"

class CVostrelApp : public CWinApp {
public:
    CVostrelApp() = default;
    ~CVostrelApp() override = default;

    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};
