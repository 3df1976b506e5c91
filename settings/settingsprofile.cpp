#include "settings/settingsprofile.h"

#include "settings/profilekeys.h"

#include <algorithm>

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
