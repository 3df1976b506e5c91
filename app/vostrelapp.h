// The application: finds the INI file, wires the document, frame and view
// together and shows the clock.
#pragma once

#include "platform/afxwin.h"

class CVostrelApp : public CWinApp {
public:
    CVostrelApp() = default;
    ~CVostrelApp() override = default;

    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};

// The INI file the program uses when started from the given executable.
std::string ProfileNameForModule(const std::string& modulePath);
