// Device contexts, one kind for each thing drawn on: a memory bitmap, a
// window's picture during its paint, and the screen. Only the Qt backend
// sees these.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <functional>
#include <optional>

#include "platform/qt/paint/gdiobjects.h"

// What every context has: the selected font, brush and pen (the stock ones
// at first) and the text colours, black on an opaque white background.
// Each kind says how its pixels are drawn.
struct HDC__ : GdiCounted {
    HDC__();
    virtual ~HDC__();

    // Fills the rectangle with one colour.
    virtual void Fill(const QRect& rect, QRgb pixel) = 0;
    // Copies the block of the image at from to the rectangle.
    virtual void Copy(const QRect& to, const QImage& image, QPoint from) = 0;
    // Paints with a painter; area bounds what is painted.
    virtual void Paint(const QRect& area, const std::function<void(QPainter&)>& paint) = 0;
    // The pixels a context holds that another may copy from, or null.
    virtual const QImage* Pixels() const { return nullptr; }

    COLORREF bkColor = 0xFFFFFF;
    COLORREF textColor = 0x000000;
    int bkMode = OPAQUE;
    GdiFont* font;
    GdiBrush* brush;
    GdiPen* pen;
};

// Draws into an image, within a clip region (all of it without one); draws
// nothing without an image.
struct ImageDC : HDC__ {
    void Fill(const QRect& rect, QRgb pixel) override;
    void Copy(const QRect& to, const QImage& image, QPoint from) override;
    void Paint(const QRect& area, const std::function<void(QPainter&)>& paint) override;
    const QImage* Pixels() const override { return image; }

    QImage* image = nullptr;
    std::optional<QRegion> clip;

private:
    // Calls each with every part of the area inside the clip.
    template <class Each>
    void WithinClip(const QRect& area, Each each) const;
};

// A memory context draws into its selected bitmap: every one starts with
// the stock 1 x 1 bitmap, as on Windows.
struct MemoryDC : ImageDC {
    MemoryDC();
    ~MemoryDC() override;
    // FALSE when the bitmap is selected into another context.
    bool Select(GdiBitmap* bitmap, GdiBitmap** previous);

    GdiBitmap* bitmap = nullptr;
};

// A window's context. During a paint (BeginPaint) it draws into the
// window's picture, clipped to the region being painted; elsewhere (GetDC)
// it draws nothing.
struct WindowDC : ImageDC {};

// The screen's context (GetDC with no window) draws on the screen overlay.
struct ScreenDC : HDC__ {
    void Fill(const QRect& rect, QRgb pixel) override;
    void Copy(const QRect& to, const QImage& image, QPoint from) override;
    void Paint(const QRect& area, const std::function<void(QPainter&)>& paint) override;
};
