// The surprise command: one of five pranks, chosen at random each time.
#include <cstdlib>
#include <cstring>
#include <string>

#include "clock/vostrelview.h"
#include "res/resource.h"
#include "surprise/sendmci.h"

namespace {

enum Prank { PRANK_CD_TRAY, PRANK_ELLIPSE, PRANK_SHAKE, PRANK_HUGE_CHARACTER, PRANK_BLUE_SCREEN, PRANK_COUNT };

constexpr const char* kOpenTray = "set cdaudio door open";
constexpr UINT kShakeInterval = 100;  // milliseconds

// "貞" and the face "ＭＳ Ｐ明朝", in Shift-JIS as the font's charset asks.
constexpr char kHugeCharacter[] = "\x92\xE5";
constexpr char kHugeFace[] = "\x82\x6C\x82\x72\x20\x82\x6F\x96\xBE\x92\xA9";
constexpr int kHugeHeight = 400;  // the character cell, in pixels at 96 dpi

constexpr COLORREF kScreenBlue = 0x00FF0000;

// The huge character, black on white, centred at the very top of the screen,
// in the system font's description with a bold Mincho face 400 pixels high
// (as large at any DPI).
void DrawHugeCharacter(UINT dpi)
{
    LOGFONTA lf;
    ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof lf, &lf);
    lf.lfHeight = MulDiv(kHugeHeight, int(dpi), USER_DEFAULT_SCREEN_DPI);
    lf.lfWidth = 0;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    static_assert(sizeof kHugeFace <= LF_FACESIZE);
    std::memcpy(lf.lfFaceName, kHugeFace, sizeof kHugeFace);

    CRect rcScreen;
    ::GetWindowRect(::GetDesktopWindow(), rcScreen);
    HFONT hFont = ::CreateFontIndirectA(&lf);
    HDC hdc = ::GetDC(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(hdc, hFont);
    ::DrawTextA(hdc, kHugeCharacter, -1, rcScreen, DT_CENTER);
    ::SelectObject(hdc, hOldFont);
    ::DeleteObject(hFont);
    ::ReleaseDC(nullptr, hdc);
}

// The whole screen blue, with the screen context's one-pixel black outline.
void PaintScreenBlue()
{
    CRect rcScreen;
    ::GetWindowRect(::GetDesktopWindow(), rcScreen);
    HDC hdc = ::GetDC(nullptr);
    HBRUSH hBrush = ::CreateSolidBrush(kScreenBlue);
    HGDIOBJ hOldBrush = ::SelectObject(hdc, hBrush);
    ::Rectangle(hdc, 0, 0, rcScreen.right, rcScreen.bottom);
    ::SelectObject(hdc, hOldBrush);
    ::DeleteObject(hBrush);
    ::ReleaseDC(nullptr, hdc);
}

}  // namespace

// Each surprise first undoes the window effects of the last: the shake stops
// where the window stands, and the window is rectangular again (until its
// next resize, once an ellipse was chosen).
void CVostrelView::OnSurprise()
{
    CWnd* pMain = MainWindow();
    CRect rc;
    pMain->GetWindowRect(rc);
    const int w = rc.Width();
    const int h = rc.Height();
    KillTimer(IDT_SHAKE);
    pMain->SetWindowRgn(nullptr, TRUE);

    switch (std::rand() % PRANK_COUNT) {
    case PRANK_CD_TRAY: {
        std::string strReturn, strError;  // nothing reads them
        SendMciCommand(kOpenTray, strReturn, strError);
        break;
    }
    case PRANK_ELLIPSE:
        m_bElliptic = TRUE;
        pMain->SetWindowRgn(CreateEllipticRgn(0, 0, w, h), TRUE);  // the window owns it now
        break;
    case PRANK_SHAKE:
        SetTimer(IDT_SHAKE, kShakeInterval, nullptr);
        break;
    case PRANK_HUGE_CHARACTER:
        DrawHugeCharacter(GetDpiForWindow(m_hWnd));
        break;
    case PRANK_BLUE_SCREEN:
        PaintScreenBlue();
        break;
    }
}
