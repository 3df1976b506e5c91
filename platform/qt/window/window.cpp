// Windows as Qt widgets: creation and destruction, geometry, painting and
// messages.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

#include "platform/afx/afxbackend.h"
#include "platform/qt/handle/hwnd.h"
#include "platform/qt/handle/windowlist.h"
#include "platform/qt/handle/placement.h"
#include "platform/qt/handle/rect.h"
#include "platform/qt/handle/timers.h"
#include "platform/qt/paint/devicecontext.h"
#include "platform/qt/paint/overlay.h"
#include "platform/qt/window/wndwidget.h"
#include "platform/win/winuser.h"

namespace {

// Qt holds back the resize events of hidden widgets until they are shown;
// windows learn of their new size at once.
void SendSizeWhileHidden(HWND hWnd, QSize before)
{
    if (!hWnd->widget->isVisible() && hWnd->widget->size() != before)
        SendSize(hWnd);
}

void SendDestroy(HWND hWnd)
{
    hWnd->Send(WM_DESTROY);
    for (HWND child : std::vector<HWND>(hWnd->children))
        SendDestroy(child);
}

void ReleaseWindow(HWND hWnd)
{
    for (HWND child : std::vector<HWND>(hWnd->children))
        ReleaseWindow(child);
    hWnd->Send(WM_NCDESTROY);
    StopTimers(hWnd);
    ForgetWindow(hWnd);
    if (hWnd->wnd)
        hWnd->wnd->Detach();
    delete hWnd->glue;
    if (!DisplayGone()) {
        hWnd->widget->hide();
        hWnd->widget->deleteLater();
    }
    DeleteObject(hWnd->region);
    delete hWnd;
}

}  // namespace

// --- window functions --------------------------------------------------------

HWND AfxCreateWindow(const CREATESTRUCT& cs, WNDPROC proc, void* userData, HICON hIcon)
{
    if ((cs.hwndParent && !IsWindow(cs.hwndParent)) || (!cs.hwndParent && (cs.style & WS_CHILD)))
        return nullptr;
    HWND hwnd = NewWindowHandle(DWORD(cs.style), cs.hwndParent, proc, userData);
    hwnd->wnd = new WndWidget(hwnd, hwnd->parent ? hwnd->parent->widget : nullptr);
    hwnd->widget = hwnd->wnd;
    // A window with a sizing border is never made smaller than Windows lets
    // one be tracked; the window manager is told so too.
    if (!hwnd->parent && (hwnd->style & WS_THICKFRAME))
        hwnd->widget->setMinimumSize(GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK));

    if (cs.lpszName)
        hwnd->widget->setWindowTitle(QString::fromUtf8(cs.lpszName));
    if (hIcon)
        hwnd->widget->setWindowIcon(*reinterpret_cast<QIcon*>(hIcon));
    MoveWindow(hwnd, cs.x, cs.y, cs.cx, cs.cy, FALSE);
    hwnd->Send(WM_CREATE);
    return hwnd;
}

void* GetWindowUserData(HWND hWnd)
{
    return IsWindow(hWnd) ? hWnd->userData : nullptr;
}

BOOL DestroyWindow(HWND hWnd)
{
    if (!IsWindow(hWnd) || hWnd->destroying)
        return FALSE;
    hWnd->destroying = true;
    SendDestroy(hWnd);
    ReleaseWindow(hWnd);
    return TRUE;
}

DWORD GetWindowStyle(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return 0;
    return (hWnd->style & ~(WS_VISIBLE | WS_DISABLED)) | (hWnd->widget->isVisible() ? WS_VISIBLE : 0) |
           (hWnd->widget->testAttribute(Qt::WA_ForceDisabled) ? WS_DISABLED : 0);
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect)
{
    if (!IsWindow(hWnd) || !lpRect)
        return FALSE;
    const int border = hWnd->Border();
    *lpRect = {0, 0, std::max(0, hWnd->widget->width() - 2 * border),
               std::max(0, hWnd->widget->height() - 2 * border)};
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    if (!lpRect)
        return FALSE;
    if (hWnd == GetDesktopWindow()) {
        // The desktop window is the primary monitor, as on Windows.
        const QRect g = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
        *lpRect = RectOf(g);
        return TRUE;
    }
    if (!IsWindow(hWnd))
        return FALSE;
    const QWidget* w = hWnd->widget;
    // The window rectangle is the outer one, with the window manager's frame
    // where the window has one, where the window system has the window.
    // A child's place follows its window's as the window system has it: a
    // compositor that moved the window itself may not have told Qt.
    const QRect outer = w->isWindow() ? ReportedFrameGeometry(hWnd) : QRect(ReportedOrigin(w), w->size());
    *lpRect = RectOf(outer);
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int x, int y, int cx, int cy, BOOL bRepaint)
{
    if (!IsWindow(hWnd))
        return FALSE;
    // Positions of child windows are relative to the parent's client area.
    const int offset = hWnd->parent ? hWnd->parent->Border() : 0;
    const QSize before = hWnd->widget->size();
    if (!hWnd->parent)
        hWnd->placed = QPoint(x, y);
    AskForSize(hWnd->widget, QSize(std::max(cx, 1), std::max(cy, 1)));
    hWnd->widget->setGeometry(x + offset, y + offset, std::max(cx, 1), std::max(cy, 1));
    SendSizeWhileHidden(hWnd, before);
    if (bRepaint)
        hWnd->widget->update();
    return TRUE;
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags)
{
    if (!IsWindow(hWnd))
        return FALSE;
    QWidget* w = hWnd->widget;
    const bool topmost = hWndInsertAfter == HWND_TOPMOST;
    if (!(uFlags & SWP_NOZORDER) && !hWnd->parent && (topmost || hWndInsertAfter == HWND_NOTOPMOST)) {
        // On the window itself, not the widget: the widget would make a new
        // native window for it, under an id the rest of the program does not know.
        if (QWindow* window = w->windowHandle())
            window->setFlag(Qt::WindowStaysOnTopHint, topmost);
        else
            w->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    }
    const int offset = hWnd->parent ? hWnd->parent->Border() : 0;
    if (!(uFlags & SWP_NOMOVE)) {
        if (!hWnd->parent && !MoveTopLevel(hWnd, QPoint(x, y)))
            return FALSE;
        if (hWnd == MainWindow())
            ScreenDrawingFollowsClock();
        if (hWnd->parent)
            w->move(x + offset, y + offset);
    }
    if (!(uFlags & SWP_NOSIZE)) {
        const QSize before = w->size();
        AskForSize(w, QSize(std::max(cx, 1), std::max(cy, 1)));
        w->resize(std::max(cx, 1), std::max(cy, 1));
        SendSizeWhileHidden(hWnd, before);
    }
    return TRUE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    if (!IsWindow(hWnd))
        return FALSE;
    const BOOL wasVisible = hWnd->widget->isVisible();
    if (nCmdShow != SW_HIDE) {
        ApplyOwner(hWnd);
        WatchExposure(hWnd);
    }
    hWnd->widget->setVisible(nCmdShow != SW_HIDE);
    return wasVisible;
}

