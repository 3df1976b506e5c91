// The content behind the GDI handles. Only the Qt backend sees these.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

#include "platform/wingdi.h"

// Counts the GDI objects and device contexts alive, for GetGuiResources.
struct GdiCounted {
    GdiCounted();
    GdiCounted(const GdiCounted&) = delete;
    GdiCounted& operator=(const GdiCounted&) = delete;
    ~GdiCounted();
};

struct GdiBitmap : HBITMAP__, GdiCounted {
    explicit GdiBitmap(int cx, int cy);

    QImage image;       // Format_RGB32: 0xffRRGGBB per pixel
    HDC selectedInto = nullptr;
    bool stock = false;
};

struct GdiRegion : HRGN__, GdiCounted {
    explicit GdiRegion(QRegion r) : region(std::move(r)) {}
    QRegion region;
};

// A device context. Memory contexts draw into their selected bitmap; the
// backend's window and screen contexts draw through a QPainter.
struct HDC__ : GdiCounted {
    virtual ~HDC__();

    bool IsMemory() const { return memory; }
    QImage* Image() const { return bitmap ? &bitmap->image : target; }

    bool memory = true;
    GdiBitmap* bitmap = nullptr;
    QPainter* painter = nullptr;  // a window context's paint in progress, or
    QImage* target = nullptr;     // the image a child window paints into
    QRegion* damage = nullptr;    // collects the pixels of target that changed
    COLORREF bkColor = 0xFFFFFF;
};

// Converts between the 0x00BBGGRR colour reference and a Format_RGB32 pixel.
constexpr QRgb PixelFromColorRef(COLORREF cr)
{
    return 0xFF000000u | (QRgb(cr & 0xFF) << 16) | (cr & 0xFF00) | ((cr >> 16) & 0xFF);
}
constexpr COLORREF ColorRefFromPixel(QRgb px)
{
    return ((px >> 16) & 0xFF) | (px & 0xFF00) | ((px & 0xFF) << 16);
}
