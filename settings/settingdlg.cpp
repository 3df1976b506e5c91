#include "settings/settingdlg.h"

namespace {

// The interval field accepts 0 to 10000 milliseconds.
constexpr UINT kMinInterval = 0;
constexpr UINT kMaxInterval = 10000;

}  // namespace

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

// Until the settings are loaded the hour, minute, second and millisecond bars
// are shown; the INI file's own default (without the hour) replaces this at
// once, so these values reach only the colour choosers' first colours.
CSettingDlg::CSettingDlg(CWnd* pParent)
    : CDialog(IDD, pParent),
      m_bShow{0, 0, 0, 1, 1, 1, 1},
      m_nInterval(50),
      m_nShown(4),
      m_bUseSysColor(0),
      m_crBar(0x848400),
      m_crBack(0xFFDEAD)
{
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

void CSettingDlg::SetDisplaySettings(const int* pbShow, int nInterval, int bUseSysColor, COLORREF crBar,
                                     COLORREF crBack)
{
    m_nShown = 0;
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind) {
        m_bShow[kind] = pbShow[kind];
        if (pbShow[kind] == 1)
            ++m_nShown;
    }
    m_nInterval = nInterval;
    m_bUseSysColor = bUseSysColor;
    m_crBar = crBar;
    m_crBack = crBack;
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
    m_nShown = 0;
    for (int show : m_bShow)
        m_nShown += show == 1;
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
