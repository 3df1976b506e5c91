// A memory device context with its own bitmap, for pixel checks.
#pragma once

#include <ostream>
#include <set>

#include "platform/afx/afxwin.h"

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ")-(" << rc.right << ", " << rc.bottom << ")";
}

class Canvas {
public:
    Canvas(int width, int height, COLORREF background) : m_width(width), m_height(height)
    {
        // A bitmap with the screen's colours, as a window's back buffer has;
        // one made for a fresh memory context would have a single plane.
        CClientDC screen(nullptr);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, width, height);
        m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, background);
    }
    ~Canvas() { m_dc.DeleteDC(); }  // deselects the bitmap before it is deleted

    CDC* DC() { return &m_dc; }
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Columns of row y whose pixel has the given colour.
    std::set<int> ColumnsOf(int y, COLORREF color) const
    {
        std::set<int> columns;
        for (int x = 0; x < m_width; ++x)
            if (At(x, y) == color)
                columns.insert(x);
        return columns;
    }

    // Number of pixels of the whole bitmap with the given colour.
    int Count(COLORREF color) const
    {
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                n += At(x, y) == color;
        return n;
    }

private:
    int m_width;
    int m_height;
    CDC m_dc;
    CBitmap m_bitmap;
};
