// When the clock's next tick is due: at its interval while a shown bar
// changes within it, otherwise when the first shown bar will change, but at
// least once a second, so that a change of the system's time, of the time
// zone or of summer time, or a resume from suspend, shows within a second.
// Pure, so that tests can use it directly.
#pragma once

#include "clock/gaugescale.h"
#include "platform/win/windef.h"

// How far ahead the clock looks for a change, and so the longest it waits.
constexpr int kTickHorizonMs = 1000;

// How many milliseconds after the sample the picture of one bar first
// differs from its picture at the sample: the length of the bar, or its
// marks, in a span of the given width. `now` are the local calendar fields of
// the sample, `next` those one second later, ms the sample's milliseconds.
// kTickHorizonMs when it stays the same for that long.
int MsUntilBarChanges(int nKind, const CalendarFields& now, const CalendarFields& next, unsigned short ms, int span);

// The clock timer's period after a tick, given the interval and the time
// until the first shown bar changes: the interval, or that time when it is
// longer than the interval.
UINT NextTickPeriod(UINT nInterval, int msUntilChange);
