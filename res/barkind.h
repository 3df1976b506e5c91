// The seven kinds of bar, in the order they are drawn from top to bottom. The
// same order indexes every seven-element collection of the clock: the view's
// gauges, the shown flags, the characters of the BARS value and the settings
// dialog's check boxes.
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

// Each kind's name, as its check box in the settings dialog shows it (UTF-8).
inline constexpr const char* kBarNames[BAR_KIND_COUNT] = {"年", "月", "日", "時", "分", "秒", "ミリ秒"};
