// Where top-level windows are, as the window system has them, and moving
// them where the window system may refuse a program's own moves.
#include "platform/qt/handle/placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <optional>

#include "platform/qt/handle/hwnd.h"
#include "platform/qt/handle/units.h"
#include "platform/qt/x11/x11.h"

namespace {

// How long a window manager may take to answer a move before a drag takes
// the move as refused.
constexpr int kAnswerMs = 150;

// The window system has refused a move of ours: from then on a drag hands
// its moves to the window system.
bool s_movesRefused = false;

// Under Wayland a program can neither place its windows nor learn where they are.
bool IsWayland()
{
    static const bool s_wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return s_wayland;
}

// The window whose place is pinned while a pointer move is handed to the
// program, and that place (PinnedPlace).
const QWidget* s_pinnedWindow = nullptr;
QPoint s_pinnedPosition;

// The top-left corner of the window's client area on the screen, as the X
// server has it now, in units; nothing where there is no X server or no
// window yet.
std::optional<QPoint> ServerPosition(const QWidget* w)
{
    if (w == s_pinnedWindow)
        return s_pinnedPosition;
    const std::optional<QPoint> device = ServerOrigin(w);
    if (!device)
        return std::nullopt;
    return UnitsFromDevice(*device, ScaleOfWindow(w));
}

// A drag's move the window system did not answer: from then on the window
// system moves the window itself, while the button is down.
void CheckTheMoveWasAnswered(HWND hWnd, QPoint requested, QPoint before)
{
    QPointer<QWidget> widget = hWnd->widget;
    QTimer::singleShot(kAnswerMs, widget, [widget, requested, before] {
        const std::optional<QPoint> now = ServerPosition(widget);
        if (!now || *now == requested || *now != before)
            return;
        s_movesRefused = true;
        if ((QGuiApplication::mouseButtons() & Qt::LeftButton) && widget->windowHandle())
            widget->windowHandle()->startSystemMove();
    });
}

}  // namespace

PinnedPlace::PinnedPlace(const QWidget* w) : m_window(s_pinnedWindow), m_position(s_pinnedPosition)
{
    const QWidget* top = w ? w->window() : nullptr;
    const std::optional<QPoint> now = top && !IsWayland() ? ServerPosition(top) : std::nullopt;
    if (now) {
        s_pinnedWindow = top;
        s_pinnedPosition = *now;
    }
}

PinnedPlace::~PinnedPlace()
{
    s_pinnedWindow = m_window;
    s_pinnedPosition = m_position;
}

QPoint ReportedOrigin(const QWidget* w)
{
    const QWidget* top = w->window();
    const std::optional<QPoint> client = IsWayland() ? std::nullopt : ServerPosition(top);
    return (client ? *client : top->geometry().topLeft()) + w->mapTo(top, QPoint(0, 0));
}

QRect ReportedFrameGeometry(HWND hWnd)
{
    const QWidget* w = hWnd->widget;
    QRect outer = w->frameGeometry();
    if (IsWayland()) {
        outer.moveTopLeft(hWnd->placed);
    } else if (const std::optional<QPoint> client = ServerPosition(w)) {
        // The window manager's frame lies around the client area as Qt
        // last heard of it; the position is the server's.
        outer.moveTopLeft(*client - (w->geometry().topLeft() - w->frameGeometry().topLeft()));
    }
    return outer;
}

BOOL MoveTopLevel(HWND hWnd, QPoint topLeft)
{
    QWidget* w = hWnd->widget;
    const bool dragging = (QGuiApplication::mouseButtons() & Qt::LeftButton) && w->isVisible();
    if (IsWayland() || (s_movesRefused && dragging)) {
        hWnd->placed = IsWayland() ? hWnd->placed : topLeft;
        // Once per press: the window system follows the pointer from here.
        return dragging && w->windowHandle() && w->windowHandle()->startSystemMove();
    }
    hWnd->placed = topLeft;
    const std::optional<QPoint> before = dragging ? ServerPosition(w) : std::nullopt;
    w->move(topLeft);
    if (before && *before != topLeft)
        CheckTheMoveWasAnswered(hWnd, topLeft, *before);
    return TRUE;
}
