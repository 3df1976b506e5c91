// GDI objects, memory device contexts and their pixel operations on QImage.
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/qt/gdiobjects.h"
#include "platform/qt/menuhandle.h"
#include "platform/qt/window.h"

namespace {

DWORD s_liveObjects = 0;

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

// Clips a rectangle to the image; false when nothing of it remains.
bool ClipToImage(const QImage& image, RECT& rc)
{
    rc.left = std::max<LONG>(rc.left, 0);
    rc.top = std::max<LONG>(rc.top, 0);
    rc.right = std::min<LONG>(rc.right, image.width());
    rc.bottom = std::min<LONG>(rc.bottom, image.height());
    return rc.left < rc.right && rc.top < rc.bottom;
}

// Direct pixel fill: no painter and no allocation, so the clock can fill
// dozens of small rectangles per frame cheaply.
void FillImageRect(QImage& image, RECT rc, COLORREF color)
{
    if (!ClipToImage(image, rc))
        return;
    const QRgb pixel = PixelFromColorRef(color);
    const int width = rc.right - rc.left;
    const qsizetype stride = image.bytesPerLine();
    uchar* line = image.bits() + rc.top * stride + rc.left * qsizetype(sizeof(QRgb));
    for (int row = rc.top; row < rc.bottom; ++row, line += stride)
        std::fill_n(reinterpret_cast<QRgb*>(line), width, pixel);
}

// Copies a block of pixels. With a damage region, only the pixels that differ
// are written, and the rows where they lie are added to the region.
void CopyImageRect(QImage& dst, int x, int y, int cx, int cy, const QImage& src, int xs, int ys, QRegion* damage)
{
    // Clip the source and the destination together, keeping them aligned.
    const int shiftLeft = std::max({0, -x, -xs});
    const int shiftTop = std::max({0, -y, -ys});
    x += shiftLeft, xs += shiftLeft, cx -= shiftLeft;
    y += shiftTop, ys += shiftTop, cy -= shiftTop;
    cx = std::min({cx, dst.width() - x, src.width() - xs});
    cy = std::min({cy, dst.height() - y, src.height() - ys});
    if (cx <= 0 || cy <= 0)
        return;
    int runTop = -1, runLeft = cx, runRight = -1;
    for (int row = 0; row <= cy; ++row) {
        int left = cx, right = -1;
        if (row < cy) {
            const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(ys + row)) + xs;
            auto* to = reinterpret_cast<QRgb*>(dst.scanLine(y + row)) + x;
            if (!damage) {
                std::memmove(to, from, size_t(cx) * sizeof(QRgb));
                continue;
            }
            if (std::memcmp(to, from, size_t(cx) * sizeof(QRgb)) != 0) {
                left = 0;
                while (to[left] == from[left])
                    ++left;
                right = cx - 1;
                while (to[right] == from[right])
                    --right;
                std::memcpy(to + left, from + left, size_t(right - left + 1) * sizeof(QRgb));
            }
        }
        if (right >= 0) {
            runTop = runTop < 0 ? row : runTop;
            runLeft = std::min(runLeft, left);
            runRight = std::max(runRight, right);
        } else if (runTop >= 0) {
            *damage += QRect(x + runLeft, y + runTop, runRight - runLeft + 1, row - runTop);
            runTop = -1, runLeft = cx, runRight = -1;
        }
    }
}

}  // namespace

void GdiBitmap::Written(const QRect& rect)
{
    constexpr size_t kMostTracked = 16;
    if (lastCopy.all)
        return;
    if (lastCopy.written.size() >= kMostTracked) {
        lastCopy.all = true;
        lastCopy.written.clear();
        return;
    }
    lastCopy.written.push_back(rect);
}

unsigned long long NewPictureVersion()
{
    static unsigned long long s_version = 0;
    return ++s_version;
}

void NoteWrite(HDC hdc, const QRect& rect)
{
    if (hdc->bitmap && !hdc->bitmap->stock)
        hdc->bitmap->Written(rect);
    if (hdc->targetVersion)
        *hdc->targetVersion = NewPictureVersion();
}

// A bitmap copied to a window's picture: where the picture still holds what
// the last copy of the same area put there, only what was written into the
// bitmap since is compared and copied.
void CopyToPicture(HDC hdc, const QRect& area, GdiBitmap& bitmap, const QPoint& offset)
{
    GdiBitmap::LastCopy& last = bitmap.lastCopy;
    if (last.picture == *hdc->targetVersion && last.area == area && last.offset == offset && !last.all) {
        for (const QRect& written : last.written) {
            const QRect rect = written.translated(offset).intersected(area);
            if (!rect.isEmpty())
                CopyImageRect(*hdc->target, rect.x(), rect.y(), rect.width(), rect.height(), bitmap.image,
                              rect.x() - offset.x(), rect.y() - offset.y(), hdc->damage);
        }
    } else {
        CopyImageRect(*hdc->target, area.x(), area.y(), area.width(), area.height(), bitmap.image,
                      area.x() - offset.x(), area.y() - offset.y(), hdc->damage);
    }
    last = {*hdc->targetVersion, area, offset, {}, false};
}

GdiBitmap::GdiBitmap(int cx, int cy) : image(cx, cy, QImage::Format_RGB32)
{
    image.fill(Qt::black);
}

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

