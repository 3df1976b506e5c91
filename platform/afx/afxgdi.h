// The framework's drawing classes: CGdiObject, CBitmap and CDC over the GDI handles.
#pragma once

#include "platform/afx/atltypes.h"
#include "platform/win/wingdi.h"

class CDC;

// Owns one GDI object handle and deletes it when destroyed.
class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() { DeleteObject(); }

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    HGDIOBJ m_hObject = nullptr;
};

class CBitmap : public CGdiObject {
public:
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

// A device context. A CDC that created its context deletes it when destroyed.
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC hDC);
    HDC Detach();

    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    // Selects the bitmap and returns the bitmap object it replaces, or null
    // when that was no CBitmap of the program (the context's initial bitmap).
    CBitmap* SelectObject(CBitmap* pBitmap);

    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

    // One-colour fill. Like the framework's, it leaves the colour as the
    // context's background colour.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);

    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);

    HDC m_hDC = nullptr;

private:
    CBitmap* m_pSelectedBitmap = nullptr;
};
