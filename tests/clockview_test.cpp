// The clock view on the offscreen platform: its timers, its back buffer,
// what a tick draws, the shake and the ellipse, and what its end saves.
#include <gtest/gtest.h>

#include "clockharness.h"
#include "timezone.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
// A long interval keeps the clock from ticking on its own during a test.
const std::string kSlowClock = "[SETTING]\r\nUPDATE=100000\r\n";

COLORREF BufferPixel(const TestView* view, int x, int y)
{
    return view->GetBackBuffer().GetMemDC()->GetPixel(x, y);
}

TEST(ClockView, ResizeBeforeTheFirstPaintBuildsNothing)
{
    ClockHarness clock("[SETTING]\r\nUPDATE=10\r\n");
    ASSERT_TRUE(clock.StartHidden());
    clock.Frame()->SetWindowPos(nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER);
    PumpEvents(20);
    EXPECT_EQ(clock.View()->GetBackBuffer().GetMemDC(), nullptr);
    EXPECT_EQ(clock.View()->GetBackBuffer().GetRect(), CRect(0, 0, 292, 142));  // the size is recorded
    EXPECT_EQ(clock.TimerPeriod(IDT_CLOCK), std::nullopt);
}

// Each clock starts at its own first paint, however many ran before it.
TEST(ClockView, FirstPaintBuildsAWhiteBufferAndStartsTheClock)
{
    for (int run = 0; run < 2; ++run) {
        ClockHarness clock("[SETTING]\r\nUPDATE=100000\r\nWINRIGHT=300\r\n");
        ASSERT_TRUE(clock.StartHidden());
        EXPECT_EQ(clock.TimerPeriod(IDT_CLOCK), std::nullopt);
        ASSERT_TRUE(clock.ShowAndPaint());
        TestView* view = clock.View();
        EXPECT_EQ(view->GetBackBuffer().GetRect(), CRect(0, 0, 292, 92));
        EXPECT_EQ(BufferPixel(view, 0, 0), kWhite);
        EXPECT_EQ(clock.TimerPeriod(IDT_CLOCK), 10000u);  // the stored 100000 is more than the dialog allows
        view->SendMessage(WM_TIMER, IDT_CLOCK);
        EXPECT_EQ(BufferPixel(view, 0, 0), RGB(173, 222, 255));  // the tick drew the background
    }
}

// Timer periods: below 10 ms the clock runs at 10 ms, and an interval the
// dialog would refuse (above 10000, or negative) at 10000 ms; it never spins
// and never leaves the face blank for long. After a tick a face that changes within the interval keeps it; a
// slow face waits for its next change, but never more than a second.
struct IntervalRow {
    const char* name;
    const char* ini;
    UINT period;                   // from the first paint
    UINT afterTickMin, afterTickMax;  // after a tick
};
void PrintTo(const IntervalRow& r, std::ostream* os) { *os << r.name; }

class ClockInterval : public ::testing::TestWithParam<IntervalRow> {};

