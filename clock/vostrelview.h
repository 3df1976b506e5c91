// The clock view: owns the bars, the display settings and the back buffer, and
// redraws the face on every tick of its clock timer.
#pragma once

#include <string>
#include <vector>

#include "clock/backbuffer.h"
#include "clock/bargauge.h"
#include "clock/clockface.h"
#include "platform/afx/afxwin.h"
#include "res/barkind.h"
#include "settings/settingdlg.h"

class CVostrelView : public CView {
    DECLARE_DYNCREATE(CVostrelView)

public:
    CVostrelView();
    ~CVostrelView() override;

    // Loads the display settings before the window is created.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;
    // The bars as a screen reader reads them (clock/viewaccess.cpp).
    BOOL GetAccessibleInfo(AFX_ACCESSIBLE_INFO* pInfo) override;
    void RecreateBackBuffer();

    const CSettingDlg& GetSettings() const { return m_dlgSetting; }
    const CBackBuffer& GetBackBuffer() const { return m_backBuffer; }

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnTimer(UINT nIDEvent);
    void OnSetting();
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnAppExit();
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnAppAbout();
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSurprise();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnDestroy();
    void OnContextMenu(CWnd* pWnd, CPoint point);

    DECLARE_MESSAGE_MAP()

protected:
    // The context menu with its corner at the screen point (interaction/viewpointer.cpp).
    void TrackContextMenu(int x, int y);
    void OnClockTick();
    // Draws the face of the sample into the back buffer and paints what changed.
    void ShowFaceAt(CDC* pBufferDC, const _timeb& sample);
    void ScheduleNextTick(int msUntilChange);
    // Tells a listening screen reader which bars read differently, once a second.
    void NotifyReadings(const _timeb& sample);
    // Starts (or restarts) the clock timer at the period.
    void SetClockTimer(UINT nPeriod);
    // The refresh interval, as the clock timer takes it.
    UINT Interval() const { return IntervalInEffect(m_dlgSetting.GetInterval()); }
    // The surprise command's lasting window effects (surprise/windoweffects.cpp).
    void OnShakeTick();
    void ApplyEllipticRegion();
    // The application's main window, the frame the view fills.
    CWnd* MainWindow() const { return AfxGetThread()->GetMainWnd(); }

    CBarGauge* m_pGauge[BAR_KIND_COUNT];
    CRect m_rcClient;
    CSettingDlg m_dlgSetting;
    CBackBuffer m_backBuffer;
    BOOL m_bDragging;      // a left-button drag moves the main window
    CPoint m_ptDragAnchor;  // where the drag's button went down, client coordinates
    BOOL m_bElliptic;  // the main window is to be elliptic from now on
    BOOL m_bFirstPaint;  // no paint yet: the first one starts the clock
    CClockFace m_face;   // draws with m_pGauge, and knows the last face drawn
    UINT m_nTickPeriod;  // the clock timer's period: the interval or longer; 0 while it is stopped
    __time64_t m_tLastReading = 0;           // the second of the last readings told
    std::vector<std::string> m_lastReadings;  // what each shown bar read then
};
