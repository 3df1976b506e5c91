// The clock view's Exit and About commands.
#include "clock/vostrelview.h"
#include "interaction/aboutdlg.h"

// The close is posted: the command returns first, and the main window's
// close then destroys the view, which saves the settings.
void CVostrelView::OnAppExit()
{
    ::PostMessageA(MainWindow()->m_hWnd, WM_CLOSE, 0, 0);
}

// The clock keeps running while the box is open.
void CVostrelView::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
