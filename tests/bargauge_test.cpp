// The bar gauge, checked pixel by pixel on a memory device context: where
// its marks and bar land (what they measure is gaugescale_test's).
#include <gtest/gtest.h>

#include <vector>

#include "canvas.h"
#include "clock/bargauge.h"
#include "res/barkind.h"
#include "timezone.h"

namespace {

constexpr COLORREF kBack = RGB(1, 2, 3);
constexpr COLORREF kInk = RGB(200, 10, 60);

// What one Draw left on a canvas: the tick-mark columns, the bar, and how many
// pixels it touched in all.
struct Drawn {
    std::vector<int> marks;  // columns painted in both mark rows
    int barLeft = -1;
    int barWidth = 0;
    int painted = 0;
    int result = 0;
    bool marksMatchInBothRows = false;
    bool barIsSolid = true;
};

Drawn DrawGauge(int kind, const _timeb& sample, int y, int nWidth, int nHeight, int canvasWidth = 0)
{
    Canvas canvas(canvasWidth ? canvasWidth : nWidth + 20, y + nHeight + 20, kBack);
    CBarGauge gauge(kind);
    gauge.SetColor(kInk);
    Drawn drawn;
    drawn.result = gauge.Draw(canvas.DC(), y, nWidth, nHeight, &sample);

    const std::set<int> upper = canvas.ColumnsOf(y - 2, kInk);
    const std::set<int> lower = canvas.ColumnsOf(y - 1, kInk);
    drawn.marksMatchInBothRows = upper == lower;
    drawn.marks.assign(lower.begin(), lower.end());

    const std::set<int> bar = canvas.ColumnsOf(y, kInk);
    if (!bar.empty()) {
        drawn.barLeft = *bar.begin();
        drawn.barWidth = *bar.rbegin() - *bar.begin() + 1;
        drawn.barIsSolid = int(bar.size()) == drawn.barWidth;
    }
    for (int row = y; row < y + nHeight && row < canvas.Height(); ++row)
        drawn.barIsSolid = drawn.barIsSolid && canvas.ColumnsOf(row, kInk) == bar;
    drawn.painted = canvas.Count(kInk);
    return drawn;
}

// Nothing but the two mark rows and the bar may change.
void ExpectOnlyMarksAndBar(const Drawn& d, int nHeight)
{
    EXPECT_TRUE(d.marksMatchInBothRows);
    EXPECT_TRUE(d.barIsSolid);
    EXPECT_EQ(d.painted, 2 * int(d.marks.size()) + d.barWidth * nHeight);
}

class BarGaugeTest : public ::testing::Test {
protected:
    ScopedTimeZone m_utc{"UTC"};
};

TEST_F(BarGaugeTest, HourBarAtHalfPastNoon)
{
    const Drawn d = DrawGauge(BAR_HOUR, LocalSample(2024, 5, 17, 12, 30, 0), 10, 420, 20);
    ASSERT_EQ(d.marks.size(), 25u);  // 24 hours and the end mark
    EXPECT_EQ(std::vector<int>(d.marks.begin(), d.marks.begin() + 5), (std::vector<int>{10, 26, 43, 60, 76}));
    EXPECT_EQ(d.marks[23], 393);
    EXPECT_EQ(d.marks[24], 410);
    EXPECT_EQ(d.barLeft, 10);
    EXPECT_EQ(d.barWidth, 208);
    ExpectOnlyMarksAndBar(d, 20);
}

TEST_F(BarGaugeTest, MarksBarRowsAndResult)
{
    Canvas canvas(440, 60, kBack);
    CBarGauge gauge(BAR_MILLISECOND);
    gauge.SetColor(kInk);
    _timeb sample = LocalSample(2024, 5, 17, 12, 30, 0, 500);
    EXPECT_EQ(gauge.Draw(canvas.DC(), 10, 420, 20, &sample), 40);

    // Column 10 carries a mark and the bar's first column.
    for (int row = 0; row < 60; ++row) {
        const bool inked = (row >= 8 && row <= 29);
        EXPECT_EQ(canvas.At(10, row) == kInk, inked) << "row " << row;
    }
    EXPECT_EQ(canvas.At(11, 8), kBack);  // marks are one pixel wide
    EXPECT_EQ(canvas.At(11, 10), kInk);
}

// The millisecond bar's marks stand every 100 ms: ten and the end mark.
TEST_F(BarGaugeTest, MillisecondMarksAndBar)
{
    const Drawn d = DrawGauge(BAR_MILLISECOND, LocalSample(2024, 5, 17, 12, 30, 0, 500), 10, 420, 12);
    EXPECT_EQ(d.marks, (std::vector<int>{10, 50, 90, 130, 170, 210, 250, 290, 330, 370, 410}));
    EXPECT_EQ(d.barLeft, 10);
    EXPECT_EQ(d.barWidth, 200);
    ExpectOnlyMarksAndBar(d, 12);
}

TEST_F(BarGaugeTest, NarrowAreasPassTheirOffsetsUnclamped)
{
    // nWidth 20: every mark and the end mark fall on column 10, the bar is empty.
    Drawn d = DrawGauge(BAR_MINUTE, LocalSample(2024, 4, 15, 7, 30, 45), 10, 20, 6, 40);
    EXPECT_EQ(d.marks, (std::vector<int>{10}));
    EXPECT_EQ(d.barWidth, 0);
    ExpectOnlyMarksAndBar(d, 6);

    // nWidth 16: the marks step left from column 10 down to the end mark at 6,
    // and the bar's width of -2 goes to the fill unchanged: what the fill makes
    // of it is the platform's (nothing here, the two columns left of 10 on Windows).
    d = DrawGauge(BAR_HOUR, LocalSample(2024, 4, 15, 12, 0, 0), 10, 16, 6, 40);
    EXPECT_EQ(d.marks, (std::vector<int>{6, 7, 8, 9, 10}));
    Canvas direct(40, 40, kBack);
    direct.DC()->FillSolidRect(10, 10, -2, 6, kInk);
    EXPECT_EQ(d.barWidth, int(direct.ColumnsOf(10, kInk).size()));
    ExpectOnlyMarksAndBar(d, 6);
}

TEST_F(BarGaugeTest, DrawsOnlyInsideTheBitmap)
{
    // A bar whose marks stand above the bitmap and whose bar runs past its
    // right and bottom edges is clipped, not wrapped around.
    Canvas canvas(100, 10, kBack);
    CBarGauge gauge(BAR_HOUR);
    gauge.SetColor(kInk);
    const _timeb sample = LocalSample(2024, 4, 15, 23, 0, 0);
    EXPECT_EQ(gauge.Draw(canvas.DC(), 0, 400, 40, &sample), 50);
    EXPECT_EQ(canvas.ColumnsOf(0, kInk).size(), 90u);  // columns 10..99
    EXPECT_EQ(canvas.Count(kInk), 900);
}

TEST(BarGaugeColour, ConstructorColourUntilSet)
{
    CBarGauge gauge(BAR_SECOND);
    EXPECT_EQ(gauge.GetColor(), 0x805080u);
    ScopedTimeZone utc("UTC");
    Canvas canvas(440, 40, kBack);
    const _timeb sample = LocalSample(2024, 4, 15, 7, 30, 30);
    gauge.Draw(canvas.DC(), 10, 420, 10, &sample);
    EXPECT_EQ(canvas.At(10, 10), RGB(128, 80, 128));
    gauge.SetColor(RGB(0, 132, 132));
    gauge.Draw(canvas.DC(), 10, 420, 10, &sample);
    EXPECT_EQ(canvas.At(10, 10), 0x848400u);
}

TEST(BarGaugeLocalTime, FollowsDaylightSavingTime)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes the dates of summer time from the system's zone, not from TZ";
#endif
    // Central European time; 01:30 UTC on 31 March 2024 is 03:30 summer time,
    // while the milliseconds pass through with no conversion.
    ScopedTimeZone cet("CET-1CEST,M3.5.0,M10.5.0/3");
    _timeb sample{};
    sample.time = 1711848600;  // 2024-03-31 01:30:00 UTC
    sample.millitm = 250;
    EXPECT_EQ(DrawGauge(BAR_HOUR, sample, 10, 420, 5).barWidth, 58);          // 3.5 / 24 of 400
    EXPECT_EQ(DrawGauge(BAR_MILLISECOND, sample, 10, 420, 5).barWidth, 100);  // 250 / 1000
    // The same instant in winter time would still be 02:30.
    sample.time -= 7 * 86400;  // 24 March, 01:30 UTC = 02:30 CET
    EXPECT_EQ(DrawGauge(BAR_HOUR, sample, 10, 420, 5).barWidth, 41);
}

}  // namespace
