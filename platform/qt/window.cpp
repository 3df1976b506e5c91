// Windows as Qt widgets: creation and destruction, geometry, painting, timers,
// pointer and key input turned into messages.
#include "platform/qt/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/afxmsg.h"
#include "platform/qt/gdiobjects.h"

namespace {

std::vector<HWND> s_windows;
int s_dispatchDepth = 0;  // messages being handled, nested

void PaintInvalidChildren()
{
    for (HWND hWnd : std::vector<HWND>(s_windows))
        if (hWnd->parent && hWnd->invalid)
            UpdateWindow(hWnd);
}

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

bool IsLive(HWND hWnd)
{
    return hWnd && std::find(s_windows.begin(), s_windows.end(), hWnd) != s_windows.end();
}

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
    default:
        return 0;
    }
}

UINT ButtonFlags(Qt::MouseButtons buttons)
{
    return ((buttons & Qt::LeftButton) ? MK_LBUTTON : 0) | ((buttons & Qt::RightButton) ? MK_RBUTTON : 0);
}

void SendSize(HWND hWnd)
{
    RECT client;
    GetClientRect(hWnd, &client);
    hWnd->Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

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
    for (const auto& [id, qtId] : hWnd->timers)
        hWnd->widget->killTimer(qtId);
    std::erase(s_windows, hWnd);
    if (hWnd->parent)
        std::erase(hWnd->parent->children, hWnd);
    hWnd->widget->Detach();
    hWnd->widget->hide();
    hWnd->widget->deleteLater();
    DeleteObject(hWnd->region);
    delete hWnd;
}

}  // namespace

const std::vector<HWND>& AllWindows()
{
    return s_windows;
}

// Windows whose paint is due are painted once the message being handled is
// done, as WM_PAINT comes when no other message waits.
LRESULT HWND__::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!proc)
        return 0;
    ++s_dispatchDepth;
    const LRESULT result = proc(this, message, wParam, lParam);
    if (--s_dispatchDepth == 0)
        PaintInvalidChildren();
    return result;
}

// --- the widget --------------------------------------------------------------

WndWidget::WndWidget(HWND hwnd, QWidget* parent) : QWidget(parent), m_hwnd(hwnd)
{
    setMouseTracking(true);
    if (!parent) {
        setWindowFlags(hwnd->HasCaption() ? Qt::Window : Qt::Window | Qt::FramelessWindowHint);
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

void WndWidget::paintEvent(QPaintEvent* e)
{
    if (!m_hwnd)
        return;
    if (m_hwnd->parent)
        PaintChild(e->region());
    else
        PaintTopLevel();
}

void WndWidget::PaintTopLevel()
{
    QPainter painter(this);
    if (m_hwnd->Border() > 0)
        PaintSizingBorder(painter);
    HDC__ dc;
    dc.memory = false;
    dc.painter = &painter;
    if (const int border = m_hwnd->Border())
        painter.translate(border, border);
    m_hwnd->paintDC = &dc;
    m_hwnd->invalid = false;
    m_hwnd->Send(WM_PAINT);
    m_hwnd->paintDC = nullptr;
}

void WndWidget::RenderInto(QImage& image, QRegion* damage)
{
    if (image.size() != size()) {
        image = QImage(size(), QImage::Format_RGB32);
        if (damage)
            *damage = QRegion(image.rect());
    }
    HDC__ dc;
    dc.memory = false;
    dc.target = &image;
    dc.damage = damage;
    m_hwnd->paintDC = &dc;
    m_hwnd->invalid = false;
    m_hwnd->Send(WM_PAINT);
    m_hwnd->paintDC = nullptr;
}

void WndWidget::PaintChild(const QRegion& region)
{
    // A paint Qt asks for (exposure, resize) paints the window anew; a
    // paint of changed pixels only shows what UpdateChangedPixels rendered.
    if (!m_flushOnly)
        RenderInto(m_hwnd->shown, nullptr);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& rect : region)
        painter.drawImage(rect, m_hwnd->shown, rect);
}

void WndWidget::UpdateChangedPixels()
{
    QRegion changed;
    RenderInto(m_hwnd->shown, &changed);
    if (changed.isEmpty())
        return;
    m_flushOnly = true;
    repaint(changed);
    m_flushOnly = false;
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
    if (m_hwnd)
        SendSize(m_hwnd);
}

void WndWidget::showEvent(QShowEvent*)
{
    if (m_hwnd)
        m_hwnd->Send(WM_SHOWWINDOW, TRUE, 0);
}

void WndWidget::hideEvent(QHideEvent*)
{
    if (m_hwnd)
        m_hwnd->Send(WM_SHOWWINDOW, FALSE, 0);
}

void WndWidget::timerEvent(QTimerEvent* e)
{
    if (!m_hwnd)
        return;
    for (const auto& [id, qtId] : m_hwnd->timers) {
        if (qtId == e->timerId()) {
            m_hwnd->Send(WM_TIMER, id, 0);
            return;
        }
    }
}

void WndWidget::closeEvent(QCloseEvent* e)
{
    // The window manager's close request becomes WM_CLOSE; the window goes
    // only if its handler destroys it.
    e->ignore();
    if (m_hwnd)
        PostMessageA(m_hwnd, WM_CLOSE, 0, 0);
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
    const QPoint pos = e->position().toPoint() - QPoint(m_hwnd->Border(), m_hwnd->Border());
    m_hwnd->Send(message, ButtonFlags(e->buttons()), MAKELPARAM(pos.x(), pos.y()));
}

void WndWidget::mousePressEvent(QMouseEvent* e)
{
    const Qt::Edges edges = BorderEdges(e->position().toPoint());
    if (edges && e->button() == Qt::LeftButton) {
        m_resizeEdges = edges;
        m_resizeStart = e->globalPosition().toPoint();
        m_resizeGeometry = geometry();
        return;
    }
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
    if (e->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONUP, e);
    else if (e->button() == Qt::RightButton)
        SendMouse(WM_RBUTTONUP, e);
}

void WndWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (BorderEdges(e->position().toPoint()))
        return;
    if (e->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONDBLCLK, e);
    else if (e->button() == Qt::RightButton)
        SendMouse(WM_RBUTTONDOWN, e);
}

