// The GDI handle functions: device contexts, bitmaps and drawing.
//
// Handles are typed: every GDI object handle converts to HGDIOBJ, and the
// backend (platform/qt) gives the handle structures their content.
#pragma once

#include "platform/windef.h"

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

// ExtTextOutA options.
constexpr UINT ETO_OPAQUE = 0x0002;

// A memory device context compatible with the given one (the screen's when null).
// It starts with a 1 x 1 stock bitmap selected.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);

// A 32-bit colour bitmap of the given size. Its pixels start black; a size of
// 0 gives a 1 x 1 bitmap and a negative size fails, as on Windows.
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);

// Selects the object into the context and returns the one it replaces. A
// bitmap can be selected into memory contexts only, and into one at a time.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);

// Deletes the object; an object that is still selected into a context is not
// deleted, and FALSE is returned.
BOOL DeleteObject(HGDIOBJ ho);

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