HWND GetDesktopWindow()
{
    static HWND__ s_desktop;
    return &s_desktop;
}

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL)
{
    if (DisplayGone())
        return FALSE;
    if (!hWnd) {
        for (HWND each : AllWindows())
            InvalidateRect(each, nullptr, FALSE);
        InvalidateScreenDrawing();
        return TRUE;
    }
    if (!IsWindow(hWnd))
        return FALSE;
    if (!hWnd->wnd) {
        hWnd->widget->update();  // a control paints itself
        return TRUE;
    }
    RECT client;
    GetClientRect(hWnd, &client);
    const QRegion added = lpRect ? QRectOf(*lpRect).intersected(QRectOf(client)) : QRectOf(client);
    if (added.isEmpty())
        return TRUE;
    const bool wasValid = hWnd->update.isEmpty();
    hWnd->update += added;
    if (!hWnd->parent) {
        hWnd->widget->update(added.translated(hWnd->Border(), hWnd->Border()));  // Qt paints top-level windows
        return TRUE;
    }
    // A child's paint comes with the next UpdateWindow or when the message
    // being handled is done (soon after, outside any message).
    if (wasValid && DispatchDepth() == 0)
        QMetaObject::invokeMethod(
            hWnd->widget, [] { PaintInvalidChildren(); }, Qt::QueuedConnection);
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd)
{
    if (DisplayGone())
        return FALSE;
    if (!hWnd) {
        for (HWND each : std::vector<HWND>(AllWindows()))
            UpdateWindow(each);
        UpdateScreenDrawing();  // repainting every window wipes what was drawn on the screen
        return TRUE;
    }
    if (!IsWindow(hWnd))
        return FALSE;
    if (!hWnd->wnd) {
        hWnd->widget->repaint();
        return TRUE;
    }
    if (!hWnd->update.isEmpty() && hWnd->widget->isVisible())
        hWnd->wnd->PaintUpdate();
    return TRUE;
}

BOOL PostMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hWnd))
        return FALSE;
    QCoreApplication::postEvent(hWnd->widget, new MessageEvent(msg, wParam, lParam));
    return TRUE;
}

LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return IsWindow(hWnd) ? hWnd->Send(msg, wParam, lParam) : 0;
}

void PostQuitMessage(int nExitCode)
{
    // Queued, so that a quit posted before the loop runs still ends it.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [nExitCode] { QCoreApplication::exit(nExitCode); }, Qt::QueuedConnection);
}

short GetKeyState(int nVirtKey)
{
    const Qt::KeyboardModifiers mods = QGuiApplication::keyboardModifiers();
    const bool down = (nVirtKey == VK_SHIFT && (mods & Qt::ShiftModifier)) ||
                      (nVirtKey == VK_CONTROL && (mods & Qt::ControlModifier)) ||
                      (nVirtKey == VK_MENU && (mods & Qt::AltModifier));
    return down ? short(0x8000) : 0;
}

HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return new GdiRegion(QRegion(QRect(x1, y1, x2 - x1, y2 - y1), QRegion::Ellipse));
}

int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw)
{
    if (!IsWindow(hWnd))
        return ERROR;
    if (hWnd->region != hRgn)
        DeleteObject(std::exchange(hWnd->region, hRgn));
    if (auto* region = dynamic_cast<GdiRegion*>(hRgn))
        hWnd->widget->setMask(region->region);
    else
        hWnd->widget->clearMask();
    if (hWnd == MainWindow())
        ScreenDrawingFollowsClock();
    if (bRedraw)
        hWnd->widget->update();
    return SIMPLEREGION;
}

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint)
{
    auto* dc = IsWindow(hWnd) ? hWnd->paintDC : nullptr;
    if (lpPaint) {
        *lpPaint = {};
        lpPaint->hdc = dc;
        if (dc && dc->clip)
            lpPaint->rcPaint = RectOf(dc->clip->boundingRect());
    }
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT*)
{
    return TRUE;
}

HDC GetDC(HWND hWnd)
{
    if (!hWnd)
        return new ScreenDC;
    return new WindowDC;
}

int ReleaseDC(HWND, HDC hDC)
{
    if (!hDC || dynamic_cast<MemoryDC*>(hDC))
        return 0;
    delete hDC;
    return 1;
}
