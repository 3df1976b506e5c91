// The settings dialog object, which also owns the clock's display settings:
// which bars are shown, the refresh interval and the colours.
#pragma once

#include "clock/barkind.h"
#include "platform/windef.h"

class CSettingDlg {
public:
    CSettingDlg();

    // Replaces every display setting; counts the shown flags into m_nShown.
    void SetDisplaySettings(const int* pbShow, int nInterval, int bUseSysColor, COLORREF crBar, COLORREF crBack);

    int GetShow(int nKind) const { return m_bShow[nKind]; }
    int GetInterval() const { return m_nInterval; }
    int GetShown() const { return m_nShown; }
    int GetUseSysColor() const { return m_bUseSysColor; }
    COLORREF GetBarColor() const { return m_crBar; }
    COLORREF GetBackColor() const { return m_crBack; }

private:
    int m_bShow[BAR_KIND_COUNT];  // 1: the bar of that kind is shown
    int m_nInterval;              // clock period in milliseconds
    int m_nShown;                 // number of m_bShow entries equal to 1
    int m_bUseSysColor;
    COLORREF m_crBar;
    COLORREF m_crBack;
};
