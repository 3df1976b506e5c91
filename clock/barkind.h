// The seven kinds of bar, in the order they are drawn from top to bottom. The
// same order indexes every seven-element collection of the clock.
#pragma once

enum BarKind {
    BAR_YEAR = 0,
    BAR_MONTH = 1,
    BAR_DAY = 2,
    BAR_HOUR = 3,
    BAR_MINUTE = 4,
    BAR_SECOND = 5,
    BAR_MILLISECOND = 6,
};

constexpr int BAR_KIND_COUNT = 7;
