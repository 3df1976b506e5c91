// What one bar shows: its period, tick step and filled fraction, computed from
// the calendar fields of one time sample. Pure, so that tests can use it directly.
#pragma once

struct CalendarFields {
    int year;    // full year, such as 1999
    int month;   // 1..12
    int day;     // 1..31
    int hour;    // 0..23
    int minute;  // 0..59
    int second;  // 0..59
};

struct GaugeScale {
    int e;     // period length in whole units
    int d;     // units between two tick marks
    double x;  // elapsed fraction of the period
};

// What one bar draws in a span of the given width: its marks follow e and
// d, and its filled length in pixels from its left end.
struct BarLayout {
    int e;
    int d;
    int length;
    bool operator==(const BarLayout&) const = default;
};

// Days in the given month, with the full Gregorian leap-year rule.
int DaysInMonth(int year, int month);

// The scale of bar kind nKind (a BarKind) at the given local time; ms is the
// sample's millisecond count, 0..999.
GaugeScale ComputeGaugeScale(int nKind, const CalendarFields& f, unsigned short ms);

// The layout of that bar in a span of the given width.
BarLayout LayoutBar(int nKind, const CalendarFields& f, unsigned short ms, int span);
