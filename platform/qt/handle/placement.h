// Where top-level windows are, as the window system has them, and moving
// them where the window system may refuse a program's own moves.
#pragma once

#include <QPoint>
#include <QRect>

#include "platform/win/winuser.h"

class QWidget;

// A top-level window's outer rectangle where the window system has it: on
// X11 the server's (a window manager may have refused a move, or placed the
// window itself), under Wayland, where a program cannot learn it, where the
// program last put it.
QRect ReportedFrameGeometry(HWND hWnd);
// The widget's top-left corner on the screen, by its window's place as the
// window system has it.
QPoint ReportedOrigin(const QWidget* w);
// While it lives, the place of the widget's window is the one the window
// system gave when it was made. A pointer move and the window's rectangle
// that the program moves the window by must come from one look: a second
// one could find the window manager's answer to the last move, and the drag
// would count that move twice.
class PinnedPlace {
public:
    explicit PinnedPlace(const QWidget* w);
    ~PinnedPlace();
    PinnedPlace(const PinnedPlace&) = delete;
    PinnedPlace& operator=(const PinnedPlace&) = delete;

private:
    const QWidget* m_window;
    QPoint m_position;
};

// Moves a top-level window. Where the window system does not let a program
// move its windows (Wayland; an XWayland compositor that ignores the
// request), a move asked for while the left button is down hands the move to
// the window system, which then follows the pointer itself; otherwise, under
// Wayland, nothing moves and FALSE is returned.
BOOL MoveTopLevel(HWND hWnd, QPoint topLeft);
