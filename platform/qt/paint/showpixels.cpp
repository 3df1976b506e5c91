#include "platform/qt/paint/showpixels.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include "platform/qt/x11/x11.h"

namespace {

bool PaintIntoBackingStore(QWidget* widget, const QImage& image, const QRegion& region)
{
    // Until Qt has painted the window once, its backing store has no pixels
    // to paint into.
    QWidget* top = widget->window();
    QBackingStore* store = top->backingStore();
    if (!store || !top->windowHandle() || !top->windowHandle()->isExposed() || store->size().isEmpty() ||
        !store->paintDevice())
        return false;
    const QPoint offset = widget->mapTo(top, QPoint(0, 0));
    const QRegion area = region.translated(offset);
    store->beginPaint(area);
    {
        QPainter painter(store->paintDevice());
        // Whole device pixels on a scaled screen: one-pixel marks stay sharp.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        for (const QRect& rect : region)
            painter.drawImage(rect.translated(offset), image, rect);
    }
    store->endPaint();
    store->flush(area, top->windowHandle());
    return true;
}

}  // namespace

bool ShowPixels(QWidget* widget, const QImage& image, const QRegion& region)
{
    if (region.isEmpty())
        return true;
    if (!widget->isVisible())
        return false;
    return PutPixels(widget, image, region) || PaintIntoBackingStore(widget, image, region);
}
