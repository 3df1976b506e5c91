// The window handles: what each window is, the windows alive, and the
// messages sent and posted to them.
#pragma once

#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QSize>
#include <map>
#include <vector>

#include "platform/win/winuser.h"

class QWidget;
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
    QObject* timerTarget = nullptr;    // receives the Qt timers; a child of the widget
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

// A new window handle, registered with its parent; the caller gives it its widget.
HWND NewWindowHandle(DWORD style, HWND parentOrOwner, WNDPROC proc, void* userData);
// Makes the top-level window stay above its owner, as the window manager's
// transient for it.
void ApplyOwner(HWND hWnd);

// Sets how deep in message handlers the program is (0: none), returning the
// depth it was; windows whose paint is due are painted when it returns to 0.
int ExchangeDispatchDepth(int depth);
int DispatchDepth();
// Paints the child windows whose paint is due.
void PaintInvalidChildren();
// Takes a window that goes out of the windows alive.
void ForgetWindow(HWND hWnd);

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
