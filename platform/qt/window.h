// The Qt widget behind every window handle.
#pragma once

#include <QEvent>
#include <QWidget>
#include <map>
#include <vector>

#include "platform/winuser.h"

class WndWidget;

struct HWND__ {
    WndWidget* widget = nullptr;
    WNDPROC proc = nullptr;
    void* userData = nullptr;
    DWORD style = 0;
    HWND parent = nullptr;
    std::vector<HWND> children;
    std::map<UINT_PTR, int> timers;  // timer id -> Qt timer id
    HRGN region = nullptr;           // owned once given with SetWindowRgn
    HDC paintDC = nullptr;           // the paint in progress
    bool invalid = false;            // a repaint is due
    // Child windows paint into an image of their own; only the pixels that
    // changed since the last paint then travel to the display server.
    QImage shown;                    // what the screen shows of the window
    bool destroying = false;

    // A top-level window with a caption gets the window manager's frame;
    // without one the window draws its own frame, a sizing border when it
    // has WS_THICKFRAME.
    bool HasCaption() const { return !parent && (style & WS_CAPTION) == WS_CAPTION; }
    int Border() const { return (!parent && !HasCaption() && (style & WS_THICKFRAME)) ? kSizingBorder : 0; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
};

class WndWidget : public QWidget {
public:
    WndWidget(HWND hwnd, QWidget* parent);

    HWND Handle() const { return m_hwnd; }
    void Detach() { m_hwnd = nullptr; }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void PaintSizingBorder(QPainter& painter);
    void PaintTopLevel();
    void PaintChild(const QRegion& region);

public:
    // Runs the window's WM_PAINT into an image of its size, collecting the
    // pixels that changed when a damage region is given.
    void RenderInto(QImage& image, QRegion* damage);
    // Repaints on screen only what differs from the last paint.
    void UpdateChangedPixels();

private:
    bool m_flushOnly = false;
    Qt::Edges BorderEdges(QPoint pos) const;
    void SendMouse(UINT message, QMouseEvent* e);

    HWND m_hwnd;
    Qt::Edges m_resizeEdges;
    QPoint m_resizeStart;
    QRect m_resizeGeometry;
};

// Every window alive, in creation order.
const std::vector<HWND>& AllWindows();

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
