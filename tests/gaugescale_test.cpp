// What each bar shows at a local time: its period, its tick step and how far
// it is filled, straight from the calendar fields.
#include <gtest/gtest.h>

#include "clock/facereading.h"
#include "clock/gaugescale.h"
#include "res/barkind.h"
#include "timezone.h"

namespace {

struct ScaleRow {
    const char* name;
    int kind;
    CalendarFields fields;
    unsigned short ms;
    int e, d;
    int length;  // of a 400-pixel span, truncated as the gauge draws it
};
void PrintTo(const ScaleRow& r, std::ostream* os) { *os << r.name; }

class GaugeScaleRows : public ::testing::TestWithParam<ScaleRow> {};

TEST_P(GaugeScaleRows, PeriodStepAndLength)
{
    const ScaleRow& r = GetParam();
    const GaugeScale scale = ComputeGaugeScale(r.kind, r.fields, r.ms);
    EXPECT_EQ(scale.e, r.e);
    EXPECT_EQ(scale.d, r.d);
    EXPECT_EQ(static_cast<int>(400 * scale.x), r.length);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, GaugeScaleRows,
    ::testing::Values(
        // (1999 + 2/12 - 1970) / 68 of 400
        ScaleRow{"YearMarch1999", BAR_YEAR, {1999, 3, 10, 8, 0, 0}, 0, 68, 5, 171},
        ScaleRow{"YearStartOf1970", BAR_YEAR, {1970, 1, 1, 0, 0, 0}, 0, 68, 5, 0},
        // From 2038 on the year bar is full: it stops at its end mark, never
        // past it into the margin.
        ScaleRow{"YearJanuary2038", BAR_YEAR, {2038, 1, 19, 3, 14, 8}, 0, 68, 5, 400},
        ScaleRow{"YearJune2038", BAR_YEAR, {2038, 6, 1, 0, 0, 0}, 0, 68, 5, 400},
        ScaleRow{"YearLeapDay2040", BAR_YEAR, {2040, 2, 29, 12, 0, 0}, 0, 68, 5, 400},
        // (12 + 30/31 - 1) / 12: every month counts 31 days, so the last day
        // stops just short of the end mark.
        ScaleRow{"MonthDecember31", BAR_MONTH, {2023, 12, 31, 23, 59, 59}, 999, 12, 1, 398},
        ScaleRow{"MonthMidFebruary", BAR_MONTH, {2023, 2, 16, 0, 0, 0}, 0, 12, 1, 49},
        // (15 + 12/24 - 1) / 30
        ScaleRow{"DayMidApril", BAR_DAY, {2024, 4, 15, 12, 0, 0}, 0, 30, 1, 193},
        // One mark per day of the month; midnight on the first has nothing elapsed.
        ScaleRow{"DaysOfFebruary2000", BAR_DAY, {2000, 2, 1, 0, 0, 0}, 0, 29, 1, 0},
        ScaleRow{"DaysOfFebruary2024", BAR_DAY, {2024, 2, 1, 0, 0, 0}, 0, 29, 1, 0},
        ScaleRow{"DaysOfFebruary1999", BAR_DAY, {1999, 2, 1, 0, 0, 0}, 0, 28, 1, 0},
        ScaleRow{"DaysOfFebruary2100", BAR_DAY, {2100, 2, 1, 0, 0, 0}, 0, 28, 1, 0},
        ScaleRow{"DaysOfApril", BAR_DAY, {2024, 4, 1, 0, 0, 0}, 0, 30, 1, 0},
        ScaleRow{"DaysOfJanuary", BAR_DAY, {2024, 1, 1, 0, 0, 0}, 0, 31, 1, 0},
        ScaleRow{"HourHalfPastNoon", BAR_HOUR, {2024, 5, 17, 12, 30, 0}, 0, 24, 1, 208},
        ScaleRow{"HourLastMinute", BAR_HOUR, {2024, 4, 15, 23, 59, 59}, 0, 24, 1, 399},
        // (30 + 45/60) / 60 is 0.5125 on paper but just below it in floating
        // point, so 205 truncates to 204.
        ScaleRow{"Minute", BAR_MINUTE, {2024, 4, 15, 7, 30, 45}, 0, 60, 1, 204},
        ScaleRow{"Second", BAR_SECOND, {2024, 4, 15, 7, 30, 15}, 500, 60, 1, 103},
        ScaleRow{"Millisecond999", BAR_MILLISECOND, {}, 999, 1000, 100, 399},
        ScaleRow{"Millisecond500", BAR_MILLISECOND, {}, 500, 1000, 100, 200},
        ScaleRow{"Millisecond1", BAR_MILLISECOND, {}, 1, 1000, 100, 0},
        ScaleRow{"Millisecond0", BAR_MILLISECOND, {}, 0, 1000, 100, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// What a screen reader reads of a bar: the unit it stands at and the whole
// percent of its period, never more than the bar shows.
TEST(FaceReading, UnitAndPercent)
{
    const ScopedTimeZone utc("UTC");
    const __time64_t at = 1713166245;  // 2024-04-15 07:30:45 UTC
    const struct {
        int kind;
        unsigned short ms;
        const char* text;
        double percent;
    } rows[] = {
        {BAR_YEAR, 0, "2024年 79%", 100 * (2024 + 3 / 12.0 - 1970) / 68},
        {BAR_HOUR, 0, "7時 31%", 100 * (7 + 30 / 60.0) / 24},  // whole minutes
        {BAR_MINUTE, 0, "30分 51%", 100 * 30.75 / 60},
        {BAR_SECOND, 0, "45秒 75%", 75},
        {BAR_SECOND, 999, "45秒 76%", 100 * 45.999 / 60},
        {BAR_MILLISECOND, 999, "999ミリ秒 99%", 99.9},
        {BAR_MILLISECOND, 0, "0ミリ秒 0%", 0},
    };
    for (const auto& row : rows) {
        const BarReading reading = ReadBar(row.kind, _timeb{at, row.ms, 0, 0});
        EXPECT_EQ(reading.text, row.text);
        EXPECT_NEAR(reading.percent, row.percent, 1e-9) << row.text;
    }
    const DisplaySettings settings{{0, 0, 0, 1, 0, 1, 1}, 50, 0, 0, 0};
    std::string texts;
    for (const BarReading& reading : ReadFace(settings, _timeb{at, 0, 0, 0}))
        texts += reading.text + ";";
    EXPECT_EQ(texts, "7時 31%;45秒 75%;0ミリ秒 0%;");
}

}  // namespace
