// CPoint, CSize and CRect: the framework's value types over POINT, SIZE and RECT.
#pragma once

#include "platform/win/windef.h"

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int initX, int initY) : POINT{initX, initY} {}

    bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
};

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}

    bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}

    // Edges far apart wrap around, as 32-bit arithmetic on Windows does.
    int Width() const { return int(unsigned(right) - unsigned(left)); }
    int Height() const { return int(unsigned(bottom) - unsigned(top)); }
    CSize Size() const { return CSize(Width(), Height()); }
    // No pixel inside: an edge on or past the opposite one.
    BOOL IsRectEmpty() const { return right <= left || bottom <= top; }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const CRect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};
