// Where the bars of a whole face go: heights, tops and the bars left out.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "canvas.h"
#include "clock/clockface.h"
#include "settings/settingsprofile.h"
#include "timezone.h"

namespace {

constexpr COLORREF kBack = RGB(173, 222, 255);
constexpr COLORREF kBar = RGB(0, 132, 132);

DisplaySettings WithBars(const char* bars, COLORREF bar)
{
    DisplaySettings settings{{}, 50, 0, bar, kBack};
    const auto show = ParseBars(bars);
    std::copy(show.begin(), show.end(), settings.show);
    return settings;
}

struct FaceRow {
    const char* name;
    const char* bars;
    int clientHeight;
    int barHeight;
    std::vector<int> tops;
    UINT dpi = 96;  // every measure scales with it: at 192 the margin is 20, marks 4 rows high
};
void PrintTo(const FaceRow& r, std::ostream* os) { *os << r.name; }

class FaceLayout : public ::testing::TestWithParam<FaceRow> {
protected:
    ScopedTimeZone m_utc{"UTC"};
};

// The margin's column carries every bar's first column and its first tick
// mark, so its painted rows show where each bar and its marks stand.
TEST_P(FaceLayout, BarsStackFromTheTop)
{
    const FaceRow r = GetParam();
    const DisplaySettings settings = WithBars(r.bars, kBar);
    const FaceMetrics metrics = FaceMetrics::ForDpi(r.dpi);
    EXPECT_EQ(BarHeight(r.clientHeight, settings.Shown(), metrics.spacing), r.barHeight);

    const CGaugeSet gauges;
    CClockFace face(gauges.m_pGauge);
    face.SetDpi(r.dpi);
    Canvas canvas(420, r.clientHeight, RGB(255, 255, 255));
    // A moment at which every kind of bar has some length.
    const _timeb sample = LocalSample(2024, 5, 17, 12, 30, 30, 500);
    face.Compose(canvas.DC(), CRect(0, 0, 420, r.clientHeight), settings, sample);

    std::vector<bool> expected(size_t(r.clientHeight), false);
    for (int top : r.tops)
        for (int row = top - metrics.markHeight; row < top + r.barHeight; ++row)
            if (row >= 0 && row < r.clientHeight)
                expected[size_t(row)] = true;
    for (int row = 0; row < r.clientHeight; ++row)
        EXPECT_EQ(canvas.At(metrics.margin, row), expected[size_t(row)] ? kBar : kBack) << "row " << row;
    EXPECT_EQ(canvas.At(metrics.margin - 1, r.tops.empty() ? 0 : r.tops[0]), kBack) << "the margin is free";
    EXPECT_EQ(canvas.Count(RGB(255, 255, 255)), 0) << "the background must cover the whole client area";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FaceLayout,
    ::testing::Values(FaceRow{"FourBarsIn92", "NNNYYYY", 92, 10, {10, 30, 50, 70}},
                      FaceRow{"SevenBarsIn92", "YYYYYYY", 92, 1, {10, 21, 32, 43, 54, 65, 76}},
                      // (30 - 50) / 4 is negative: bars keep a height of 1
                      // and the last two fall below the client area.
                      FaceRow{"FourBarsIn30", "NNNYYYY", 30, 1, {10, 21, 32, 43}},
                      FaceRow{"OnlyMilliseconds", "NNNNNNY", 100, 80, {10}},
                      FaceRow{"HiddenKindsTakeNoRoom", "YNYNNNN", 100, 35, {10, 55}},
                      FaceRow{"NoBarShown", "NNNNNNN", 60, 0, {}},
                      // At 150 % and 200 % the spacing is 15 and 20, the marks 3 and 4 rows high.
                      FaceRow{"FourBarsAt144", "NNNYYYY", 138, 15, {15, 45, 75, 105}, 144},
                      FaceRow{"FourBarsAt192", "NNNYYYY", 184, 21, {20, 61, 102, 143}, 192}),
    [](const auto& info) { return std::string(info.param.name); });

// A face drawn into the buffer that holds the face of an earlier moment is
// the same picture as one drawn anew, whatever changed in between.
struct ChangeRow {
    const char* name;
    _timeb before, after;
    const char* barsAfter;
    COLORREF barAfter;
    int heightAfter = 100;
    UINT dpiAfter = 96;
    int heightBefore = 100;
};
void PrintTo(const ChangeRow& r, std::ostream* os) { *os << r.name; }

class FaceChange : public ::testing::TestWithParam<ChangeRow> {
protected:
    ScopedTimeZone m_utc{"UTC"};
};

TEST_P(FaceChange, IsTheSameAsAWholeNewFace)
{
    const ChangeRow& r = GetParam();
    const CGaugeSet gauges;
    Canvas kept(420, 100, RGB(255, 255, 255));
    CClockFace keptFace(gauges.m_pGauge);
    keptFace.Compose(kept.DC(), CRect(0, 0, 420, r.heightBefore), WithBars("YYYYYYY", kBar), r.before);
    const DisplaySettings after = WithBars(r.barsAfter, r.barAfter);
    keptFace.SetDpi(r.dpiAfter);
    keptFace.Compose(kept.DC(), CRect(0, 0, 420, r.heightAfter), after, r.after);
    Canvas fresh(420, 100, RGB(255, 255, 255));
    CClockFace freshFace(gauges.m_pGauge);
    freshFace.SetDpi(r.dpiAfter);
    freshFace.Compose(fresh.DC(), CRect(0, 0, 420, r.heightAfter), after, r.after);
    for (int y = 0; y < r.heightAfter; ++y)
        for (int x = 0; x < 420; ++x)
            ASSERT_EQ(kept.At(x, y), fresh.At(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FaceChange,
    ::testing::Values(
        ChangeRow{"Milliseconds", LocalSample(2024, 5, 17, 12, 30, 30, 100), LocalSample(2024, 5, 17, 12, 30, 30, 850),
                  "YYYYYYY", kBar, 100},
        ChangeRow{"MillisecondsWrapAround", LocalSample(2024, 5, 17, 12, 30, 30, 950),
                  LocalSample(2024, 5, 17, 12, 30, 31, 20), "YYYYYYY", kBar, 100},
        ChangeRow{"NewYear", LocalSample(2024, 12, 31, 23, 59, 59, 990), LocalSample(2025, 1, 1, 0, 0, 0, 10),
                  "YYYYYYY", kBar, 100},
        // February has fewer days: the day bar's marks move.
        ChangeRow{"NewMonth", LocalSample(2025, 1, 31, 23, 59, 59, 990), LocalSample(2025, 2, 1, 0, 0, 0, 10),
                  "YYYYYYY", kBar, 100},
        ChangeRow{"OtherBars", LocalSample(2024, 5, 17, 12, 30, 30, 100), LocalSample(2024, 5, 17, 12, 30, 30, 200),
                  "NNNYNNY", kBar, 100},
        ChangeRow{"OtherColour", LocalSample(2024, 5, 17, 12, 30, 30, 100), LocalSample(2024, 5, 17, 12, 30, 30, 200),
                  "YYYYYYY", RGB(255, 0, 0), 100},
        // The window went to a monitor of another DPI; the bars are 1 pixel
        // high at both, but margins and marks have grown.
        ChangeRow{"OtherDpi", LocalSample(2024, 5, 17, 12, 30, 30, 100), LocalSample(2024, 5, 17, 12, 30, 30, 200),
                  "YYYYYYY", kBar, 30, 144, 30}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
