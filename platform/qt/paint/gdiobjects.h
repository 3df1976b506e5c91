// The content behind the GDI handles. Only the Qt backend sees these.
#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>
#include <optional>

#include "platform/win/wingdi.h"

// Counts the GDI objects and device contexts alive, for GetGuiResources.
struct GdiCounted {
    GdiCounted();
    GdiCounted(const GdiCounted&) = delete;
    GdiCounted& operator=(const GdiCounted&) = delete;
    ~GdiCounted();
};

struct GdiBitmap : HBITMAP__, GdiCounted {
    explicit GdiBitmap(int cx, int cy);

    QImage image;  // Format_RGB32: 0xffRRGGBB per pixel
    HDC selectedInto = nullptr;
    bool stock = false;
};

// Fonts, brushes and pens count how many contexts hold them selected; stock
// ones are made once and never deleted.
struct GdiSelectable {
    bool stock = false;
    int selections = 0;
};

struct GdiFont : HFONT__, GdiCounted, GdiSelectable {
    explicit GdiFont(const LOGFONTA& lf) : logFont(lf) {}
    // The installed font that stands for it, found at its first use (which
    // needs the application's font database).
    const QFont& Font();

    LOGFONTA logFont;
    std::optional<QFont> font;
};

// A solid brush or a pen one pixel wide; a null one draws nothing.
template <class Handle>
struct GdiColorObject : Handle, GdiCounted, GdiSelectable {
    explicit GdiColorObject(COLORREF c, bool isNull = false) : color(c), null(isNull) {}
    COLORREF color;
    bool null;
};
using GdiBrush = GdiColorObject<HBRUSH__>;
using GdiPen = GdiColorObject<HPEN__>;

struct GdiRegion : HRGN__, GdiCounted {
    explicit GdiRegion(QRegion r) : region(std::move(r)) {}
    QRegion region;
};

// The stock objects every context starts with.
GdiFont* StockSystemFont();
GdiBrush* StockWhiteBrush();
GdiPen* StockBlackPen();

// Converts between the 0x00BBGGRR colour reference and a Format_RGB32 pixel.
constexpr QRgb PixelFromColorRef(COLORREF cr)
{
    return 0xFF000000u | (QRgb(cr & 0xFF) << 16) | (cr & 0xFF00) | ((cr >> 16) & 0xFF);
}
constexpr COLORREF ColorRefFromPixel(QRgb px)
{
    return ((px >> 16) & 0xFF) | (px & 0xFF00) | ((px & 0xFF) << 16);
}
