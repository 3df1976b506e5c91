#include "platform/qt/paint/overlay.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPicture>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/qt/x11/x11.h"

#include "platform/qt/handle/windowlist.h"
#include "platform/qt/handle/placement.h"

namespace {

// Puts the drawing just below the window, and so above every other one. A
// window manager restacks only the windows it manages, so on X11 the drawing
// (which it does not manage) is restacked itself; elsewhere the window is raised.
void StackBelow(QWidget* drawing, QWidget* window)
{
    if (!StackJustBelow(drawing, window))
        window->raise();
}

class ScreenOverlay : public QWidget {
public:
    ScreenOverlay()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus)
    {
        setObjectName(QStringLiteral("screen-drawing"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        // Clear where nothing is drawn, and where the clock stands: a
        // compositor that keeps windows it does not manage above all others
        // (weston) then shows the clock through the drawing.
        setAttribute(Qt::WA_TranslucentBackground);
    }

    // The clock has moved: the clear place follows it.
    void FollowClock()
    {
        if (!isVisible())
            return;
        const QRegion now = ClockArea();
        if (now == m_hole)
            return;
        // Only where the clear place was or now is needs painting again.
        const QRegion before = std::exchange(m_hole, now);
        Reshape();
        update((before | m_hole).translated(-pos()));
    }

    void Add(const QRect& area, const std::function<void(QPainter&)>& paint)
    {
        if (area.isEmpty())
            return;
        Drawing drawing{QPicture(), area};
        {
            QPainter painter(&drawing.picture);
            paint(painter);
        }
        // A drawing that covers earlier ones makes them needless.
        std::erase_if(m_drawings, [&](const Drawing& earlier) { return area.contains(earlier.area); });
        m_drawings.push_back(std::move(drawing));
        m_region += area;
        // Just as large as the drawings: XWayland shows a window whole,
        // whatever its shape, and the rest would cover the screen in black.
        setGeometry(m_region.boundingRect());
        m_hole = ClockArea();
        Reshape();
        update();
        m_invalid = false;
        if (!isVisible())
            show();
        KeepClockAbove();
    }

    void Clear()
    {
        hide();
        m_drawings.clear();
        m_region = QRegion();
        m_invalid = false;
    }

    bool m_invalid = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.translate(-pos());
        for (const Drawing& drawing : m_drawings)
            painter.drawPicture(0, 0, drawing.picture);
        painter.setClipRegion(m_hole);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(m_hole.boundingRect(), Qt::transparent);
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        e->accept();
        Clear();
    }

private:
    // The drawing shows, and takes clicks, where it is drawn and the clock
    // does not stand.
    void Reshape() { setMask((m_region - m_hole).translated(-pos())); }

    // The clock stays above what it drew: the drawing goes just below it.
    void KeepClockAbove()
    {
        if (QWidget* clock = WidgetOfWindow(MainWindow()))
            StackBelow(this, clock);
    }

    // What the clock covers on the screen, where the window system has it:
    // its outer rectangle, or the shape it was given (the ellipse).
    static QRegion ClockArea()
    {
        HWND hMain = MainWindow();
        const QWidget* clock = WidgetOfWindow(hMain);
        if (!clock || !clock->isVisible())
            return {};
        const QRect outer = ReportedFrameGeometry(hMain);
        const QRegion shape = clock->mask();
        return shape.isEmpty() ? QRegion(outer) : shape.translated(outer.topLeft());
    }

    struct Drawing {
        QPicture picture;  // in screen coordinates
        QRect area;
    };
    std::vector<Drawing> m_drawings;
    QRegion m_region;  // what the drawings cover, in screen coordinates
    QRegion m_hole;    // where the clock stands, left clear
};

QPointer<ScreenOverlay> s_overlay;

}  // namespace

void PaintOnScreen(const QRect& area, const std::function<void(QPainter&)>& paint)
{
    if (!s_overlay)
        s_overlay = new ScreenOverlay;
    s_overlay->Add(area, paint);
}

void InvalidateScreenDrawing()
{
    if (s_overlay && s_overlay->isVisible())
        s_overlay->m_invalid = true;
}

void UpdateScreenDrawing()
{
    if (s_overlay && s_overlay->m_invalid)
        s_overlay->Clear();
}

void ScreenDrawingFollowsClock()
{
    if (s_overlay)
        s_overlay->FollowClock();
}

QWidget* ScreenDrawingWindow()
{
    return s_overlay && s_overlay->isVisible() ? s_overlay.data() : nullptr;
}

void DestroyScreenDrawing()
{
    delete s_overlay.data();
}
