// What a screen reader reads of the face: each shown bar, from the year
// down, with the elapsed part of its period and a short text.
#pragma once

#include <string>
#include <vector>

#include "platform/win/timeb.h"
#include "settings/displaysettings.h"

struct BarReading {
    int kind;           // a BarKind
    double percent;     // the elapsed part of the bar's period, 0 to 100, as the bar is drawn
    std::string text;   // the current unit and the whole percent: "14時 52%", "2026年 93%"
};

// The bar of the kind at the sample's local time.
BarReading ReadBar(int nKind, const _timeb& sample);

// Every bar the settings show, in display order.
std::vector<BarReading> ReadFace(const DisplaySettings& settings, const _timeb& sample);
