#include "settings/settingsprofile.h"

#include "settings/profilekeys.h"

#include <algorithm>
#include <climits>

std::array<int, BAR_KIND_COUNT> ParseBars(std::string_view bars)
{
    std::array<int, BAR_KIND_COUNT> show{};
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
        show[kind] = size_t(kind) < bars.size() && bars[kind] == 'Y';
    return show;
}

std::string FormatBars(const DisplaySettings& settings)
{
    std::string bars;
    for (int flag : settings.show)
        bars += flag ? 'Y' : 'N';
    return bars;
}

CRect LoadWindowRect(CWinApp* pApp)
{
    using namespace profile;
    const int top = int(pApp->GetProfileInt(kSection, kWinTop, kDefaultWinTop));
    const int bottom = int(pApp->GetProfileInt(kSection, kWinBottom, kDefaultWinBottom));
    const int left = int(pApp->GetProfileInt(kSection, kWinLeft, kDefaultWinLeft));
    const int right = int(pApp->GetProfileInt(kSection, kWinRight, kDefaultWinRight));
    return CRect(left, top, right, bottom);
}

namespace {

// Held at the ends of int: a stored edge near the integer limits must not
// wrap round to the other side when scaled.
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
    const long long width = ScaledBy(rc.Width(), numerator, denominator);
    const long long height = ScaledBy(rc.Height(), numerator, denominator);
    return CRect(left, top, Clamped(left + width), Clamped(top + height));
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

DisplaySettings LoadDisplaySettings(CWinApp* pApp)
{
    using namespace profile;
    const DisplaySettings& fallback = kDefaultDisplay;
    DisplaySettings settings = fallback;
    const auto show = ParseBars(pApp->GetProfileString(kSection, kBars, FormatBars(fallback).c_str()));
    std::copy(show.begin(), show.end(), settings.show);
    settings.interval = int(pApp->GetProfileInt(kSection, kUpdate, fallback.interval));
    settings.bar = COLORREF(pApp->GetProfileInt(kSection, kFgColor, int(fallback.bar)));
    settings.back = COLORREF(pApp->GetProfileInt(kSection, kBgColor, int(fallback.back)));
    settings.useSysColor = int(pApp->GetProfileInt(kSection, kUseSysColor, fallback.useSysColor));
    return settings;
}

void SaveDisplaySettings(CWinApp* pApp, const CRect& rcWindow, const DisplaySettings& settings)
{
    using namespace profile;
    const std::string bars = FormatBars(settings);
    // One read and one atomic write for the nine keys, under the folder's
    // lock, so that two clocks closing together never mix their keys.
    const CProfileBatch saveOnce(pApp, TRUE);
    pApp->WriteProfileInt(kSection, kWinTop, rcWindow.top);
    pApp->WriteProfileInt(kSection, kWinBottom, rcWindow.bottom);
    pApp->WriteProfileInt(kSection, kWinLeft, rcWindow.left);
    pApp->WriteProfileInt(kSection, kWinRight, rcWindow.right);
    pApp->WriteProfileString(kSection, kBars, bars.c_str());
    pApp->WriteProfileInt(kSection, kUpdate, settings.interval);
    pApp->WriteProfileInt(kSection, kFgColor, int(settings.bar));
    pApp->WriteProfileInt(kSection, kBgColor, int(settings.back));
    pApp->WriteProfileInt(kSection, kUseSysColor, settings.useSysColor);
}
