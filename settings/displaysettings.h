// What the clock shows and how: the bars, the refresh interval and the
// colours, as the INI file stores them, and their defaults.
#pragma once

#include "platform/win/windef.h"
#include "res/barkind.h"

// The settings dialog's interval field accepts 0 to 10000 milliseconds.
inline constexpr UINT kMinInterval = 0;
inline constexpr UINT kMaxInterval = 10000;

// The period the clock runs at for a stored interval: that interval, or the
// dialog's largest for one it would refuse (above it, or negative), which
// could otherwise leave the face blank for days.
constexpr UINT IntervalInEffect(int interval)
{
    return interval < 0 || UINT(interval) > kMaxInterval ? kMaxInterval : UINT(interval);
}

// The colour drawn for a stored one: its red, green and blue (0x00BBGGRR).
// A hand-edited value with a high byte (FGCOLOR=-1) would otherwise be a
// palette index or no colour at all to the system's drawing.
constexpr COLORREF ColorInEffect(COLORREF stored)
{
    return stored & 0x00FFFFFF;
}

struct DisplaySettings {
    int show[BAR_KIND_COUNT];  // 1: the bar of that kind is shown
    int interval;              // the clock's period in milliseconds
    int useSysColor;           // non-zero: the background was taken from the system's window colour
    COLORREF bar;
    COLORREF back;

    // How many bars are shown: the flags equal to 1.
    constexpr int Shown() const
    {
        int n = 0;
        for (int flag : show)
            n += flag == 1;
        return n;
    }
};

// What a missing INI key gives, and what the clock shows before its INI file
// is read: the minute, second and millisecond bars every 50 ms, dark cyan on
// light blue.
inline constexpr DisplaySettings kDefaultDisplay{{0, 0, 0, 0, 1, 1, 1}, 50, 0, 8684544, 16768685};
