#include "frame/desktop.h"

#include <algorithm>

CRect DesktopRect()
{
    const int cx = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int cy = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (cx <= 0 || cy <= 0)
        return CRect();
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return CRect(x, y, x + cx, y + cy);
}

CRect ShrunkOnto(const CRect& rc, const CRect& desktop)
{
    const int width = std::min(rc.Width(), desktop.Width());
    const int height = std::min(rc.Height(), desktop.Height());
    const int left = width < rc.Width() ? std::min(rc.left, desktop.right - width) : rc.left;
    const int top = height < rc.Height() ? std::min(rc.top, desktop.bottom - height) : rc.top;
    return CRect(left, top, left + width, top + height);
}

CPoint DraggedTo(const CRect& window, CSize offset, const CRect& desktop)
{
    return CPoint(std::max<int>(window.left + offset.cx, desktop.left),
                  std::max<int>(window.top + offset.cy, desktop.top));
}
