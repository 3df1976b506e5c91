#include "clock/vostrelview.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "frame/placement.h"
#include "res/resource.h"
#include "settings/settingsprofile.h"

IMPLEMENT_DYNCREATE(CVostrelView, CView)

BEGIN_MESSAGE_MAP(CVostrelView, CView)
    ON_WM_SIZE()
    ON_WM_SHOWWINDOW()
    ON_WM_TIMER()
    ON_COMMAND(ID_SETTING, OnSetting)
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDOWN()
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_WM_LBUTTONDBLCLK()
    ON_COMMAND(ID_SURPRISE, OnSurprise)
    ON_WM_MOUSEMOVE()
    ON_WM_DESTROY()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CVostrelView::CVostrelView()
    : m_pGauge{}, m_bDragging(FALSE), m_bElliptic(FALSE), m_bFirstPaint(TRUE), m_face(m_pGauge), m_nTickPeriod(0)
{
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
        m_pGauge[kind] = new CBarGauge(kind);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

CVostrelView::~CVostrelView()
{
    for (CBarGauge* gauge : m_pGauge)
        delete gauge;
}

BOOL CVostrelView::PreCreateWindow(CREATESTRUCT& cs)
{
    m_dlgSetting.SetDisplaySettings(LoadDisplaySettings(AfxGetApp()));
    return CView::PreCreateWindow(cs);
}

void CVostrelView::OnDraw(CDC* pDC)
{
    m_backBuffer.SetTargetDC(pDC);
    if (m_bFirstPaint) {
        m_bFirstPaint = FALSE;
        SetClockTimer(Interval());
        RecreateBackBuffer();
    }
    m_backBuffer.Blit();
}

void CVostrelView::RecreateBackBuffer()
{
    GetClientRect(m_rcClient);
    // A move to a monitor of another DPI resizes the window: the face's
    // measures follow the monitor.
    m_face.SetDpi(GetDpiForWindow(m_hWnd));
    CClientDC dc(this);
    if (!m_backBuffer.Create(m_rcClient, &dc))
        return;
    // The new buffer is white: the next tick draws a whole face, and comes
    // within the interval even while the clock waits for a slow bar.
    m_face.Forget();
    if (m_nTickPeriod > Interval())
        SetClockTimer(Interval());
}

void CVostrelView::OnSize(UINT, int, int)
{
    Default();
    RecreateBackBuffer();
    if (m_bElliptic)
        ApplyEllipticRegion();
    InvalidateRect(nullptr, FALSE);
    UpdateWindow();
}

void CVostrelView::OnShowWindow(BOOL, UINT)
{
    Default();
    GetClientRect(m_rcClient);
}

void CVostrelView::OnTimer(UINT nIDEvent)
{
    if (nIDEvent == IDT_CLOCK)
        OnClockTick();
    else if (nIDEvent == IDT_SHAKE)
        OnShakeTick();
    Default();
}

// The clock stands still while the dialog is open and runs again afterwards
// at the interval then in force, whichever way the dialog ended. The shake
// goes on meanwhile.
void CVostrelView::OnSetting()
{
    KillTimer(IDT_CLOCK);
    m_nTickPeriod = 0;
    m_dlgSetting.DoModal();
    SetClockTimer(Interval());
}

void CVostrelView::OnClockTick()
{
    CDC* pDC = m_backBuffer.GetMemDC();
    if (!pDC)
        return;  // the buffer is built at the first paint
    _timeb sample;
    _ftime(&sample);
    ShowFaceAt(pDC, sample);
    ScheduleNextTick(m_face.MsUntilChange(sample, int(std::min<UINT>(Interval(), kTickHorizonMs))));
    NotifyReadings(sample);
}

// Only what the face changed is painted; a picture the window shows
// already needs no paint.
void CVostrelView::ShowFaceAt(CDC* pBufferDC, const _timeb& sample)
{
    const FaceChanges changes = m_face.Compose(pBufferDC, m_rcClient, m_dlgSetting.GetDisplaySettings(), sample);
    for (const CRect& rc : changes)
        InvalidateRect(&rc, FALSE);
    if (changes.count > 0)
        UpdateWindow();
}

// The clock ticks at its interval while a shown bar changes within it.
// Otherwise the next tick comes when the first one will change, but within a
// second: a slow face wakes the program once a second, not at every interval.
void CVostrelView::ScheduleNextTick(int msUntilChange)
{
    const UINT period = NextTickPeriod(Interval(), msUntilChange);
    // The timer has just fired: at the same period it fires again that long
    // from now by itself.
    if (period != m_nTickPeriod)
        SetClockTimer(period);
}

void CVostrelView::SetClockTimer(UINT nPeriod)
{
    SetTimer(IDT_CLOCK, nPeriod, nullptr);
    m_nTickPeriod = nPeriod;
}

void CVostrelView::OnDestroy()
{
    CView::OnDestroy();
    // Repaint every window, which also wipes what was drawn straight onto the screen.
    ::InvalidateRect(nullptr, nullptr, FALSE);
    ::UpdateWindow(nullptr);

    // A start-up that failed before the main window was in place has no
    // window rectangle to store, and nothing of this run worth storing.
    CWnd* pMain = MainWindow();
    if (!pMain)
        return;
    CRect rc;
    pMain->GetWindowRect(rc);
    SaveDisplaySettings(AfxGetApp(), StoredWindowRect(rc, GetDpiForWindow(pMain->m_hWnd)),
                        m_dlgSetting.GetDisplaySettings());
}
