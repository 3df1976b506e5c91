// The framework's dialogs: CDialog on a dialog template, dialog data exchange
// and validation, the control wrappers, the colour dialog and message boxes.
#pragma once

#include "platform/afx/afxwin.h"
#include "platform/win/commctrl.h"
#include "platform/win/commdlg.h"

// Thrown by CDataExchange::Fail and caught by UpdateData.
class CUserException {};

// One exchange between a window's members and its controls.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The control with the id, remembered as the one a failure returns to.
    HWND PrepareCtrl(int nIDC);
    // The same for an edit field, whose text a failure selects.
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange: the focus goes back to the last prepared control
    // (its text selected when it is an edit field) and UpdateData returns FALSE.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// Attaches the wrapper to the control at the first exchange.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// A check box's state: 0 clear, 1 checked.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// An unsigned decimal number in an edit field. Text that is no such number is
// refused with the framework's message; digits beyond 32 bits give 4294967295.
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
// Refuses a value outside minVal..maxVal with the framework's range message,
// when exchanging from the controls only.
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the window from the template, disables its owner and runs it
    // modally; IDOK or IDCANCEL as the dialog ended, -1 when it could not be made.
    virtual int DoModal();
    void EndDialog(int nResult);

    // The first exchange into the controls. TRUE puts the focus on the first
    // control with a tab stop.
    virtual BOOL OnInitDialog();

protected:
    virtual void OnOK();
    virtual void OnCancel();
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDHelp;  // the template
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()
};

class CButton : public CWnd {};

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int nLower, int nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
};

// The colour chooser. It opens with the colour last chosen in it with OK
// preselected, or with the constructor's colour until then.
class CColorDialog : public CDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    int DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORA m_cc;
};

// A message box over the active window of the program, captioned with its title.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