GdiCounted::GdiCounted()
{
    ++s_liveObjects;
}

GdiCounted::~GdiCounted()
{
    --s_liveObjects;
}

DWORD GetGuiResources(void*, DWORD uiFlags)
{
    if (uiFlags == GR_USEROBJECTS)
        return DWORD(AllWindows().size()) + AfxMenuCount();
    return uiFlags == GR_GDIOBJECTS ? s_liveObjects : 0;
}

HDC CreateCompatibleDC(HDC)
{
    auto* dc = new HDC__;
    dc->bitmap = StockBitmap();
    return dc;
}

BOOL DeleteDC(HDC hdc)
{
    if (!hdc)
        return FALSE;
    if (hdc->bitmap && !hdc->bitmap->stock)
        hdc->bitmap->selectedInto = nullptr;
    delete hdc;
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC, int cx, int cy)
{
    if (cx < 0 || cy < 0)
        return nullptr;
    auto* bitmap = new GdiBitmap(std::max(cx, 1), std::max(cy, 1));
    if (bitmap->image.isNull()) {  // too large to allocate
        delete bitmap;
        return nullptr;
    }
    return bitmap;
}

namespace {

template <class T>
HGDIOBJ Swap(T*& selected, T* object)
{
    T* previous = std::exchange(selected, object);
    --previous->selections;
    ++object->selections;
    return previous;
}

}  // namespace

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h)
{
    if (!hdc || !h)
        return nullptr;
    if (auto* font = dynamic_cast<GdiFont*>(h))
        return Swap(hdc->font, font);
    if (auto* brush = dynamic_cast<GdiBrush*>(h))
        return Swap(hdc->brush, brush);
    if (auto* pen = dynamic_cast<GdiPen*>(h))
        return Swap(hdc->pen, pen);
    auto* bitmap = dynamic_cast<GdiBitmap*>(h);
    if (!bitmap || !hdc->IsMemory())
        return nullptr;
    if (bitmap->selectedInto && bitmap->selectedInto != hdc)
        return nullptr;
    GdiBitmap* previous = hdc->bitmap;
    if (previous && !previous->stock)
        previous->selectedInto = nullptr;
    hdc->bitmap = bitmap;
    if (!bitmap->stock)
        bitmap->selectedInto = hdc;
    return previous;
}

BOOL DeleteObject(HGDIOBJ ho)
{
    if (!ho)
        return FALSE;
    if (auto* bitmap = dynamic_cast<GdiBitmap*>(ho)) {
        if (bitmap->stock || bitmap->selectedInto)
            return FALSE;
    }
    if (const auto* selectable = dynamic_cast<const GdiSelectable*>(ho)) {
        if (selectable->stock)
            return TRUE;  // stock objects stay, and deleting one is harmless
        if (selectable->selections > 0)
            return FALSE;
    }
    delete ho;
    return TRUE;
}

COLORREF SetBkColor(HDC hdc, COLORREF color)
{
    if (!hdc)
        return CLR_INVALID;
    return std::exchange(hdc->bkColor, color);
}

BOOL ExtTextOutA(HDC hdc, int, int, UINT options, const RECT* lprect, LPCSTR, UINT, const int*)
{
    if (!hdc)
        return FALSE;
    if (!(options & ETO_OPAQUE) || !lprect)
        return TRUE;
    if (hdc->Image()) {
        FillImageRect(*hdc->Image(), *lprect, hdc->bkColor);
        const QRect rect(lprect->left, lprect->top, lprect->right - lprect->left, lprect->bottom - lprect->top);
        if (hdc->damage)
            *hdc->damage += rect;
        NoteWrite(hdc, rect);
    } else if (hdc->painter) {
        const RECT& rc = *lprect;
        if (rc.right > rc.left && rc.bottom > rc.top)
            hdc->painter->fillRect(QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top),
                                   QColor::fromRgb(PixelFromColorRef(hdc->bkColor)));
    }
    return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    if (!hdc || !hdcSrc || rop != SRCCOPY || !hdcSrc->Image())
        return FALSE;
    if (hdc->targetVersion && hdcSrc->bitmap && !hdcSrc->bitmap->stock) {
        CopyToPicture(hdc, QRect(x, y, cx, cy), *hdcSrc->bitmap, QPoint(x - x1, y - y1));
        return TRUE;
    }
    if (hdc->Image()) {
        CopyImageRect(*hdc->Image(), x, y, cx, cy, *hdcSrc->Image(), x1, y1, hdc->damage);
        NoteWrite(hdc, QRect(x, y, cx, cy));
        return TRUE;
    }
    if (!hdc->painter || cx <= 0 || cy <= 0)
        return FALSE;
    // On a high-density screen the image is scaled by whole device pixels
    // without smoothing, so one-pixel marks stay sharp.
    hdc->painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    hdc->painter->drawImage(QRect(x, y, cx, cy), *hdcSrc->Image(), QRect(x1, y1, cx, cy));
    return TRUE;
}

COLORREF GetPixel(HDC hdc, int x, int y)
{
    const QImage* image = hdc ? hdc->Image() : nullptr;
    if (!image || !image->valid(x, y))
        return CLR_INVALID;
    return ColorRefFromPixel(image->pixel(x, y));
}
