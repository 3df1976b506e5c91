// The settings dialog, which also owns the clock's display settings: which
// bars are shown, the refresh interval and the colours. The dialog edits
// working copies and commits them to the settings only on OK.
#pragma once

#include "platform/afx/afxdlg.h"
#include "res/barkind.h"
#include "res/resource.h"
#include "settings/displaysettings.h"

class CSettingDlg : public CDialog {
public:
    explicit CSettingDlg(CWnd* pParent = nullptr);
    ~CSettingDlg() override;
    CSettingDlg(const CSettingDlg&) = delete;
    CSettingDlg& operator=(const CSettingDlg&) = delete;

    enum { IDD = IDD_SETTING };

    // Replaces every display setting; counts the shown flags into m_nShown.
    void SetDisplaySettings(const DisplaySettings& settings);
    DisplaySettings GetDisplaySettings() const;

    int GetShow(int nKind) const { return m_bShow[nKind]; }
    int GetInterval() const { return m_nInterval; }
    int GetShown() const { return m_nShown; }
    int GetUseSysColor() const { return m_bUseSysColor; }
    COLORREF GetBarColor() const { return m_crBar; }
    COLORREF GetBackColor() const { return m_crBack; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBarColor();
    void OnBackColor();
    void OnUseSysColor();

    DECLARE_MESSAGE_MAP()

private:
    // The seven bar boxes: each box's id, its working copy and its bar, in
    // the order the data exchange takes them.
    struct BarBox {
        int nIDC;
        int CSettingDlg::*pChecked;
        int nKind;
    };
    static const BarBox s_barBoxes[BAR_KIND_COUNT];

protected:
    CButton m_btnBackColor;
    CSpinButtonCtrl m_spinInterval;
    // The dialog's working copies, exchanged with the controls.
    int m_bChkDay;
    int m_bChkHour;
    int m_bChkMonth;
    int m_bChkMinute;
    int m_bChkMillisecond;
    int m_bChkSecond;
    int m_bChkYear;
    UINT m_uEditInterval;
    int m_bChkSysColor;

    int m_bShow[BAR_KIND_COUNT];  // 1: the bar of that kind is shown
    CColorDialog* m_pBarColorDlg;
    CColorDialog* m_pBackColorDlg;
    int m_nInterval;  // clock period in milliseconds
    int m_nShown;     // number of m_bShow entries equal to 1
    int m_bUseSysColor;
    COLORREF m_crBar;
    COLORREF m_crBack;
    // Colours chosen while the dialog is open, committed on OK.
    COLORREF m_crBarPick;
    COLORREF m_crBackPick;
};
