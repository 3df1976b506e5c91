#include "clock/facereading.h"

#include <cmath>

#include "clock/bargauge.h"
#include "clock/gaugescale.h"
#include "platform/afx/afxtime.h"
#include "res/barkind.h"

BarReading ReadBar(int nKind, const _timeb& sample)
{
    const CalendarFields fields = LocalCalendarFields(CTime(sample.time));
    const GaugeScale scale = ComputeGaugeScale(nKind, fields, sample.millitm);
    const int units[BAR_KIND_COUNT] = {fields.year, fields.month,  fields.day,   fields.hour,
                                       fields.minute, fields.second, int(sample.millitm)};
    const double percent = scale.x * 100;
    // The text says no more than the bar shows: 99.7 % is not yet 100 %.
    const int whole = int(std::floor(percent));
    return {nKind, percent, std::to_string(units[nKind]) + kBarNames[nKind] + " " + std::to_string(whole) + "%"};
}

std::vector<BarReading> ReadFace(const DisplaySettings& settings, const _timeb& sample)
{
    std::vector<BarReading> readings;
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
        if (settings.show[kind])
            readings.push_back(ReadBar(kind, sample));
    return readings;
}
