#include "settings/settingdlg.h"

// Until the settings are loaded the hour, minute, second and millisecond bars
// are shown; the INI file's own default (without the hour) replaces this at
// once, so these values reach only the colour choosers' first colours.
CSettingDlg::CSettingDlg()
    : m_bShow{0, 0, 0, 1, 1, 1, 1},
      m_nInterval(50),
      m_nShown(4),
      m_bUseSysColor(0),
      m_crBar(0x848400),
      m_crBack(0xFFDEAD)
{
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
