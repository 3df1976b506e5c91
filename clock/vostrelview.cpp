#include "clock/vostrelview.h"

#include <cstdlib>
#include <ctime>

#include "clock/clockface.h"
#include "res/resource.h"
#include "settings/settingsprofile.h"

namespace {

// The first paint starts the clock.
BOOL s_bFirstPaint = TRUE;

// A shake moves the main window by up to this many pixels each way.
constexpr int kShakeReach = 4;

CWnd* MainWindow()
{
    return AfxGetThread()->GetMainWnd();
}

}  // namespace

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
END_MESSAGE_MAP()

CVostrelView::CVostrelView() : m_bDragging(FALSE), m_bElliptic(FALSE)
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
    LoadDisplaySettings(AfxGetApp(), m_dlgSetting);
    return CView::PreCreateWindow(cs);
}

void CVostrelView::OnDraw(CDC* pDC)
{
    m_backBuffer.SetTargetDC(pDC);
    if (s_bFirstPaint) {
        s_bFirstPaint = FALSE;
        SetTimer(IDT_CLOCK, UINT(m_dlgSetting.GetInterval()), nullptr);
        RecreateBackBuffer();
    }
    m_backBuffer.Blit();
}

void CVostrelView::RecreateBackBuffer()
{
    GetClientRect(m_rcClient);
    CClientDC dc(this);
    m_backBuffer.Create(m_rcClient, &dc);
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
    m_dlgSetting.DoModal();
    SetTimer(IDT_CLOCK, UINT(m_dlgSetting.GetInterval()), nullptr);
}

void CVostrelView::OnClockTick()
{
    CDC* pDC = m_backBuffer.GetMemDC();
    if (!pDC)
        return;  // the buffer is built at the first paint
    _timeb sample;
    _ftime(&sample);
    ComposeClockFace(pDC, m_rcClient, m_dlgSetting, m_pGauge, sample);
    InvalidateRect(nullptr, FALSE);
    UpdateWindow();
}

void CVostrelView::OnShakeTick()
{
    CWnd* pMain = MainWindow();
    CRect rc;
    pMain->GetWindowRect(rc);
    const int r1 = std::rand();
    const int r2 = std::rand();
    const int span = 2 * kShakeReach + 1;
    pMain->SetWindowPos(&CWnd::wndTop, rc.left + r2 % span - kShakeReach, rc.top + r1 % span - kShakeReach, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER);
}

void CVostrelView::ApplyEllipticRegion()
{
    CWnd* pMain = MainWindow();
    CRect rc;
    pMain->GetWindowRect(rc);
    // The window owns the region from here on.
    pMain->SetWindowRgn(CreateEllipticRgn(0, 0, rc.Width(), rc.Height()), TRUE);
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
    SaveDisplaySettings(AfxGetApp(), rc, m_dlgSetting);
}
