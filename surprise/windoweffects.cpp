// What the surprise command leaves running: the main window shaking on the
// shake timer, and its elliptic shape, taken again at every resize.
#include <cstdlib>

#include "clock/vostrelview.h"

namespace {

// A shake moves the main window by up to this many pixels each way, at 96 dpi.
constexpr int kShakeReach = 4;

}  // namespace

// The first number drawn sets the vertical offset, the second the horizontal
// one; the offsets add up from wherever the window is.
void CVostrelView::OnShakeTick()
{
    CWnd* pMain = MainWindow();
    CRect rc;
    pMain->GetWindowRect(rc);
    const int r1 = std::rand();
    const int r2 = std::rand();
    const int reach = MulDiv(kShakeReach, int(GetDpiForWindow(pMain->m_hWnd)), USER_DEFAULT_SCREEN_DPI);
    const int span = 2 * reach + 1;
    pMain->SetWindowPos(&CWnd::wndTop, rc.left + r2 % span - reach, rc.top + r1 % span - reach, 0, 0,
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
