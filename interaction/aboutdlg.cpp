#include "interaction/aboutdlg.h"

// With no parent, the framework makes the main window the box's owner.
CAboutDlg::CAboutDlg() : CDialog(IDD, nullptr) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()