TEST_P(ClockInterval, RunsWithinTheTimerLimits)
{
    ClockHarness clock(std::string("[SETTING]\r\n") + GetParam().ini);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    EXPECT_EQ(clock.TimerPeriod(IDT_CLOCK), GetParam().period);
    clock.View()->SendMessage(WM_TIMER, IDT_CLOCK);
    const UINT afterTick = clock.TimerPeriod(IDT_CLOCK).value_or(0);
    EXPECT_GE(afterTick, GetParam().afterTickMin);
    EXPECT_LE(afterTick, GetParam().afterTickMax);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClockInterval,
    ::testing::Values(IntervalRow{"Zero", "UPDATE=0\r\n", 10, 10, 10}, IntervalRow{"One", "UPDATE=1\r\n", 10, 10, 10},
                      IntervalRow{"Fifty", "UPDATE=50\r\n", 50, 50, 50},
                      IntervalRow{"TenSeconds", "UPDATE=10000\r\n", 10000, 10000, 10000},
                      // What the dialog would refuse runs at its largest.
                      IntervalRow{"JustAboveTheDialogsRange", "UPDATE=10001\r\n", 10000, 10000, 10000},
                      IntervalRow{"LargestUnsigned", "UPDATE=4294967295\r\n", 10000, 10000, 10000},
                      IntervalRow{"MinusOne", "UPDATE=-1\r\n", 10000, 10000, 10000},
                      IntervalRow{"YearOnly", "UPDATE=50\r\nBARS=YNNNNNN\r\n", 50, 51, 1000},
                      IntervalRow{"HourAndMinute", "UPDATE=50\r\nBARS=NNNYYNN\r\n", 50, 51, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

// A resize leaves a white buffer: a slow face's clock comes back to its
// interval, so the face is there again as soon as it would have been.
TEST(ClockView, ResizeBringsASlowFacesTickWithinTheInterval)
{
    ClockHarness clock("[SETTING]\r\nUPDATE=50\r\nBARS=YNNNNNN\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    clock.View()->SendMessage(WM_TIMER, IDT_CLOCK);
    EXPECT_GT(clock.TimerPeriod(IDT_CLOCK), 50u);
    clock.Frame()->SetWindowPos(nullptr, 0, 0, 500, 180, SWP_NOMOVE | SWP_NOZORDER);
    PumpEvents(20);
    EXPECT_EQ(clock.TimerPeriod(IDT_CLOCK), 50u);
}

// While the display shows the window nowhere its timers rest (no wake-up at
// all); shown again, the clock ticks at once and then at its interval.
TEST(ClockView, TimersRestWhileTheWindowIsNotShown)
{
    ClockHarness clock("[SETTING]\r\nUPDATE=20\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    EXPECT_FALSE(clock.TimersHeld());
    EXPECT_TRUE(clock.TimerRunning(IDT_CLOCK));
    auto& ticks = clock.View()->m_timerMessages[IDT_CLOCK];
    clock.Frame()->ShowWindow(SW_HIDE);
    PumpEvents(50);
    EXPECT_TRUE(clock.TimersHeld());
    EXPECT_FALSE(clock.TimerRunning(IDT_CLOCK));
    EXPECT_EQ(clock.TimerPeriod(IDT_CLOCK), 20u);  // kept for when it shows again
    const int hidden = ticks;
    clock.Frame()->ShowWindow(SW_SHOW);
    PumpEvents(10);
    EXPECT_FALSE(clock.TimersHeld());
    EXPECT_TRUE(clock.TimerRunning(IDT_CLOCK));
    EXPECT_GE(ticks, hidden + 1);  // at once, not a whole interval later
    EXPECT_EQ(clock.TimerPeriod(IDT_CLOCK), 20u);
}

// Ticks at stepped times put on the screen exactly the pixels in which the
// face differs from the last one, or all of it where the marks moved (and at
// first), and leave there the picture a whole new face gives.
struct TickStep {
    _timeb at;
    bool whole = false;  // a bar's marks differ: the face is drawn whole
};
struct TickRow {
    const char* name;
    const char* bars;
    std::vector<TickStep> steps;
};
void PrintTo(const TickRow& r, std::ostream* os) { *os << r.name; }

class TickPaint : public ::testing::TestWithParam<TickRow> {
protected:
    ScopedTimeZone m_utc{"UTC"};
};

// The pixels in which two canvases differ, as runs along each row.
QRegion Differences(const Canvas& a, const Canvas& b)
{
    QRegion region;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width();) {
            int end = x;
            while (end < a.Width() && a.At(end, y) != b.At(end, y))
                ++end;
            if (end > x)
                region += QRect(x, y, end - x, 1);
            x = end + 1;
        }
    return region;
}

TEST_P(TickPaint, SendsExactlyWhatChanged)
{
    const TickRow& r = GetParam();
    ClockHarness clock(std::string(kSlowClock) + "BARS=" + r.bars + "\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    TestView* view = clock.View();
    const CRect client = view->ClientRect();
    const CGaugeSet gauges;
    std::unique_ptr<Canvas> last;
    for (size_t i = 0; i < r.steps.size(); ++i) {
        const int paints = PaintsShown(view->m_hWnd);
        view->ShowFaceAt(view->GetBackBuffer().GetMemDC(), r.steps[i].at);

        auto fresh = std::make_unique<Canvas>(client.Width(), client.Height(), kWhite);
        CClockFace(gauges.m_pGauge).Compose(fresh->DC(), client, view->GetSettings().GetDisplaySettings(), r.steps[i].at);
        const QRegion changed = last && !r.steps[i].whole ? Differences(*last, *fresh)
                                                          : QRegion(0, 0, client.Width(), client.Height());
        EXPECT_EQ(PaintsShown(view->m_hWnd), paints + (changed.isEmpty() ? 0 : 1)) << "step " << i;
        if (!changed.isEmpty()) {
            EXPECT_EQ(LastRegionShown(view->m_hWnd), changed) << "step " << i;
        }
        const QImage shown = PictureOf(view->m_hWnd);
        ASSERT_EQ(shown.size(), QSize(client.Width(), client.Height()));
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x)
                ASSERT_EQ(RGB(qRed(shown.pixel(x, y)), qGreen(shown.pixel(x, y)), qBlue(shown.pixel(x, y))), fresh->At(x, y)) << "step " << i << " at " << x << "," << y;
        last = std::move(fresh);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TickPaint,
    ::testing::Values(
        TickRow{"DefaultBarsThroughASecond",
                "NNNNYYY",
                {{LocalSample(2024, 5, 17, 12, 0, 0, 0)}, {LocalSample(2024, 5, 17, 12, 0, 0, 50)},
                 {LocalSample(2024, 5, 17, 12, 0, 0, 100)}, {LocalSample(2024, 5, 17, 12, 0, 0, 100)},
                 {LocalSample(2024, 5, 17, 12, 0, 0, 999)}, {LocalSample(2024, 5, 17, 12, 0, 1, 0)},
                 {LocalSample(2024, 5, 17, 12, 0, 59, 999)}, {LocalSample(2024, 5, 17, 12, 1, 0, 0)}}},
        TickRow{"SevenBarsOverTheYearsEndAndBack",
                "YYYYYYY",
                {{LocalSample(2024, 12, 31, 23, 59, 59, 900)},
                 {LocalSample(2025, 1, 1, 0, 0, 0, 0)},
                 {LocalSample(2025, 1, 1, 0, 0, 1, 0)},
                 {LocalSample(2020, 6, 15, 12, 0, 0, 0), true},  // a month of 30 days
                 {LocalSample(2037, 6, 15, 12, 0, 0, 0)}}},
        TickRow{"TheYearBarAloneDaysApart",
                "YNNNNNN",
                {{LocalSample(2024, 1, 1, 0, 0, 0)}, {LocalSample(2024, 1, 2, 0, 0, 0)},
                 {LocalSample(2024, 1, 2, 0, 0, 1)}, {LocalSample(2024, 3, 1, 0, 0, 0)}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClockView, ResizeShowsWhiteUntilTheNextTick)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    TestView* view = clock.View();
    EXPECT_EQ(BufferPixel(view, 5, 5), kWhite);
    view->SendMessage(WM_TIMER, IDT_CLOCK);
    EXPECT_EQ(BufferPixel(view, 5, 5), RGB(173, 222, 255));

    clock.Frame()->SetWindowPos(nullptr, 0, 0, 500, 180, SWP_NOMOVE | SWP_NOZORDER);
    PumpEvents(20);
    EXPECT_EQ(view->GetBackBuffer().GetRect(), CRect(0, 0, 492, 172));
    EXPECT_EQ(view->ClientRect(), CRect(0, 0, 492, 172));
    EXPECT_EQ(BufferPixel(view, 5, 5), kWhite);
    EXPECT_EQ(BufferPixel(view, 491, 171), kWhite);
    view->SendMessage(WM_TIMER, IDT_CLOCK);
    EXPECT_EQ(BufferPixel(view, 491, 171), RGB(173, 222, 255));
}

// A stored colour with a high byte (hand-edited, negative) draws its red,
// green and blue.
TEST(ClockView, TickDrawsTheStoredColours)
{
    const struct {
        const char* colours;
        COLORREF back, mark;
    } rows[] = {
        {"FGCOLOR=255\r\nBGCOLOR=16711680\r\n", RGB(0, 0, 255), RGB(255, 0, 0)},
        {"FGCOLOR=-1\r\nBGCOLOR=-16776961\r\n", RGB(255, 0, 0), RGB(255, 255, 255)},
    };
    for (const auto& row : rows) {
        ClockHarness clock(std::string("[SETTING]\r\nUPDATE=100000\r\nBARS=NNNNNNY\r\n") + row.colours);
        ASSERT_TRUE(clock.Start());
        ASSERT_TRUE(clock.ShowAndPaint());
        clock.View()->SendMessage(WM_TIMER, IDT_CLOCK);
        EXPECT_EQ(BufferPixel(clock.View(), 0, 0), row.back) << row.colours;
        EXPECT_EQ(BufferPixel(clock.View(), 10, 8), row.mark) << row.colours;  // the first tick mark
    }
}

TEST(ClockView, NoBarShownDrawsTheBackgroundOnly)
{
    ClockHarness clock("[SETTING]\r\nUPDATE=100000\r\nBARS=\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    clock.View()->SendMessage(WM_TIMER, IDT_CLOCK);
    const CRect rc = clock.View()->GetBackBuffer().GetRect();
    for (int y = 0; y < rc.Height(); y += 7)
        for (int x = 0; x < rc.Width(); x += 7)
            ASSERT_EQ(BufferPixel(clock.View(), x, y), RGB(173, 222, 255)) << x << "," << y;
}

TEST(ClockView, OtherTimerIdsChangeNothing)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    const CRect before = clock.WindowRect();
    clock.View()->SendMessage(WM_TIMER, 999);
    EXPECT_EQ(BufferPixel(clock.View(), 5, 5), kWhite);
    EXPECT_EQ(clock.WindowRect(), before);
}

TEST(ClockView, TicksAndResizesHoldNoGdiObjects)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    clock.View()->SetElliptic();
    // From the first resize on, the window owns one region.
    clock.Frame()->SetWindowPos(nullptr, 0, 0, 299, 99, SWP_NOMOVE | SWP_NOZORDER);
    clock.View()->SendMessage(WM_TIMER, IDT_CLOCK);
    const DWORD before = GetGuiResources(nullptr, GR_GDIOBJECTS);
    for (int i = 0; i < 40; ++i) {
        clock.Frame()->SetWindowPos(nullptr, 0, 0, 300 + i, 100 + i, SWP_NOMOVE | SWP_NOZORDER);
        clock.View()->SendMessage(WM_TIMER, IDT_CLOCK);
        PumpEvents(0);
    }
    EXPECT_EQ(GetGuiResources(nullptr, GR_GDIOBJECTS), before);
}

TEST(ClockView, DestroyingTheWindowSavesTheNineKeys)
{
    ClockHarness clock(
        "; my clock\r\n[Recent File List]\r\nFile1=/tmp/x\r\n[SETTING]\r\nUPDATE=100000\r\nBARS=YY\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    clock.Frame()->SetWindowPos(nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpEvents(20);
    clock.Frame()->DestroyWindow();
    EXPECT_EQ(ReadText(clock.IniPath()),
              "; my clock\r\n[Recent File List]\r\nFile1=/tmp/x\r\n[SETTING]\r\nUPDATE=100000\r\nBARS=YYNNNNN\r\n"
              "WINTOP=40\r\nWINBOTTOM=140\r\nWINLEFT=30\r\nWINRIGHT=430\r\nFGCOLOR=8684544\r\n"
              "BGCOLOR=16768685\r\nUSESYSCOLOR=0\r\n");
}

}  // namespace
