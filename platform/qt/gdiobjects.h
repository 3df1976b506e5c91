// The content behind the GDI handles. Only the Qt backend sees these.
#pragma once

#include <QFont>
#include <optional>
#include <vector>
#include <QImage>
#include <QPainter>
#include <QRegion>

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

    // Notes a write into the image, for the next copy to a window's picture.
    void Written(const QRect& rect);

    QImage image;       // Format_RGB32: 0xffRRGGBB per pixel
    HDC selectedInto = nullptr;
    bool stock = false;

    // The last copy of the image to a window's picture, and what has been
    // written into the image since: the next copy of the same area to the
    // same, untouched picture needs to look at nothing else. Many writes
    // count as all of the image.
    struct LastCopy {
        unsigned long long picture = 0;  // the picture's version then
        QRect area;                      // where it went in the picture
        QPoint offset;                   // picture position minus image position
        std::vector<QRect> written;      // in the image, since
        bool all = true;
    } lastCopy;
};

// A version number for a window's picture that no picture had before: a
// picture gets a new one whenever something else than a copy from a bitmap
// changes it.
unsigned long long NewPictureVersion();

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

// A device context. Memory contexts draw into their selected bitmap; the
// backend's window contexts draw through a QPainter or into an image, and the
// screen's context onto the screen overlay. Every context starts with the
// stock font, brush and pen selected, black text on an opaque white background.
struct HDC__ : GdiCounted {
    HDC__();
    virtual ~HDC__();

    bool IsMemory() const { return memory; }
    QImage* Image() const { return bitmap ? &bitmap->image : target; }

    bool memory = true;
    bool screen = false;          // the whole screen's context (GetDC with no window)
    GdiBitmap* bitmap = nullptr;
    QPainter* painter = nullptr;  // a window context's paint in progress, or
    QImage* target = nullptr;     // the image a child window paints into
    QRegion* damage = nullptr;    // collects the pixels of target that changed
    unsigned long long* targetVersion = nullptr;  // the target picture's version
    COLORREF bkColor = 0xFFFFFF;
    COLORREF textColor = 0x000000;
    int bkMode = OPAQUE;
    GdiFont* font;
    GdiBrush* brush;
    GdiPen* pen;
};

// Notes that something else than a copy from a bitmap wrote into the
// rectangle of what the context draws on.
void NoteWrite(HDC hdc, const QRect& rect);
// Copies a bitmap into the window picture the context paints into.
void CopyToPicture(HDC hdc, const QRect& area, GdiBitmap& bitmap, const QPoint& offset);

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