void WndWidget::mouseMoveEvent(QMouseEvent* e)
{
    if (m_resizeEdges) {
        const QPoint delta = e->globalPosition().toPoint() - m_resizeStart;
        QRect g = m_resizeGeometry;
        const int minimum = 2 * kSizingBorder + 16;
        if (m_resizeEdges & Qt::LeftEdge)
            g.setLeft(std::min(g.left() + delta.x(), g.right() - minimum));
        if (m_resizeEdges & Qt::RightEdge)
            g.setRight(std::max(g.right() + delta.x(), g.left() + minimum));
        if (m_resizeEdges & Qt::TopEdge)
            g.setTop(std::min(g.top() + delta.y(), g.bottom() - minimum));
        if (m_resizeEdges & Qt::BottomEdge)
            g.setBottom(std::max(g.bottom() + delta.y(), g.top() + minimum));
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
    if (!edges)
        SendMouse(WM_MOUSEMOVE, e);
}

// --- window functions --------------------------------------------------------

HWND AfxCreateWindow(const CREATESTRUCT& cs, WNDPROC proc, void* userData, HICON hIcon)
{
    if (cs.hwndParent && !IsLive(cs.hwndParent))
        return nullptr;
    auto* hwnd = new HWND__;
    hwnd->proc = proc;
    hwnd->userData = userData;
    hwnd->style = DWORD(cs.style);
    hwnd->parent = cs.hwndParent;
    hwnd->widget = new WndWidget(hwnd, cs.hwndParent ? cs.hwndParent->widget : nullptr);
    s_windows.push_back(hwnd);
    if (cs.hwndParent)
        cs.hwndParent->children.push_back(hwnd);

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
    return IsLive(hWnd) ? hWnd->userData : nullptr;
}

BOOL DestroyWindow(HWND hWnd)
{
    if (!IsLive(hWnd) || hWnd->destroying)
        return FALSE;
    hWnd->destroying = true;
    SendDestroy(hWnd);
    ReleaseWindow(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd)
{
    return IsLive(hWnd);
}

DWORD GetWindowStyle(HWND hWnd)
{
    if (!IsLive(hWnd))
        return 0;
    return (hWnd->style & ~WS_VISIBLE) | (hWnd->widget->isVisible() ? WS_VISIBLE : 0);
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect)
{
    if (!IsLive(hWnd) || !lpRect)
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
        const QRect g = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
        *lpRect = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
        return TRUE;
    }
    if (!IsLive(hWnd))
        return FALSE;
    const QWidget* w = hWnd->widget;
    // The window rectangle is the outer one, with the window manager's frame
    // where the window has one.
    const QRect outer = w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    *lpRect = {outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height()};
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int x, int y, int cx, int cy, BOOL bRepaint)
{
    if (!IsLive(hWnd))
        return FALSE;
    // Positions of child windows are relative to the parent's client area.
    const int offset = hWnd->parent ? hWnd->parent->Border() : 0;
    const QSize before = hWnd->widget->size();
    hWnd->widget->setGeometry(x + offset, y + offset, std::max(cx, 1), std::max(cy, 1));
    SendSizeWhileHidden(hWnd, before);
    if (bRepaint)
        hWnd->widget->update();
    return TRUE;
}

BOOL SetWindowPos(HWND hWnd, HWND, int x, int y, int cx, int cy, UINT uFlags)
{
    if (!IsLive(hWnd))
        return FALSE;
    QWidget* w = hWnd->widget;
    const int offset = hWnd->parent ? hWnd->parent->Border() : 0;
    if (!(uFlags & SWP_NOMOVE))
        w->move(x + offset, y + offset);
    if (!(uFlags & SWP_NOSIZE)) {
        const QSize before = w->size();
        w->resize(std::max(cx, 1), std::max(cy, 1));
        SendSizeWhileHidden(hWnd, before);
    }
    return TRUE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    if (!IsLive(hWnd))
        return FALSE;
    const BOOL wasVisible = hWnd->widget->isVisible();
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
    if (!hWnd) {
        for (HWND each : s_windows)
            InvalidateRect(each, nullptr, FALSE);
        return TRUE;
    }
    if (!IsLive(hWnd))
        return FALSE;
    if (hWnd->parent) {
        // The paint comes with the next UpdateWindow or when the message
        // being handled is done (soon after, outside any message); either
        // way it sends only the changed pixels.
        if (!hWnd->invalid && s_dispatchDepth == 0)
            QMetaObject::invokeMethod(
                hWnd->widget, [] { PaintInvalidChildren(); }, Qt::QueuedConnection);
        hWnd->invalid = true;
        return TRUE;
    }
    hWnd->invalid = true;
    if (lpRect)
        hWnd->widget->update(QRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                                   lpRect->bottom - lpRect->top));
    else
        hWnd->widget->update();
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd)
{
    if (!hWnd) {
        for (HWND each : std::vector<HWND>(s_windows))
            UpdateWindow(each);
        return TRUE;
    }
    if (!IsLive(hWnd))
        return FALSE;
    if (!hWnd->invalid || !hWnd->widget->isVisible())
        return TRUE;
    if (hWnd->parent)
        hWnd->widget->UpdateChangedPixels();
    else
        hWnd->widget->repaint();
    return TRUE;
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, void*)
{
    if (!IsLive(hWnd))
        return 0;
    KillTimer(hWnd, nIDEvent);
    const UINT period = std::clamp(uElapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    const int qtId = hWnd->widget->startTimer(std::chrono::milliseconds(period), Qt::PreciseTimer);
    if (qtId == 0)
        return 0;
    hWnd->timers[nIDEvent] = qtId;
    return nIDEvent;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent)
{
    if (!IsLive(hWnd))
        return FALSE;
    const auto it = hWnd->timers.find(uIDEvent);
    if (it == hWnd->timers.end())
        return FALSE;
    hWnd->widget->killTimer(it->second);
    hWnd->timers.erase(it);
    return TRUE;
}

BOOL PostMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsLive(hWnd))
        return FALSE;
    QCoreApplication::postEvent(hWnd->widget, new MessageEvent(msg, wParam, lParam));
    return TRUE;
}

LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return IsLive(hWnd) ? hWnd->Send(msg, wParam, lParam) : 0;
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
    if (!IsLive(hWnd))
        return ERROR;
    if (hWnd->region != hRgn)
        DeleteObject(std::exchange(hWnd->region, hRgn));
    if (auto* region = dynamic_cast<GdiRegion*>(hRgn))
        hWnd->widget->setMask(region->region);
    else
        hWnd->widget->clearMask();
    if (bRedraw)
        hWnd->widget->update();
    return SIMPLEREGION;
}

HMONITOR MonitorFromRect(LPCRECT lprc, DWORD)
{
    const QRect rect(QPoint(lprc->left, lprc->top), QPoint(lprc->right - 1, lprc->bottom - 1));
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (qsizetype i = 0; i < screens.size(); ++i)
        if (screens[i]->geometry().intersects(rect))
            return reinterpret_cast<HMONITOR>(i + 1);
    return nullptr;
}

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint)
{
    HDC hdc = IsLive(hWnd) ? hWnd->paintDC : nullptr;
    if (lpPaint) {
        *lpPaint = {};
        lpPaint->hdc = hdc;
        GetClientRect(hWnd, &lpPaint->rcPaint);
    }
    return hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT*)
{
    return TRUE;
}

HDC GetDC(HWND)
{
    auto* hdc = new HDC__;
    hdc->memory = false;
    return hdc;
}

int ReleaseDC(HWND, HDC hDC)
{
    delete hDC;
    return 1;
}
