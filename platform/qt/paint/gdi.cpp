// GDI objects: making, selecting and deleting them, and the pixel
// operations that every kind of device context offers.
#include <QWidget>
#include <algorithm>
#include <utility>

#include "platform/qt/handle/windowlist.h"
#include "platform/qt/handle/rect.h"
#include "platform/qt/menu/menuhandle.h"
#include "platform/qt/paint/devicecontext.h"

namespace {

DWORD s_liveObjects = 0;

}  // namespace

GdiBitmap::GdiBitmap(int cx, int cy) : image(cx, cy, QImage::Format_RGB32)
{
    image.fill(Qt::black);
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
    return new MemoryDC;
}

BOOL DeleteDC(HDC hdc)
{
    if (!dynamic_cast<MemoryDC*>(hdc))
        return FALSE;
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
    auto* memory = dynamic_cast<MemoryDC*>(hdc);
    GdiBitmap* previous = nullptr;
    if (!bitmap || !memory || !memory->Select(bitmap, &previous))
        return nullptr;
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
    if ((options & ETO_OPAQUE) && lprect)
        hdc->Fill(QRectOf(*lprect), PixelFromColorRef(hdc->bkColor));
    return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    const QImage* source = hdcSrc ? hdcSrc->Pixels() : nullptr;
    if (!hdc || !source || rop != SRCCOPY)
        return FALSE;
    hdc->Copy(QRect(x, y, cx, cy), *source, QPoint(x1, y1));
    return TRUE;
}

COLORREF GetPixel(HDC hdc, int x, int y)
{
    const QImage* image = hdc ? hdc->Pixels() : nullptr;
    if (!image || !image->valid(x, y))
        return CLR_INVALID;
    return ColorRefFromPixel(image->pixel(x, y));
}
