#include "frame/placement.h"

#include <algorithm>
#include <climits>

namespace {

// Edges and spans are worked in 64 bits: any two ints are at most 2^32 apart.
long long Span(int from, int to)
{
    return (long long)to - from;
}

int Clamped(long long value)
{
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Rounded as MulDiv rounds, halves away from zero.
long long ScaledBy(long long value, int numerator, int denominator)
{
    const long long num = value * numerator;
    return num >= 0 ? (num + denominator / 2) / denominator : -((-num + denominator / 2) / denominator);
}

CRect Scaled(const CRect& rc, int numerator, int denominator)
{
    if (numerator == denominator)
        return rc;
    const int left = Clamped(ScaledBy(rc.left, numerator, denominator));
    const int top = Clamped(ScaledBy(rc.top, numerator, denominator));
    const long long width = ScaledBy(Span(rc.left, rc.right), numerator, denominator);
    const long long height = ScaledBy(Span(rc.top, rc.bottom), numerator, denominator);
    return CRect(left, top, Clamped(left + width), Clamped(top + height));
}

int ForDpi(int value96, UINT dpi)
{
    return Clamped(ScaledBy(value96, int(dpi), USER_DEFAULT_SCREEN_DPI));
}

bool HasSize(const CRect& rc)
{
    return rc.right > rc.left && rc.bottom > rc.top;
}

// The overlap of two rectangles, each way; 0 where they do not meet.
long long OverlapX(const CRect& a, const CRect& b)
{
    return std::max(0LL, Span(std::max(a.left, b.left), std::min(a.right, b.right)));
}
long long OverlapY(const CRect& a, const CRect& b)
{
    return std::max(0LL, Span(std::max(a.top, b.top), std::min(a.bottom, b.bottom)));
}

bool Holds(const CRect& outer, const CRect& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool WhollyShown(const CRect& rc, const Screens& screens)
{
    return std::any_of(screens.begin(), screens.end(), [&](const Screen& s) { return Holds(s.rect, rc); });
}

// In double: a gap between two ints squared can pass 2^63.
double DistanceSquared(const CRect& a, const CRect& b)
{
    const double dx = double(std::max({0LL, Span(a.right, b.left), Span(b.right, a.left)}));
    const double dy = double(std::max({0LL, Span(a.bottom, b.top), Span(b.bottom, a.top)}));
    return dx * dx + dy * dy;
}

int Nearest(const CRect& rc, const Screens& screens)
{
    int nearest = 0;
    for (int i = 1; i < int(screens.size()); ++i)
        if (DistanceSquared(rc, screens[size_t(i)].rect) < DistanceSquared(rc, screens[size_t(nearest)].rect))
            nearest = i;
    return nearest;
}

// One way of a rectangle: its start and its length, at most the room's
// length (but never below the least), moved in to lie on the room.
void Fit(long long& start, long long& length, long long roomStart, long long roomLength, long long least)
{
    length = std::max(std::min(length, roomLength), std::min(least, length));
    start = std::max(roomStart, std::min(start, roomStart + roomLength - length));
}

// The rectangle wholly on the room where it fits there, else as large as the
// room (not below the least) at its top-left corner.
CRect MovedOnto(const CRect& rc, const CRect& room, CSize least = CSize())
{
    long long left = rc.left, width = Span(rc.left, rc.right);
    long long top = rc.top, height = Span(rc.top, rc.bottom);
    Fit(left, width, room.left, Span(room.left, room.right), least.cx);
    Fit(top, height, room.top, Span(room.top, room.bottom), least.cy);
    return CRect(Clamped(left), Clamped(top), Clamped(left + width), Clamped(top + height));
}

CRect Grown(const CRect& rc, CSize least)
{
    return CRect(rc.left, rc.top, Clamped(std::max<long long>(rc.right, (long long)rc.left + least.cx)),
                 Clamped(std::max<long long>(rc.bottom, (long long)rc.top + least.cy)));
}

CRect Bounds(const Screens& screens)
{
    CRect bounds = screens.front().rect;
    for (const Screen& s : screens)
        bounds = CRect(std::min(bounds.left, s.rect.left), std::min(bounds.top, s.rect.top),
                       std::max(bounds.right, s.rect.right), std::max(bounds.bottom, s.rect.bottom));
    return bounds;
}

bool Grabbable(const CRect& rc, const Screen& screen)
{
    const CRect& s = screen.rect;
    const long long wantedX = std::min<long long>({ForDpi(kGrabWidth96, screen.dpi), Span(rc.left, rc.right),
                                                   Span(s.left, s.right)});
    const long long wantedY = std::min<long long>({ForDpi(kGrabHeight96, screen.dpi), Span(rc.top, rc.bottom),
                                                   Span(s.top, s.bottom)});
    return OverlapX(rc, s) >= wantedX && OverlapY(rc, s) >= wantedY;
}

CSize LeastAt(CSize least96, UINT dpi)
{
    return CSize(ForDpi(least96.cx, dpi), ForDpi(least96.cy, dpi));
}

}  // namespace

CRect WindowRectForDpi(const CRect& stored, UINT dpi)
{
    return Scaled(stored, int(dpi), USER_DEFAULT_SCREEN_DPI);
}

CRect StoredWindowRect(const CRect& window, UINT dpi)
{
    return Scaled(window, USER_DEFAULT_SCREEN_DPI, int(dpi));
}

int MostShowing(const CRect& rc, const Screens& screens)
{
    int most = -1;
    long long mostArea = 0;
    for (int i = 0; i < int(screens.size()); ++i) {
        const CRect& s = screens[size_t(i)].rect;
        // Each overlap is below 2^32, so their product fits.
        const long long area = OverlapX(rc, s) * OverlapY(rc, s);
        if (area > mostArea) {
            most = i;
            mostArea = area;
        }
    }
    return most;
}

CRect PlacedWindowRect(const CRect& stored, const CRect& byDefault, CSize least96, const Screens& screens)
{
    if (screens.empty()) {
        const bool drawable = HasSize(stored) && Span(stored.left, stored.right) <= kStandInDesktopExtent &&
                              Span(stored.top, stored.bottom) <= kStandInDesktopExtent;
        return Grown(drawable ? stored : byDefault, least96);
    }
    const int home = HasSize(stored) ? MostShowing(stored, screens) : -1;
    const Screen& primary = screens.front();
    const auto atDefault = [&] {
        const CRect rc = Grown(WindowRectForDpi(byDefault, primary.dpi), LeastAt(least96, primary.dpi));
        const long long dx = primary.rect.left, dy = primary.rect.top;
        const CRect moved(Clamped(rc.left + dx), Clamped(rc.top + dy), Clamped(rc.right + dx), Clamped(rc.bottom + dy));
        return MovedOnto(moved, primary.rect, LeastAt(least96, primary.dpi));
    };
    if (home < 0)
        return atDefault();

    const UINT dpi = screens[size_t(home)].dpi;
    const CSize least = LeastAt(least96, dpi);
    CRect rc = Grown(WindowRectForDpi(stored, dpi), least);
    if (WhollyShown(rc, screens))
        return rc;
    const CRect desktop = Bounds(screens);
    if (Span(rc.left, rc.right) > Span(desktop.left, desktop.right) ||
        Span(rc.top, rc.bottom) > Span(desktop.top, desktop.bottom))
        rc = MovedOnto(rc, desktop, least);
    const int best = MostShowing(rc, screens);
    if (best < 0)
        return atDefault();
    if (Grabbable(rc, screens[size_t(best)]))
        return rc;
    return MovedOnto(rc, screens[size_t(best)].rect, least);
}

CRect KeptOnScreens(const CRect& window, const Screens& screens)
{
    if (screens.empty() || WhollyShown(window, screens))
        return window;
    const int most = MostShowing(window, screens);
    return MovedOnto(window, screens[size_t(most >= 0 ? most : Nearest(window, screens))].rect);
}
