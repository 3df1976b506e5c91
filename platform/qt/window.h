// The Qt widget behind every window handle.
#pragma once

#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <map>
#include <utility>
#include <vector>

#include "platform/win/winuser.h"

class WndWidget;
struct WindowDC;

// One window: a framework window that paints itself through WM_PAINT (shown
// by a WndWidget), a dialog (also a WndWidget) or a dialog control (shown by
// the Qt control that stands for it).
struct HWND__ {
    QWidget* widget = nullptr;  // shows the window
    WndWidget* wnd = nullptr;   // the same widget, for windows that paint through WM_PAINT
    QObject* glue = nullptr;    // a control's listener on its widget; owned, goes with the window
    WNDPROC proc = nullptr;
    void* userData = nullptr;
    DWORD style = 0;
    int id = 0;                 // a child's id (the dialog control id)
    bool dialog = false;        // made from a dialog template
    HWND parent = nullptr;      // the parent of a child window
    HWND owner = nullptr;       // the owner of a top-level window
    std::vector<HWND> children;
    struct Timer {
        UINT period;  // milliseconds
        int qtId;     // 0 while held
    };
    std::map<UINT_PTR, Timer> timers;  // by timer id
    QPointer<QObject> exposureWatch;   // a shown top-level window's: holds the timers while it is not shown
    HRGN region = nullptr;           // owned once given with SetWindowRgn
    QRegion update;                  // what is due to be painted, client coordinates
    WindowDC* paintDC = nullptr;     // the paint in progress
    bool destroying = false;
    int baseUnitX = 0, baseUnitY = 0;  // a dialog's base units, from its font
    QPoint placed;                     // where the program put a top-level window

    // A top-level window with a caption gets the window manager's frame;
    // without one the window draws its own frame, a sizing border when it
    // has WS_THICKFRAME.
    bool HasCaption() const { return !parent && (style & WS_CAPTION) == WS_CAPTION; }
    int Border() const { return (!parent && !HasCaption() && (style & WS_THICKFRAME)) ? kSizingBorder : 0; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
};

class WndWidget : public QWidget {
    Q_OBJECT  // a class name of its own, by which Qt's accessibility finds it
public:
    WndWidget(HWND hwnd, QWidget* parent);

    HWND Handle() const { return m_hwnd; }
    void Detach() { m_hwnd = nullptr; }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

public:
    // Paints the window's update region now. A child window's pixels then
    // go to the screen straight away, just that region of them.
    void PaintUpdate();
    // For tests: the picture, the region the last paint put on the screen
    // (client coordinates) and how many paints put pixels there.
    const QImage& Picture() const { return m_picture; }
    const QRegion& LastShown() const { return m_lastShown; }
    int PaintsShown() const { return m_paintsShown; }

private:
    void PaintSizingBorder(QPainter& painter);
    // Runs WM_PAINT into the picture for the region and the update region
    // together; returns the region painted, client coordinates.
    QRegion Render(QRegion region);
    QPoint ClientOrigin() const;
    Qt::Edges BorderEdges(QPoint pos) const;
    // The least and the largest size the sizing border may give, as the window says.
    std::pair<QSize, QSize> TrackLimits() const;
    void SendMouse(UINT message, QMouseEvent* e);

    HWND m_hwnd;
    QImage m_picture;         // the client area as the window last painted it
    QRegion m_lastShown;
    int m_paintsShown = 0;
    bool m_flushOnly = false;  // a paint that shows the picture without WM_PAINT
    bool m_fitFrame = false;   // shown, and its frame not yet fitted on the screen
    Qt::Edges m_resizeEdges;
    bool m_leftDown = false;  // a left press was sent and its release not yet
    QPoint m_resizeStart;
    QRect m_resizeGeometry;
    std::pair<QSize, QSize> m_resizeLimits;
};

// The application's main window, as the framework's host names it (null
// while there is none).
HWND MainWindow();

// A top-level window's outer rectangle where the window system has it: on
// X11 the server's (a window manager may have refused a move, or placed the
// window itself), under Wayland, where a program cannot learn it, where the
// program last put it (placement.cpp).
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

// Every window alive, in creation order.
const std::vector<HWND>& AllWindows();
bool IsLive(HWND hWnd);
// The window a widget shows, or null.
HWND WindowOfWidget(const QWidget* widget);

// A new window handle, registered with its parent; the caller gives it its widget.
HWND NewWindowHandle(DWORD style, HWND parentOrOwner, WNDPROC proc, void* userData);
// Makes the top-level window stay above its owner, as the window manager's
// transient for it.
void ApplyOwner(HWND hWnd);

// Window timers (timers.cpp). Once a top-level window has been shown, its
// timers and those of the windows in it are held while the display shows
// it nowhere (unmapped, minimised): no wake-up at all. When it shows again,
// each held timer fires at once and then at its period.
void WatchExposure(HWND hWnd);
void StopTimers(HWND hWnd);
// The id of the window's timer that Qt knows by qtId, or 0.
UINT_PTR TimerIdOf(HWND hWnd, int qtId);

// Once the display is gone, windows change nothing on it any more: no paint,
// no hiding, no drawing on the screen.
void SetDisplayGone();
bool DisplayGone();

// Sets how deep in message handlers the program is (0: none), returning the
// depth it was; windows whose paint is due are painted when it returns to 0.
int ExchangeDispatchDepth(int depth);

// Called before a window is resized to the size: a window manager then gives
// a top-level window exactly that size at every scale.
void AskForSize(QWidget* w, QSize size);

// Tells the window its client size (WM_SIZE).
void SendSize(HWND hWnd);

// A message posted with PostMessageA, delivered through the event loop.
class MessageEvent : public QEvent {
public:
    static QEvent::Type Kind()
    {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }
    MessageEvent(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(Kind()), m_message(message), m_wParam(wParam), m_lParam(lParam)
    {
    }
    UINT m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
};
