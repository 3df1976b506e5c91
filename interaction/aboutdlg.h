// The About box: the icon, the version and the credits, and OK.
#pragma once

#include "platform/afx/afxdlg.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    enum { IDD = IDD_ABOUTBOX };

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
