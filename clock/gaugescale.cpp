#include "clock/gaugescale.h"

#include <algorithm>

#include "res/barkind.h"

namespace {

// Indexed by month 1..12; February holds its leap-year length.
const int s_nDaysInMonth[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

}  // namespace

int DaysInMonth(int year, int month)
{
    if (month == 2 && !IsLeapYear(year))
        return 28;
    return s_nDaysInMonth[month];
}

GaugeScale ComputeGaugeScale(int nKind, const CalendarFields& f, unsigned short ms)
{
    switch (nKind) {
    case BAR_YEAR:  // the 68 years from 1970 to 2038, growing once a month; full from 2038 on
        return {68, 5, std::min(1.0, (f.year + (f.month - 1) / 12.0 - 1970.0) / 68)};
    case BAR_MONTH:  // every month counts as 31 days here, whatever its length
        return {12, 1, (f.month + (f.day - 1) / 31.0 - 1.0) / 12};
    case BAR_DAY: {
        const int e = DaysInMonth(f.year, f.month);
        return {e, 1, (f.day + f.hour / 24.0 - 1.0) / e};
    }
    case BAR_HOUR:
        return {24, 1, (f.hour + f.minute / 60.0) / 24};
    case BAR_MINUTE:
        return {60, 1, (f.minute + f.second / 60.0) / 60};
    case BAR_SECOND:
        return {60, 1, (f.second + ms / 1000.0) / 60};
    default:  // BAR_MILLISECOND
        return {1000, 100, ms / 1000.0};
    }
}

BarLayout LayoutBar(int nKind, const CalendarFields& f, unsigned short ms, int span)
{
    const GaugeScale scale = ComputeGaugeScale(nKind, f, ms);
    return {scale.e, scale.d, static_cast<int>(span * scale.x)};
}
