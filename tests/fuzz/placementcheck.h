// The rules every placement of the main window keeps, whatever the stored
// numbers and the screens: used by the placement and settings fuzz targets.
#pragma once

#include <algorithm>

#include "frame/placement.h"
#include "fuzzinput.h"

inline const CRect kFuzzDefault(0, 0, 400, 100);
inline const CSize kFuzzLeast(136, 39);

// One to three screens from the input: any place, 1 to 32767 pixels each
// way, a DPI from 96 to 288.
inline Screens ScreensFrom(FuzzInput& in)
{
    static const UINT kDpis[] = {96, 120, 144, 168, 192, 240, 288};
    Screens screens(size_t(1 + in.Byte() % 3));
    for (Screen& screen : screens) {
        const int x = in.Coordinate(), y = in.Coordinate();
        const int cx = 1 + (in.Byte() << 7 | in.Byte()) % 32767, cy = 1 + (in.Byte() << 7 | in.Byte()) % 32767;
        screen.rect = CRect(x, y, int(std::min<long long>(INT32_MAX, (long long)x + cx)),
                            int(std::min<long long>(INT32_MAX, (long long)y + cy)));
        screen.dpi = kDpis[in.Byte() % 7];
        if (screen.rect.right <= screen.rect.left || screen.rect.bottom <= screen.rect.top)
            screen.rect = CRect(0, 0, cx, cy);
    }
    return screens;
}

// A length at 96 dpi at another DPI, rounded as the placement rounds.
inline long long MulDivFor(int value96, UINT dpi)
{
    return ((long long)value96 * dpi + 48) / 96;
}

inline long long Overlap(long long a0, long long a1, long long b0, long long b1)
{
    return std::max(0LL, std::min(a1, b1) - std::max(a0, b0));
}

// The window opened for the stored rectangle keeps the rules.
inline void CheckPlacement(const CRect& stored, const Screens& screens)
{
    const CRect rc = PlacedWindowRect(stored, kFuzzDefault, kFuzzLeast, screens);
    Check(rc.right > rc.left && rc.bottom > rc.top, "the window has no size");

    // A person can grab it on some screen: a fingertip of it shows there, or
    // all of that screen or of the window where they are smaller.
    bool grabbable = false;
    for (const Screen& s : screens) {
        const long long ox = Overlap(rc.left, rc.right, s.rect.left, s.rect.right);
        const long long oy = Overlap(rc.top, rc.bottom, s.rect.top, s.rect.bottom);
        const long long wantX = std::min<long long>({MulDivFor(kGrabWidth96, s.dpi), (long long)rc.right - rc.left,
                                                     (long long)s.rect.right - s.rect.left});
        const long long wantY = std::min<long long>({MulDivFor(kGrabHeight96, s.dpi), (long long)rc.bottom - rc.top,
                                                     (long long)s.rect.bottom - s.rect.top});
        grabbable = grabbable || (ox > 0 && oy > 0 && ox >= wantX && oy >= wantY);
    }
    Check(grabbable, "no screen shows a part of the window a person could grab");

    // One that a screen wholly shows, at its size there, stays as it is.
    const int home = MostShowing(stored, screens);
    if (stored.right > stored.left && stored.bottom > stored.top && home >= 0) {
        const UINT dpi = screens[size_t(home)].dpi;
        const CRect scaled = WindowRectForDpi(stored, dpi);
        const long long leastX = MulDivFor(kFuzzLeast.cx, dpi), leastY = MulDivFor(kFuzzLeast.cy, dpi);
        const bool bigEnough = (long long)scaled.right - scaled.left >= leastX &&
                               (long long)scaled.bottom - scaled.top >= leastY;
        for (const Screen& s : screens)
            if (bigEnough && scaled.left >= s.rect.left && scaled.top >= s.rect.top && scaled.right <= s.rect.right &&
                scaled.bottom <= s.rect.bottom)
                Check(rc == scaled, "a rectangle that a screen wholly shows was moved");
    }

    // One larger than the desktop lies within it, where every screen is
    // larger than the least size (as real screens are).
    CRect desktop = screens.front().rect;
    bool roomy = true;
    for (const Screen& s : screens) {
        desktop = CRect(std::min(desktop.left, s.rect.left), std::min(desktop.top, s.rect.top),
                        std::max(desktop.right, s.rect.right), std::max(desktop.bottom, s.rect.bottom));
        roomy = roomy && (long long)s.rect.right - s.rect.left >= 3 * kFuzzLeast.cx &&
                (long long)s.rect.bottom - s.rect.top >= 3 * kFuzzLeast.cy;
    }
    if (roomy && (long long)stored.right - stored.left > (long long)desktop.right - desktop.left &&
        stored.bottom > stored.top)
        Check(rc.left >= desktop.left && rc.right <= desktop.right, "wider than the desktop, yet not on it");

    // Where the screens change, the window comes wholly onto one.
    const CRect kept = KeptOnScreens(rc, screens);
    bool whole = false;
    for (const Screen& s : screens)
        whole = whole || (kept.left >= s.rect.left && kept.top >= s.rect.top && kept.right <= s.rect.right &&
                          kept.bottom <= s.rect.bottom);
    Check(whole, "after a change of screens the window is not wholly on one");
}
