#include "platform/qt/x11/x11.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include <unistd.h>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* QtConnection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The connection that found the X server answering, until Qt has its own.
xcb_connection_t* s_probe = nullptr;

// The window manager's frame of a top-level window: its ancestor that is a
// child of the root (the window itself without a window manager).
xcb_window_t FrameOf(xcb_connection_t* connection, xcb_window_t window)
{
    for (;;) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
        if (!tree)
            return window;
        const bool top = tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE;
        const xcb_window_t parent = tree->parent;
        std::free(tree);
        if (top)
            return window;
        window = parent;
    }
}

// What pixels are put with: the X window of a top-level widget, a graphics
// context for it, and the largest request the server takes. Made once per
// window, for the last window shown this way (the clock has one).
struct XTarget {
    QPointer<QWidget> top;
    xcb_connection_t* connection = nullptr;
    xcb_window_t window = 0;
    xcb_gcontext_t gc = 0;
    uint8_t depth = 0;
    size_t maxRequestBytes = 0;
};
XTarget s_target;

// Whether the server stores a pixel of the window's depth as a Format_RGB32
// pixel is laid out in memory: 32 bits, least significant byte first,
// 0x00RRGGBB. Xvfb and ordinary 24-bit displays do.
bool SameLayoutAsRgb32(xcb_connection_t* connection, uint8_t depth)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || (depth != 24 && depth != 32))
        return false;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats))
        if (formats.data->depth == depth)
            return formats.data->bits_per_pixel == 32;
    return false;
}

// Repaints the window from its own picture when the display shows it again:
// what was put straight onto the X window is not in Qt's backing store.
class RepaintOnExpose : public QObject {
public:
    explicit RepaintOnExpose(QWidget* widget) : QObject(widget), m_widget(widget) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Expose && m_widget)
            m_widget->update();
        return false;
    }

private:
    QPointer<QWidget> m_widget;
};

const XTarget* TargetFor(QWidget* widget, QWidget* top)
{
    if (s_target.top == top && s_target.connection)
        return &s_target;
    xcb_connection_t* connection = QtConnection();
    QWindow* handle = top->windowHandle();
    if (!connection || !handle)
        return nullptr;
    const auto window = xcb_window_t(top->winId());
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!geometry)
        return nullptr;
    const uint8_t depth = geometry->depth;
    std::free(geometry);
    if (!SameLayoutAsRgb32(connection, depth))
        return nullptr;

    if (s_target.connection && s_target.gc)
        xcb_free_gc(s_target.connection, s_target.gc);
    s_target.top = top;
    s_target.connection = connection;
    s_target.window = window;
    s_target.depth = depth;
    s_target.gc = xcb_generate_id(connection);
    xcb_create_gc(connection, s_target.gc, window, 0, nullptr);
    s_target.maxRequestBytes = size_t(xcb_get_maximum_request_length(connection)) * 4;
    handle->installEventFilter(new RepaintOnExpose(widget));
    return &s_target;
}

}  // namespace

bool PutPixels(QWidget* widget, const QImage& image, const QRegion& region)
{
    QWidget* top = widget->window();
    if (image.format() != QImage::Format_RGB32 || !top->windowHandle() || !top->windowHandle()->isExposed() ||
        top->devicePixelRatioF() != 1.0)
        return false;
    const XTarget* target = TargetFor(widget, top);
    if (!target)
        return false;
    const QPoint offset = widget->mapTo(top, QPoint(0, 0));
    static std::vector<uchar> rows;  // kept and only grown: a tick puts pixels without allocating or clearing
    for (const QRect& dirty : region) {
        const QRect rect = dirty.intersected(image.rect());
        if (rect.isEmpty())
            continue;
        const size_t rowBytes = size_t(rect.width()) * 4;
        const int rowsPerRequest = int(std::max<size_t>(1, (target->maxRequestBytes - 64) / rowBytes));
        for (int y = rect.top(); y <= rect.bottom(); y += rowsPerRequest) {
            const int height = std::min(rowsPerRequest, rect.bottom() + 1 - y);
            const size_t bytes = rowBytes * size_t(height);
            if (rows.size() < bytes)
                rows.resize(bytes);
            const uchar* in = image.constBits() + y * image.bytesPerLine() + rect.left() * 4;
            for (int row = 0; row < height; ++row, in += image.bytesPerLine())
                std::copy_n(in, rowBytes, rows.data() + rowBytes * row);
            xcb_put_image(target->connection, XCB_IMAGE_FORMAT_Z_PIXMAP, target->window, target->gc,
                          uint16_t(rect.width()), uint16_t(height), int16_t(offset.x() + rect.left()),
                          int16_t(offset.y() + y), 0, target->depth, uint32_t(bytes), rows.data());
        }
    }
    xcb_flush(target->connection);
    return true;
}

bool XServerAnswers(const char* display)
{
    for (int attempt = 0; attempt < 40; ++attempt) {
        s_probe = xcb_connect(display, nullptr);
        if (!xcb_connection_has_error(s_probe))
            return true;
        xcb_disconnect(s_probe);
        s_probe = nullptr;
        usleep(50 * 1000);
    }
    return false;
}

void EndProbe()
{
    if (s_probe)
        xcb_disconnect(std::exchange(s_probe, nullptr));
}

std::optional<QPoint> ServerOrigin(const QWidget* w)
{
    xcb_connection_t* connection = QtConnection();
    if (!connection || !w->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, xcb_window_t(w->winId()), screen->root, 0, 0), nullptr);
    if (!reply)
        return std::nullopt;
    const QPoint device(reply->dst_x, reply->dst_y);
    std::free(reply);
    return device;
}

bool StackJustBelow(QWidget* drawing, QWidget* window)
{
    xcb_connection_t* connection = QtConnection();
    if (!connection)
        return false;
    const uint32_t values[] = {FrameOf(connection, xcb_window_t(window->winId())), XCB_STACK_MODE_BELOW};
    xcb_configure_window(connection, xcb_window_t(drawing->winId()),
                         XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values);
    xcb_flush(connection);
    return true;
}
