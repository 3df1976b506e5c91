// Screens as monitors: which one shows a rectangle or a window, its work
// area, the system metrics that come from the screens, and their DPI.
#include "platform/qt/handle/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "platform/qt/handle/windowlist.h"
#include "platform/qt/handle/rect.h"
#include "platform/win/shellscalingapi.h"

namespace {

QScreen* ScreenOf(HMONITOR hMonitor)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto index = qsizetype(reinterpret_cast<std::uintptr_t>(hMonitor)) - 1;
    return index >= 0 && index < screens.size() ? screens[index] : nullptr;
}

// Qt tells a change one screen and one property at a time; the windows hear
// of it once, when it has all been told.
QTimer* s_settled = nullptr;

void TellTheWindows()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QSize size = primary ? primary->geometry().size() : QSize();
    for (HWND hWnd : std::vector<HWND>(AllWindows()))
        if (IsTopLevel(hWnd))
            SendMessageA(hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(size.width(), size.height()));
}

void WatchScreen(QScreen* screen)
{
    QObject::connect(screen, &QScreen::geometryChanged, s_settled, qOverload<>(&QTimer::start));
}

HMONITOR MonitorOf(qsizetype index)
{
    return reinterpret_cast<HMONITOR>(std::uintptr_t(index + 1));
}

// The square of the distance from the rectangle to the screen, 0 when they meet.
long long DistanceSquared(const QRect& a, const QRect& b)
{
    const long long dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const long long dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

}  // namespace

void WatchScreens()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || s_settled)
        return;
    s_settled = new QTimer(app);
    s_settled->setSingleShot(true);
    s_settled->setInterval(0);
    QObject::connect(s_settled, &QTimer::timeout, TellTheWindows);
    QObject::connect(s_settled, &QObject::destroyed, [] { s_settled = nullptr; });
    for (QScreen* screen : QGuiApplication::screens())
        WatchScreen(screen);
    QObject::connect(app, &QGuiApplication::screenAdded, [](QScreen* screen) {
        WatchScreen(screen);
        s_settled->start();
    });
    QObject::connect(app, &QGuiApplication::screenRemoved, s_settled, qOverload<>(&QTimer::start));
    QObject::connect(app, &QGuiApplication::primaryScreenChanged, s_settled, qOverload<>(&QTimer::start));
}

HMONITOR MonitorFromRect(LPCRECT lprc, DWORD dwFlags)
{
    const QRect rect = QRectOf(*lprc);
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (qsizetype i = 0; i < screens.size(); ++i)
        if (screens[i]->geometry().intersects(rect))
            return MonitorOf(i);
    if (screens.isEmpty() || dwFlags == MONITOR_DEFAULTTONULL)
        return nullptr;
    if (dwFlags == MONITOR_DEFAULTTOPRIMARY)
        return MonitorOf(std::max<qsizetype>(0, screens.indexOf(QGuiApplication::primaryScreen())));
    qsizetype nearest = 0;
    for (qsizetype i = 1; i < screens.size(); ++i)
        if (DistanceSquared(rect, screens[i]->geometry()) < DistanceSquared(rect, screens[nearest]->geometry()))
            nearest = i;
    return MonitorOf(nearest);
}

HMONITOR MonitorFromWindow(HWND hWnd, DWORD dwFlags)
{
    RECT rc{0, 0, 1, 1};
    if (!GetWindowRect(hWnd, &rc) && dwFlags == MONITOR_DEFAULTTONULL)
        return nullptr;
    return MonitorFromRect(&rc, dwFlags);
}

BOOL GetMonitorInfoA(HMONITOR hMonitor, MONITORINFO* lpmi)
{
    const QScreen* screen = ScreenOf(hMonitor);
    if (!screen || !lpmi)
        return FALSE;
    lpmi->rcMonitor = RectOf(screen->geometry());
    lpmi->rcWork = RectOf(screen->availableGeometry());
    lpmi->dwFlags = screen == QGuiApplication::primaryScreen() ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}

BOOL EnumDisplayMonitors(HDC, LPCRECT, MONITORENUMPROC lpfnEnum, LPARAM dwData)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (qsizetype i = 0; i < screens.size(); ++i) {
        RECT rc = RectOf(screens[i]->geometry());
        if (!lpfnEnum(MonitorOf(i), nullptr, &rc, dwData))
            break;
    }
    return TRUE;
}

int GetSystemMetrics(int nIndex)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    switch (nIndex) {
    case SM_CXMINTRACK:
        return kMinTrackWidth96;
    case SM_CYMINTRACK:
        return kMinTrackHeight96;
    // A window's border stops at the size of the whole desktop.
    case SM_CXMAXTRACK:
    case SM_CXVIRTUALSCREEN:
        return screen ? screen->virtualGeometry().width() : 0;
    case SM_CYMAXTRACK:
    case SM_CYVIRTUALSCREEN:
        return screen ? screen->virtualGeometry().height() : 0;
    case SM_XVIRTUALSCREEN:
        return screen ? screen->virtualGeometry().x() : 0;
    case SM_YVIRTUALSCREEN:
        return screen ? screen->virtualGeometry().y() : 0;
    default:
        return 0;
    }
}

// Qt gives every window device-independent pixels and scales them to the
// screen itself (QT_SCALE_FACTOR, the screen's own scale): the program sees
// 96 dpi on every monitor.
UINT GetDpiForWindow(HWND)
{
    return USER_DEFAULT_SCREEN_DPI;
}

HRESULT GetDpiForMonitor(HMONITOR hMonitor, MONITOR_DPI_TYPE, UINT* dpiX, UINT* dpiY)
{
    if (!ScreenOf(hMonitor) || !dpiX || !dpiY)
        return E_INVALIDARG;
    *dpiX = *dpiY = USER_DEFAULT_SCREEN_DPI;
    return S_OK;
}
