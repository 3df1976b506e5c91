#include "platform/qt/window/wndwidget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "platform/qt/handle/modal.h"
#include "platform/qt/handle/placement.h"
#include "platform/qt/handle/windowlist.h"
#include "platform/qt/handle/timers.h"
#include "platform/qt/paint/devicecontext.h"
#include "platform/qt/paint/overlay.h"
#include "platform/qt/paint/showpixels.h"
#include "platform/win/winuser.h"

namespace {

// The virtual key of a Qt key, for the keys accelerators use.
WORD VirtualKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return WORD(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return WORD(0x70 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0x0D;
    case Qt::Key_Escape:
        return 0x1B;
    case Qt::Key_Insert:
        return 0x2D;
    case Qt::Key_Delete:
        return 0x2E;
    case Qt::Key_Menu:
        return VK_APPS;
    default:
        return 0;
    }
}

// A dialog has a caption with a close box and nothing else; other windows
// with a caption get the window manager's usual frame, and the rest none.
Qt::WindowFlags TopLevelFlags(const HWND__& hwnd)
{
    if (!hwnd.HasCaption())
        return Qt::Window | Qt::FramelessWindowHint;
    if (!hwnd.dialog)
        return Qt::Window;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (hwnd.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

UINT ButtonFlags(Qt::MouseButtons buttons)
{
    return ((buttons & Qt::LeftButton) ? MK_LBUTTON : 0) | ((buttons & Qt::RightButton) ? MK_RBUTTON : 0);
}

}  // namespace

WndWidget::WndWidget(HWND hwnd, QWidget* parent) : QWidget(parent), m_hwnd(hwnd)
{
    setMouseTracking(true);
    if (!parent) {
        setWindowFlags(TopLevelFlags(*hwnd));
    } else {
        // The window paints every pixel itself and is never erased first.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }
}

bool WndWidget::event(QEvent* e)
{
    if (e->type() == MessageEvent::Kind()) {
        const auto* msg = static_cast<MessageEvent*>(e);
        if (m_hwnd)
            m_hwnd->Send(msg->m_message, msg->m_wParam, msg->m_lParam);
        return true;
    }
    return QWidget::event(e);
}

// A paint Qt asks for (exposure, resize) runs WM_PAINT for its region; one
// that PaintUpdate asks for only shows what it rendered.
void WndWidget::paintEvent(QPaintEvent* e)
{
    if (!m_hwnd)
        return;
    const QPoint origin = ClientOrigin();
    QRegion region = e->region().translated(-origin);
    if (!m_flushOnly)
        region = Render(region);
    QPainter painter(this);
    if (m_hwnd->Border() > 0)
        PaintSizingBorder(painter);
    // Whole device pixels on a scaled screen: one-pixel marks stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& rect : region.intersected(m_picture.rect()))
        painter.drawImage(rect.translated(origin), m_picture, rect);
}

void WndWidget::PaintUpdate()
{
    if (!m_hwnd->parent) {
        // Over a top-level window's picture lie its controls: Qt paints them together.
        repaint(m_hwnd->update.translated(ClientOrigin()));
        return;
    }
    const QRegion painted = Render({});
    if (painted.isEmpty())
        return;
    if (ShowPixels(this, m_picture, painted))
        return;
    m_flushOnly = true;
    repaint(painted);
    m_flushOnly = false;
}

QRegion WndWidget::Render(QRegion region)
{
    const QRect client(QPoint(0, 0), size() - 2 * QSize(m_hwnd->Border(), m_hwnd->Border()));
    if (client.isEmpty())
        return {};
    if (m_picture.size() != client.size()) {
        // A new picture holds nothing yet: all of it is painted, over the
        // window's background colour.
        m_picture = QImage(client.size(), QImage::Format_RGB32);
        m_picture.fill(palette().color(QPalette::Window));
        region = client;
    }
    // As BeginPaint does, the paint takes the whole update region.
    region = (region + std::exchange(m_hwnd->update, {})).intersected(client);
    if (region.isEmpty())
        return {};
    WindowDC dc;
    dc.image = &m_picture;
    dc.clip = region;
    m_hwnd->paintDC = &dc;
    m_hwnd->Send(WM_PAINT);
    m_hwnd->paintDC = nullptr;
    m_lastShown = region;  // each paint goes to the screen
    ++m_paintsShown;
    return region;
}

QPoint WndWidget::ClientOrigin() const
{
    return QPoint(m_hwnd->Border(), m_hwnd->Border());
}

void WndWidget::PaintSizingBorder(QPainter& painter)
{
    const QRect outer = rect();
    const int border = m_hwnd->Border();
    const QPalette& pal = palette();
    painter.fillRect(outer, pal.color(QPalette::Window));
    painter.setPen(pal.color(QPalette::Light));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    painter.drawRect(outer.adjusted(border - 1, border - 1, -border, -border));
}

void WndWidget::resizeEvent(QResizeEvent*)
{
    if (!m_hwnd)
        return;
    SendSize(m_hwnd);
    if (m_hwnd == MainWindow())
        ScreenDrawingFollowsClock();
}

// Where the window manager's frame first shows, a window with a caption is
// kept wholly in the work area of its screen, as it was placed without the
// frame, whose size the window system tells only once the window is shown.
void WndWidget::moveEvent(QMoveEvent*)
{
    if (m_hwnd && m_hwnd == MainWindow())
        ScreenDrawingFollowsClock();  // the window manager may have moved it
    if (!m_fitFrame || frameGeometry() == geometry())
        return;
    m_fitFrame = false;
    const QScreen* shown = screen();
    if (!shown)
        return;
    const QRect area = shown->availableGeometry();
    const QRect frame = frameGeometry();
    QPoint to = frame.topLeft();
    to.setX(std::max(area.left(), std::min(to.x(), area.right() + 1 - frame.width())));
    to.setY(std::max(area.top(), std::min(to.y(), area.bottom() + 1 - frame.height())));
    if (to != frame.topLeft())
        move(to);
}

void WndWidget::showEvent(QShowEvent*)
{
    m_fitFrame = isWindow() && m_hwnd && m_hwnd->HasCaption();
    // Made just now, before it is mapped: Qt does not pass on the base size
    // of a widget whose window did not exist yet.
    if (isWindow() && windowHandle())
        windowHandle()->setBaseSize(baseSize());
    if (m_hwnd)
        m_hwnd->Send(WM_SHOWWINDOW, TRUE, 0);
}

void WndWidget::hideEvent(QHideEvent*)
{
    if (m_hwnd)
        m_hwnd->Send(WM_SHOWWINDOW, FALSE, 0);
}

void WndWidget::closeEvent(QCloseEvent* e)
{
    // The window manager's close request becomes WM_CLOSE; the window goes
    // only if its handler destroys it.
    e->ignore();
    if (m_hwnd)
        PostCloseRequest(m_hwnd);
}

void WndWidget::keyPressEvent(QKeyEvent* e)
{
    HWND top = m_hwnd;
    while (top && top->parent)
        top = top->parent;
    const WORD vk = VirtualKey(e->key());
    if (!top || !vk) {
        e->ignore();
        return;
    }
    top->Send(WM_KEYDOWN, vk, MAKELPARAM(e->isAutoRepeat() ? 2 : 1, 0));
}

// As Windows does, the window is asked how small and how large its border
// may make it, the system's limits given (the whole desktop at most).
std::pair<QSize, QSize> WndWidget::TrackLimits() const
{
    MINMAXINFO info{};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    if (info.ptMaxTrackSize.x <= 0 || info.ptMaxTrackSize.y <= 0)
        info.ptMaxTrackSize = {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    m_hwnd->Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const QSize least = QSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y).expandedTo(QSize(1, 1));
    return {least, QSize(info.ptMaxTrackSize.x, info.ptMaxTrackSize.y).expandedTo(least)};
}

Qt::Edges WndWidget::BorderEdges(QPoint pos) const
{
    const int border = m_hwnd ? m_hwnd->Border() : 0;
    if (border == 0)
        return {};
    // Corners are easier to grab when they reach a little along the edges.
    const int corner = border * 4;
    Qt::Edges edges;
    const bool nearLeft = pos.x() < border || (pos.x() < corner && (pos.y() < border || pos.y() >= height() - border));
    const bool nearRight = pos.x() >= width() - border ||
                           (pos.x() >= width() - corner && (pos.y() < border || pos.y() >= height() - border));
    const bool nearTop = pos.y() < border || (pos.y() < corner && (pos.x() < border || pos.x() >= width() - border));
    const bool nearBottom = pos.y() >= height() - border ||
                            (pos.y() >= height() - corner && (pos.x() < border || pos.x() >= width() - border));
    if (nearLeft)
        edges |= Qt::LeftEdge;
    if (nearRight)
        edges |= Qt::RightEdge;
    if (nearTop)
        edges |= Qt::TopEdge;
    if (nearBottom)
        edges |= Qt::BottomEdge;
    return edges;
}

void WndWidget::SendMouse(UINT message, QMouseEvent* e)
{
    if (!m_hwnd)
        return;
    // From the pointer's place on the screen and where the window is now, as
    // GetWindowRect has it: the display server gives positions relative to
    // where the window stood when it made the event, which lags a move just
    // asked for, and a window dragged by its face would then overshoot and
    // tremble. A move, which may move the window, is handled at that place
    // (a press or a click may open a dialog, which must see the window move).
    const PinnedPlace place(message == WM_MOUSEMOVE ? this : nullptr);
    const QPoint pos = e->globalPosition().toPoint() - ReportedOrigin(this) - QPoint(m_hwnd->Border(), m_hwnd->Border());
    m_hwnd->Send(message, ButtonFlags(e->buttons()), MAKELPARAM(pos.x(), pos.y()));
}

void WndWidget::mousePressEvent(QMouseEvent* e)
{
    const Qt::Edges edges = BorderEdges(e->position().toPoint());
    if (edges && e->button() == Qt::LeftButton) {
        m_resizeEdges = edges;
        m_resizeStart = e->globalPosition().toPoint();
        m_resizeGeometry = geometry();
        m_resizeLimits = TrackLimits();
        return;
    }
    m_leftDown = m_leftDown || e->button() == Qt::LeftButton;
    if (e->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONDOWN, e);
    else if (e->button() == Qt::RightButton)
        SendMouse(WM_RBUTTONDOWN, e);
}

void WndWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_resizeEdges && e->button() == Qt::LeftButton) {
        m_resizeEdges = {};
        return;
    }
    if (e->button() == Qt::LeftButton) {
        m_leftDown = false;
        SendMouse(WM_LBUTTONUP, e);
    } else if (e->button() == Qt::RightButton) {
        SendMouse(WM_RBUTTONUP, e);
    }
}

void WndWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (BorderEdges(e->position().toPoint()))
        return;
    m_leftDown = m_leftDown || e->button() == Qt::LeftButton;
    if (e->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONDBLCLK, e);
    else if (e->button() == Qt::RightButton)
        SendMouse(WM_RBUTTONDOWN, e);
}

