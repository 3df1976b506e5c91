// Fonts, brushes and pens, the stock ones, and the drawing that uses them:
// text and rectangles, on bitmaps, on windows being painted and on the screen.
#include <QFontMetrics>
#include <cmath>
#include <cstring>

#include "platform/qt/handle/rect.h"
#include "platform/qt/paint/devicecontext.h"
#include "platform/qt/paint/fonts.h"
#include "platform/win/codepage.h"

namespace {

template <class T>
T* MakeStock(T* object)
{
    object->stock = true;
    return object;
}

// The system font of a Japanese desktop: a bold Gothic face, 16 pixels high.
LOGFONTA SystemLogFont()
{
    LOGFONTA lf{};
    lf.lfHeight = 16;
    lf.lfWidth = 8;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfPitchAndFamily = 0x22;  // variable pitch, Swiss
    std::strcpy(lf.lfFaceName, "System");
    return lf;
}

UINT CodePageOf(const LOGFONTA& lf)
{
    return lf.lfCharSet == SHIFTJIS_CHARSET ? CP_SHIFTJIS : CP_UTF8;
}

QColor ColorOf(COLORREF color)
{
    return QColor::fromRgb(PixelFromColorRef(color));
}

}  // namespace

GdiFont* StockSystemFont()
{
    static GdiFont* s_font = MakeStock(new GdiFont(SystemLogFont()));
    return s_font;
}

GdiBrush* StockWhiteBrush()
{
    static GdiBrush* s_brush = MakeStock(new GdiBrush(0xFFFFFF));
    return s_brush;
}

GdiPen* StockBlackPen()
{
    static GdiPen* s_pen = MakeStock(new GdiPen(0x000000));
    return s_pen;
}

// A positive height is the cell's (ascent and descent), a negative one the
// characters' (the em), as Windows takes them.
const QFont& GdiFont::Font()
{
    if (font)
        return *font;
    const size_t faceLength = strnlen(logFont.lfFaceName, LF_FACESIZE);
    const QString face = QString::fromStdString(CodePageToUtf8(CodePageOf(logFont), {logFont.lfFaceName, faceLength}));
    QFont f(FamilyForFace(face));
    f.setWeight(QFont::Weight(std::clamp<LONG>(logFont.lfWeight > 0 ? logFont.lfWeight : FW_NORMAL, 1, 1000)));
    f.setItalic(logFont.lfItalic);
    f.setUnderline(logFont.lfUnderline);
    f.setStrikeOut(logFont.lfStrikeOut);
    const int height = logFont.lfHeight == 0 ? 16 : std::abs(int(logFont.lfHeight));
    f.setPixelSize(height);
    if (logFont.lfHeight > 0) {
        const int cell = QFontMetrics(f).height();
        if (cell > 0 && cell != height)
            f.setPixelSize(std::max(1, int(std::lround(double(height) * height / cell))));
    }
    font = f;
    return *font;
}

HGDIOBJ GetStockObject(int i)
{
    switch (i) {
    case WHITE_BRUSH:
        return StockWhiteBrush();
    case NULL_BRUSH: {
        static GdiBrush* s_null = MakeStock(new GdiBrush(0, true));
        return s_null;
    }
    case BLACK_PEN:
        return StockBlackPen();
    case NULL_PEN: {
        static GdiPen* s_null = MakeStock(new GdiPen(0, true));
        return s_null;
    }
    case SYSTEM_FONT:
        return StockSystemFont();
    default:
        return nullptr;
    }
}

int GetObjectA(HGDIOBJ h, int c, void* pv)
{
    const auto* font = dynamic_cast<const GdiFont*>(h);
    if (!font)
        return 0;
    if (!pv)
        return int(sizeof(LOGFONTA));
    const size_t n = std::min(sizeof(LOGFONTA), size_t(std::max(c, 0)));
    std::memcpy(pv, &font->logFont, n);
    return int(n);
}

HFONT CreateFontIndirectA(const LOGFONTA* lplf)
{
    return lplf ? new GdiFont(*lplf) : nullptr;
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    return new GdiBrush(color);
}

int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format)
{
    if (!hdc || !lpchText || !lprc)
        return 0;
    const size_t length = cchText < 0 ? std::strlen(lpchText) : size_t(cchText);
    const QString text = QString::fromStdString(CodePageToUtf8(CodePageOf(hdc->font->logFont), {lpchText, length}));
    const QFont& font = hdc->font->Font();
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    const QRect box = QRectOf(*lprc);
    int x = box.left();
    if (format & DT_CENTER)
        x += (box.width() - width) / 2;
    else if (format & DT_RIGHT)
        x = box.left() + box.width() - width;
    const QRect cell = QRect(x, box.top(), width, metrics.height()).intersected(box);
    hdc->Paint(cell, [&](QPainter& painter) {
        painter.setClipRect(box);
        if (hdc->bkMode == OPAQUE)
            painter.fillRect(cell, ColorOf(hdc->bkColor));
        painter.setFont(font);
        painter.setPen(ColorOf(hdc->textColor));
        painter.drawText(x, box.top() + metrics.ascent(), text);
    });
    return metrics.height();
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    if (!hdc)
        return FALSE;
    const QRect area(QPoint(std::min(left, right), std::min(top, bottom)),
                     QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
    if (area.isEmpty())
        return TRUE;
    hdc->Paint(area, [&](QPainter& painter) {
        if (!hdc->brush->null)
            painter.fillRect(area, ColorOf(hdc->brush->color));
        if (!hdc->pen->null) {
            const QColor pen = ColorOf(hdc->pen->color);
            painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), pen);
            painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), pen);
            painter.fillRect(QRect(area.left(), area.top(), 1, area.height()), pen);
            painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), pen);
        }
    });
    return TRUE;
}
