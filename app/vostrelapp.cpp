#include "app/vostrelapp.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "app/vostreldoc.h"
#include "clock/vostrelview.h"
#include "frame/mainframe.h"
#include "platform/win/profilepath.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CVostrelApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
END_MESSAGE_MAP()

BOOL CVostrelApp::InitInstance()
{
    Enable3dControls();

    std::free(const_cast<char*>(m_pszProfileName));
    // Beside the executable when that place can be written, in the user's
    // configuration folder otherwise (an install under /usr/local/bin, a
    // read-only file).
    std::string note;
    m_pszProfileName = strdup(PrepareProfilePath(ModulePath(), &note).c_str());
    if (!note.empty())
        std::cerr << "tarvik: " << note << "\n";

    {
        // The start reads the file once, however many keys it reads.
        const CProfileBatch readOnce(this, FALSE);
        LoadStdProfileSettings(4);
        AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVostrelDoc), RUNTIME_CLASS(CMainFrame),
                                              RUNTIME_CLASS(CVostrelView)));

        CCommandLineInfo cmdInfo;
        ParseCommandLine(cmdInfo);
        if (!ProcessShellCommand(cmdInfo))
            return FALSE;
    }

    if (m_bOnTop)
        ::SetWindowPos(m_pMainWnd->m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}
