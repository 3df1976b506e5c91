// The pixel operations of each kind of device context.
#include "platform/qt/paint/devicecontext.h"

#include <algorithm>
#include <cstring>

#include "platform/qt/paint/overlay.h"

namespace {

// Every memory context starts with this 1 x 1 bitmap selected, as on Windows;
// it may be selected into any number of contexts and is never deleted.
GdiBitmap* StockBitmap()
{
    static GdiBitmap* s_stock = [] {
        auto* bitmap = new GdiBitmap(1, 1);
        bitmap->stock = true;
        return bitmap;
    }();
    return s_stock;
}

// The part of the rectangle that lies in the image, worked out inline: a
// face fills hundreds of one-pixel marks.
QRect InImage(const QRect& rect, const QImage& image)
{
    const int left = std::max(rect.left(), 0), top = std::max(rect.top(), 0);
    const int right = std::min(rect.right(), image.width() - 1), bottom = std::min(rect.bottom(), image.height() - 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Direct pixel fill: no painter and no allocation, so the clock can fill
// dozens of small rectangles per frame cheaply. The rectangle lies in the image.
void FillImageRect(QImage& image, const QRect& rect, QRgb pixel)
{
    const qsizetype stride = image.bytesPerLine();
    uchar* line = image.bits() + rect.top() * stride + rect.left() * qsizetype(sizeof(QRgb));
    for (int row = 0; row < rect.height(); ++row, line += stride)
        std::fill_n(reinterpret_cast<QRgb*>(line), rect.width(), pixel);
}

// Copies a block of pixels; both rectangles lie in their images.
void CopyImageRect(QImage& dst, const QRect& to, const QImage& src, QPoint from)
{
    const size_t rowBytes = size_t(to.width()) * sizeof(QRgb);
    const qsizetype dstStride = dst.bytesPerLine(), srcStride = src.bytesPerLine();
    uchar* out = dst.bits() + to.top() * dstStride + to.left() * qsizetype(sizeof(QRgb));
    const uchar* in = src.constBits() + from.y() * srcStride + from.x() * qsizetype(sizeof(QRgb));
    for (int row = 0; row < to.height(); ++row, out += dstStride, in += srcStride)
        std::memmove(out, in, rowBytes);
}

}  // namespace

HDC__::HDC__() : font(StockSystemFont()), brush(StockWhiteBrush()), pen(StockBlackPen())
{
    ++font->selections;
    ++brush->selections;
    ++pen->selections;
}

HDC__::~HDC__()
{
    --font->selections;
    --brush->selections;
    --pen->selections;
}

template <class Each>
void ImageDC::WithinClip(const QRect& area, Each each) const
{
    if (area.isEmpty())
        return;
    if (!clip) {
        each(area);
        return;
    }
    for (const QRect& part : *clip)
        if (const QRect r = part.intersected(area); !r.isEmpty())
            each(r);
}

void ImageDC::Fill(const QRect& rect, QRgb pixel)
{
    if (image)
        WithinClip(InImage(rect, *image), [&](const QRect& r) { FillImageRect(*image, r, pixel); });
}

void ImageDC::Copy(const QRect& to, const QImage& source, QPoint from)
{
    if (!image || to.isEmpty())
        return;
    // The destination clipped to this image and to the source, kept aligned.
    const QPoint shift = to.topLeft() - from;
    const QRect inBoth = InImage(to, *image).intersected(source.rect().translated(shift));
    WithinClip(inBoth, [&](const QRect& r) { CopyImageRect(*image, r, source, r.topLeft() - shift); });
}

void ImageDC::Paint(const QRect&, const std::function<void(QPainter&)>& paint)
{
    if (!image)
        return;
    QPainter painter(image);
    if (clip)
        painter.setClipRegion(*clip);
    paint(painter);
}

MemoryDC::MemoryDC() : bitmap(StockBitmap())
{
    image = &bitmap->image;
}

MemoryDC::~MemoryDC()
{
    if (!bitmap->stock)
        bitmap->selectedInto = nullptr;
}

bool MemoryDC::Select(GdiBitmap* next, GdiBitmap** previous)
{
    if (next->selectedInto && next->selectedInto != this)
        return false;
    if (!bitmap->stock)
        bitmap->selectedInto = nullptr;
    *previous = bitmap;
    bitmap = next;
    if (!bitmap->stock)
        bitmap->selectedInto = this;
    image = &bitmap->image;
    return true;
}

void ScreenDC::Fill(const QRect& rect, QRgb pixel)
{
    if (rect.isEmpty())
        return;
    PaintOnScreen(rect, [&](QPainter& painter) { painter.fillRect(rect, QColor::fromRgb(pixel)); });
}

void ScreenDC::Copy(const QRect& to, const QImage& source, QPoint from)
{
    if (to.isEmpty())
        return;
    PaintOnScreen(to, [&](QPainter& painter) { painter.drawImage(to.topLeft(), source, QRect(from, to.size())); });
}

void ScreenDC::Paint(const QRect& area, const std::function<void(QPainter&)>& paint)
{
    PaintOnScreen(area, paint);
}
