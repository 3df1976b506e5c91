#include "platform/afx/afxdlg.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "platform/afx/afxbackend.h"
#include "platform/afx/afxnumber.h"
#include "platform/afx/afxres.h"

namespace {

// The framework's own messages for refused input.
constexpr const char* kParseUInt = "正の整数を入力してください。";
constexpr const char* kParseIntRange = "%1 から %2 までの整数を入力してください。";

std::string FormatString2(std::string format, const std::string& s1, const std::string& s2)
{
    for (const auto& [marker, value] : {std::pair{"%1", s1}, std::pair{"%2", s2}}) {
        const size_t at = format.find(marker);
        if (at != std::string::npos)
            format.replace(at, 2, value);
    }
    return format;
}

std::string WindowText(HWND hWnd)
{
    std::string text(size_t(::GetWindowTextLengthA(hWnd)) + 1, '\0');
    text.resize(size_t(::GetWindowTextA(hWnd, text.data(), int(text.size()))));
    return text;
}

}  // namespace

// --- data exchange ------------------------------------------------------------

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    if (!hWndCtrl)
        Fail();  // the template has no such control
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    const HWND hWndOldLockout = std::exchange(s_hLockoutNotifyWindow, m_hWnd);
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (const CUserException&) {
    }
    s_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        pDX->Fail();
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = int(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        if (value < 0 || value > 2)
            value = 0;  // no state a check box has
        ::SendMessageA(hWndCtrl, BM_SETCHECK, WPARAM(value), 0);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!afx::ParseUnsigned(WindowText(hWndCtrl), value)) {
            AfxMessageBox(kParseUInt);
            pDX->Fail();
        }
    } else {
        const std::string text = std::to_string(value);
        if (WindowText(hWndCtrl) != text)
            ::SetWindowTextA(hWndCtrl, text.c_str());
    }
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    // Values out of range may be shown; only what the user confirms is checked.
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    AfxMessageBox(FormatString2(kParseIntRange, std::to_string(minVal), std::to_string(maxVal)).c_str(),
                  MB_ICONEXCLAMATION);
    pDX->Fail();
}

// --- dialogs --------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

int CDialog::DoModal()
{
    const AFX_DIALOG_TEMPLATE* dlgTemplate = AfxFindDialogTemplate(m_nIDHelp);
    if (!dlgTemplate || m_hWnd)
        return -1;
    HWND hWndParent = GetSafeOwner_(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
    BOOL bEnableParent = FALSE;
    if (hWndParent && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    m_bContinueModal = TRUE;
    m_pfnSuper = &::DefDlgProcA;
    if (::AfxCreateDialog(*dlgTemplate, hWndParent, &CWnd::CALLBACK_WndProc, this)) {
        RunModalLoop();
        if (m_hWnd)
            ::ShowWindow(m_hWnd, SW_HIDE);
    } else {
        m_bContinueModal = FALSE;
        m_pfnSuper = nullptr;
    }

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    EndModalLoop(nResult);
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    CRect before;
    GetWindowRect(before);
    const BOOL bResult = OnInitDialog();
    // A dialog that its initialisation did not place opens centred over its owner.
    CRect after;
    GetWindowRect(after);
    if (m_hWnd && after == before && !(GetStyle() & WS_VISIBLE))
        CenterWindow();
    return bResult;
}

// --- the colour dialog and message boxes ------------------------------------------

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CDialog(0, pParentWnd), m_cc{}
{
    // One palette of custom colours for the whole run, as the chooser keeps it.
    static COLORREF s_customColors[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                          0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                          0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = s_customColors;
    m_cc.Flags = dwFlags;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

int CColorDialog::DoModal()
{
    m_cc.hwndOwner = GetSafeOwner_(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
    const BOOL chosen = ::ChooseColorA(&m_cc);
    m_cc.hwndOwner = nullptr;
    if (!chosen)
        return IDCANCEL;
    m_cc.Flags |= CC_RGBINIT;  // the next opening starts from this colour
    return IDOK;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    // Without an icon of its own, a message box that only informs warns.
    if ((nType & MB_ICONMASK) == 0 && ((nType & MB_TYPEMASK) == MB_OK || (nType & MB_TYPEMASK) == MB_OKCANCEL))
        nType |= MB_ICONEXCLAMATION;
    std::string caption = AfxLoadString(AFX_IDS_APP_TITLE);
    if (caption.empty())
        caption = AfxGetAppName();
    return ::MessageBoxA(CWnd::GetSafeOwner_(nullptr), lpszText, caption.c_str(), nType);
}
