#include "settings/settingdlg.h"

#include <algorithm>

const CSettingDlg::BarBox CSettingDlg::s_barBoxes[BAR_KIND_COUNT] = {
    {IDC_DAY, &CSettingDlg::m_bChkDay, BAR_DAY},
    {IDC_HOUR, &CSettingDlg::m_bChkHour, BAR_HOUR},
    {IDC_MONTH, &CSettingDlg::m_bChkMonth, BAR_MONTH},
    {IDC_MINUTE, &CSettingDlg::m_bChkMinute, BAR_MINUTE},
    {IDC_MILLISECOND, &CSettingDlg::m_bChkMillisecond, BAR_MILLISECOND},
    {IDC_SECOND, &CSettingDlg::m_bChkSecond, BAR_SECOND},
    {IDC_YEAR, &CSettingDlg::m_bChkYear, BAR_YEAR},
};

BEGIN_MESSAGE_MAP(CSettingDlg, CDialog)
    ON_BN_CLICKED(IDC_BAR_COLOR, OnBarColor)
    ON_BN_CLICKED(IDC_BACK_COLOR, OnBackColor)
    ON_BN_CLICKED(IDC_USE_SYSCOLOR, OnUseSysColor)
END_MESSAGE_MAP()

// The colour choosers' first colours are the default ones.
CSettingDlg::CSettingDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    SetDisplaySettings(kDefaultDisplay);
    m_pBarColorDlg = new CColorDialog(m_crBar, 0, nullptr);
    m_pBackColorDlg = new CColorDialog(m_crBack, 0, nullptr);
    for (const BarBox& box : s_barBoxes)
        this->*box.pChecked = m_bShow[box.nKind];
    m_uEditInterval = UINT(m_nInterval);
    m_bChkSysColor = 0;
}

CSettingDlg::~CSettingDlg()
{
    delete m_pBarColorDlg;
    delete m_pBackColorDlg;
}

void CSettingDlg::SetDisplaySettings(const DisplaySettings& settings)
{
    std::copy(settings.show, settings.show + BAR_KIND_COUNT, m_bShow);
    m_nShown = settings.Shown();
    m_nInterval = settings.interval;
    m_bUseSysColor = settings.useSysColor;
    m_crBar = settings.bar;
    m_crBack = settings.back;
}

DisplaySettings CSettingDlg::GetDisplaySettings() const
{
    DisplaySettings settings{};
    std::copy(m_bShow, m_bShow + BAR_KIND_COUNT, settings.show);
    settings.interval = m_nInterval;
    settings.useSysColor = m_bUseSysColor;
    settings.bar = m_crBar;
    settings.back = m_crBack;
    return settings;
}

void CSettingDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BACK_COLOR, m_btnBackColor);
    DDX_Control(pDX, IDC_INTERVAL_SPIN, m_spinInterval);
    for (const BarBox& box : s_barBoxes)
        DDX_Check(pDX, box.nIDC, this->*box.pChecked);
    DDX_Text(pDX, IDC_INTERVAL, m_uEditInterval);
    DDV_MinMaxUInt(pDX, m_uEditInterval, kMinInterval, kMaxInterval);
    DDX_Check(pDX, IDC_USE_SYSCOLOR, m_bChkSysColor);
}

BOOL CSettingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const BarBox& box : s_barBoxes)
        this->*box.pChecked = m_bShow[box.nKind];
    m_uEditInterval = UINT(m_nInterval);  // a negative stored interval shows as its unsigned value
    m_spinInterval.SetRange(int(kMinInterval), int(kMaxInterval));
    m_bChkSysColor = m_bUseSysColor;
    m_btnBackColor.EnableWindow(m_bUseSysColor == 0);
    m_crBarPick = m_crBar;
    m_crBackPick = m_crBack;
    UpdateData(FALSE);
    return TRUE;  // the focus starts on OK, the first tab stop
}

void CSettingDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;  // the field was refused: the dialog stays open
    for (const BarBox& box : s_barBoxes)
        m_bShow[box.nKind] = this->*box.pChecked;
    m_nInterval = int(m_uEditInterval);
    m_bUseSysColor = m_bChkSysColor;
    // The system colour is sampled now and kept as a fixed colour.
    m_crBack = m_bUseSysColor ? GetSysColor(COLOR_WINDOW) : m_crBackPick;
    m_crBar = m_crBarPick;
    m_nShown = GetDisplaySettings().Shown();
    CDialog::OnOK();
}

void CSettingDlg::OnBarColor()
{
    if (m_pBarColorDlg->DoModal() == IDOK)
        m_crBarPick = m_pBarColorDlg->GetColor();
}

void CSettingDlg::OnBackColor()
{
    if (m_pBackColorDlg->DoModal() == IDOK)
        m_crBackPick = m_pBackColorDlg->GetColor();
}

void CSettingDlg::OnUseSysColor()
{
    // With a refused interval the box has toggled but its field keeps the
    // old state, and so does the button.
    UpdateData(TRUE);
    m_btnBackColor.EnableWindow(m_bChkSysColor == 0);
}
