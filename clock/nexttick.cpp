#include "clock/nexttick.h"

#include <algorithm>

#include "res/barkind.h"

namespace {

constexpr int kMsPerSecond = 1000;

BarLayout LayoutAt(int nKind, const CalendarFields& fields, int ms, int span)
{
    return LayoutBar(nKind, fields, static_cast<unsigned short>(ms), span);
}

// The first millisecond after `from` and up to `to` of the second that
// `fields` describe at which the bar's picture differs from `was`; -1 when
// there is none. Within a second only the millisecond and second bars move,
// and only forward, so the first difference is found by halving.
int FirstChangeWithin(int nKind, const CalendarFields& fields, int from, int to, const BarLayout& was, int span)
{
    if (nKind != BAR_SECOND && nKind != BAR_MILLISECOND)
        return -1;
    if (to <= from || LayoutAt(nKind, fields, to, span) == was)
        return -1;
    while (to - from > 1) {
        const int mid = from + (to - from) / 2;
        if (LayoutAt(nKind, fields, mid, span) == was)
            from = mid;
        else
            to = mid;
    }
    return to;
}

}  // namespace

int MsUntilBarChanges(int nKind, const CalendarFields& now, const CalendarFields& next, unsigned short ms, int span)
{
    const BarLayout was = LayoutAt(nKind, now, ms, span);
    if (const int at = FirstChangeWithin(nKind, now, ms, kMsPerSecond - 1, was, span); at >= 0)
        return at - ms;
    // The next second: all the calendar fields may roll over (and go back,
    // as the hour does when summer time ends).
    const int toNextSecond = kMsPerSecond - ms;
    if (!(LayoutAt(nKind, next, 0, span) == was))
        return toNextSecond;
    if (const int at = FirstChangeWithin(nKind, next, 0, ms, was, span); at >= 0)
        return toNextSecond + at;
    return kTickHorizonMs;
}

UINT NextTickPeriod(UINT nInterval, int msUntilChange)
{
    const UINT untilChange = UINT(std::clamp(msUntilChange, 0, kTickHorizonMs));
    return untilChange > nInterval ? untilChange : nInterval;
}
