// The GDI handle functions: device contexts, bitmaps and drawing.
//
// Handles are typed: every GDI object handle converts to HGDIOBJ, and the
// backend (platform/qt) gives the handle structures their content.
#pragma once

#include "platform/win/windef.h"

#ifndef _WIN32

struct HGDIOBJ__ {
    virtual ~HGDIOBJ__() = default;

protected:
    HGDIOBJ__() = default;
};
struct HBITMAP__ : HGDIOBJ__ {};
struct HBRUSH__ : HGDIOBJ__ {};
struct HPEN__ : HGDIOBJ__ {};
struct HFONT__ : HGDIOBJ__ {};
struct HRGN__ : HGDIOBJ__ {};
struct HDC__;

using HGDIOBJ = HGDIOBJ__*;
using HBITMAP = HBITMAP__*;
using HBRUSH = HBRUSH__*;
using HPEN = HPEN__*;
using HFONT = HFONT__*;
using HRGN = HRGN__*;
using HDC = HDC__*;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// A font's description: 60 bytes, as the platform lays it out.
constexpr int LF_FACESIZE = 32;
struct LOGFONTA {
    LONG lfHeight;  // > 0: the cell height in pixels; < 0: the character height
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;  // 400 normal, 700 bold
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;  // SHIFTJIS_CHARSET: the face name and texts are code page 932
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};
static_assert(sizeof(LOGFONTA) == 60);

constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE SHIFTJIS_CHARSET = 128;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int NULL_BRUSH = 5;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;

// Background modes: OPAQUE fills a text's cell with the background colour.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawTextA formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;

// ExtTextOutA options.
constexpr UINT ETO_OPAQUE = 0x0002;

// A memory device context compatible with the given one (the screen's when null).
// It starts with a 1 x 1 stock bitmap selected.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);

// A 32-bit colour bitmap of the given size. Its pixels start black; a size of
// 0 gives a 1 x 1 bitmap and a negative size fails, as on Windows.
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);

// Selects the object (a bitmap, font, brush or pen) into the context and
// returns the one of its kind it replaces. A bitmap can be selected into
// memory contexts only, and into one at a time.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);

// Deletes the object; an object that is still selected into a context is not
// deleted, and FALSE is returned. Stock objects stay.
BOOL DeleteObject(HGDIOBJ ho);

// The stock objects every context starts with: the system font, a white
// brush and a black pen one pixel wide.
HGDIOBJ GetStockObject(int i);
// Copies the object's description (a font's LOGFONTA) into the buffer; the
// bytes copied.
int GetObjectA(HGDIOBJ h, int c, void* pv);
// A font as described; the face is matched to the installed fonts.
HFONT CreateFontIndirectA(const LOGFONTA* lplf);
HBRUSH CreateSolidBrush(COLORREF color);

// Draws one line of text in the rectangle with the context's font and text
// colour, on its background colour when the background mode is OPAQUE: at
// the top, at the left or centred (DT_CENTER). The text is in the font's
// code page (932 for SHIFTJIS_CHARSET, else UTF-8); a count of -1 takes it to
// its terminating zero. Returns the text's height.
int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format);
// The rectangle filled with the brush and outlined with the pen; the right
// and bottom edges are not part of it.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);

COLORREF SetBkColor(HDC hdc, COLORREF color);

// With ETO_OPAQUE and no text, fills the rectangle with the background colour.
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                 const int* lpDx);

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);

// The colour of one pixel of a memory context's bitmap; CLR_INVALID outside it.
COLORREF GetPixel(HDC hdc, int x, int y);

// The number of GDI objects and device contexts the process holds (of its own
// process only; the handle is not looked at), stock objects counted once; or
// with GR_USEROBJECTS its windows and menus.
constexpr DWORD GR_GDIOBJECTS = 0;
constexpr DWORD GR_USEROBJECTS = 1;
DWORD GetGuiResources(void* hProcess, DWORD uiFlags);

#endif  // !_WIN32