void WndWidget::mouseMoveEvent(QMouseEvent* e)
{
    if (m_resizeEdges) {
        // Within the limits the window gave, each as the distance from one
        // edge's pixel to the other's.
        const QPoint delta = e->globalPosition().toPoint() - m_resizeStart;
        QRect g = m_resizeGeometry;
        const QSize least = m_resizeLimits.first - QSize(1, 1);
        const QSize most = m_resizeLimits.second - QSize(1, 1);
        if (m_resizeEdges & Qt::LeftEdge)
            g.setLeft(std::clamp(g.left() + delta.x(), g.right() - most.width(), g.right() - least.width()));
        if (m_resizeEdges & Qt::RightEdge)
            g.setRight(std::clamp(g.right() + delta.x(), g.left() + least.width(), g.left() + most.width()));
        if (m_resizeEdges & Qt::TopEdge)
            g.setTop(std::clamp(g.top() + delta.y(), g.bottom() - most.height(), g.bottom() - least.height()));
        if (m_resizeEdges & Qt::BottomEdge)
            g.setBottom(std::clamp(g.bottom() + delta.y(), g.top() + least.height(), g.top() + most.height()));
        AskForSize(this, g.size());
        setGeometry(g);
        return;
    }
    const Qt::Edges edges = BorderEdges(e->position().toPoint());
    if ((edges & (Qt::LeftEdge | Qt::TopEdge)) == (Qt::LeftEdge | Qt::TopEdge) ||
        (edges & (Qt::RightEdge | Qt::BottomEdge)) == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge) && edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    if (m_leftDown && !(e->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (a popup took the pointer meanwhile):
        // every press gets its release, before the move.
        m_leftDown = false;
        SendMouse(WM_LBUTTONUP, e);
    }
    if (!edges)
        SendMouse(WM_MOUSEMOVE, e);
}
