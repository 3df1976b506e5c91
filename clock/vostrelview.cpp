#include "clock/vostrelview.h"

#include <cstdlib>
#include <ctime>

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
END_MESSAGE_MAP()

CVostrelView::CVostrelView()
    : m_pGauge{}, m_bDragging(FALSE), m_bElliptic(FALSE), m_bFirstPaint(TRUE), m_face(m_pGauge)
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
    if (m_bFirstPaint) {
        m_bFirstPaint = FALSE;
        SetTimer(IDT_CLOCK, UINT(m_dlgSetting.GetInterval()), nullptr);
        RecreateBackBuffer();
    }
    m_backBuffer.Blit();
}

void CVostrelView::RecreateBackBuffer()
{
    GetClientRect(m_rcClient);
    CClientDC dc(this);
    if (m_backBuffer.Create(m_rcClient, &dc))
        m_face.Forget();  // the new buffer holds no face yet
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
    m_face.Compose(pDC, m_rcClient, m_dlgSetting, sample);
    InvalidateRect(nullptr, FALSE);
    UpdateWindow();
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
