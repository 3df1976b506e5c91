// When the next tick is due: how long each kind of bar keeps its picture,
// and the timer's period that follows from it.
#include <gtest/gtest.h>

#include "clock/nexttick.h"
#include "res/barkind.h"

namespace {

struct ChangeRow {
    const char* name;
    int kind;
    CalendarFields now;
    CalendarFields next;  // one second later
    unsigned short ms;
    int span;
    int expected;  // milliseconds until the bar looks different
};
void PrintTo(const ChangeRow& r, std::ostream* os) { *os << r.name; }

class BarChange : public ::testing::TestWithParam<ChangeRow> {};

TEST_P(BarChange, ComesAfter)
{
    const ChangeRow& r = GetParam();
    EXPECT_EQ(MsUntilBarChanges(r.kind, r.now, r.next, r.ms, r.span), r.expected);
}

constexpr CalendarFields kAt(int h, int mi, int s) { return {2024, 5, 17, h, mi, s}; }

INSTANTIATE_TEST_SUITE_P(
    Rows, BarChange,
    ::testing::Values(
        // 400 pixels for 1000 ms: a step every 2.5 ms (200 at 500, 201 at 503).
        ChangeRow{"MillisecondsStepOften", BAR_MILLISECOND, {}, {}, 500, 400, 3},
        // 400 pixels for a minute: a step every 150 ms of the second bar.
        ChangeRow{"SecondJustBeforeAStep", BAR_SECOND, kAt(7, 30, 15), kAt(7, 30, 16), 149, 400, 1},
        ChangeRow{"SecondJustAfterAStep", BAR_SECOND, kAt(7, 30, 15), kAt(7, 30, 16), 151, 400, 149},
        ChangeRow{"SecondIntoTheNextSecond", BAR_SECOND, kAt(7, 30, 15), kAt(7, 30, 16), 901, 400, 149},
        // The minute bar moves with whole seconds: 204 at 30:45, 205 at 30:46.
        ChangeRow{"MinuteStepsAtTheNextSecond", BAR_MINUTE, kAt(7, 30, 45), kAt(7, 30, 46), 300, 400, 700},
        ChangeRow{"MinuteStaysPastTheHorizon", BAR_MINUTE, kAt(7, 30, 46), kAt(7, 30, 47), 300, 400, 1000},
        // The hour bar's 400 pixels step every 3.6 minutes: 208 until 12:33.
        ChangeRow{"HourStepsAtTheMinute", BAR_HOUR, kAt(12, 32, 59), kAt(12, 33, 0), 900, 400, 100},
        ChangeRow{"HourStaysWithinTheMinute", BAR_HOUR, kAt(12, 30, 10), kAt(12, 30, 11), 0, 400, 1000},
        // Summer time ends: 02:59:59 is followed by 02:00:00, and the hour bar goes back.
        ChangeRow{"HourGoesBackWhenSummerTimeEnds", BAR_HOUR, {2024, 10, 27, 2, 59, 59}, {2024, 10, 27, 2, 0, 0}, 600,
                  400, 400},
        // A new month moves the day bar's marks (31 days, then 29) and empties it.
        ChangeRow{"DayAtTheEndOfJanuary", BAR_DAY, {2024, 1, 31, 23, 59, 59}, {2024, 2, 1, 0, 0, 0}, 250, 400, 750},
        ChangeRow{"YearBarWaits", BAR_YEAR, kAt(12, 30, 10), kAt(12, 30, 11), 0, 400, 1000},
        // An area too narrow for a bar never changes.
        ChangeRow{"NoSpan", BAR_MILLISECOND, {}, {}, 500, 0, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NextTickPeriod, TheIntervalOrTheWaitForAChangeWithinASecond)
{
    const struct {
        UINT interval;
        int untilChange;
        UINT period;
    } rows[] = {
        {50, 3, 50},             // a bar changes within the interval: it stays
        {50, 50, 50},
        {50, 149, 149},          // the next change, more than an interval away
        {50, 1000, 1000},        // nothing changes within a second: once a second
        {50, 5000, 1000},        // never later than a second
        {2000, 1000, 2000},      // never earlier than the interval
        {0xFFFFFFFF, 1000, 0xFFFFFFFF},
        {0, 2, 2},               // the timer's own minimum applies afterwards
    };
    for (const auto& r : rows)
        EXPECT_EQ(NextTickPeriod(r.interval, r.untilChange), r.period) << r.interval << ", " << r.untilChange;
}

}  // namespace
