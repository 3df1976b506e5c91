// Where the main window stands, from plain values: the stored rectangle,
// the screens as Windows and X11 lay them out, and their DPI.
#include <gtest/gtest.h>

#include <climits>

#include "frame/placement.h"

namespace {

const CRect kDefault(0, 0, 400, 100);
const CSize kLeast(136, 39);

// 1920 x 1080 alone.
const Screens kOne{{CRect(0, 0, 1920, 1080), 96}};
// A second screen left of the primary and higher.
const Screens kTwoLeft{{CRect(0, 0, 1920, 1080), 96}, {CRect(-1280, -200, 0, 824), 96}};
// The primary at 150 %, one at 100 % right of it, one at 200 % far left.
const Screens kThreeMixed{{CRect(0, 0, 2560, 1440), 144},
                          {CRect(2560, 0, 4480, 1080), 96},
                          {CRect(-3840, -500, 0, 1660), 192}};
// X11 may put the primary anywhere.
const Screens kPrimaryRight{{CRect(1920, 0, 3840, 1080), 96}, {CRect(0, 0, 1920, 1080), 96}};
const Screens kHighDpi{{CRect(0, 0, 3840, 2160), 288}};
const Screens kSmall192{{CRect(0, 0, 800, 800), 192}};

struct PlacementRow {
    const char* name;
    CRect stored;
    const Screens* screens;
    CRect window;
};
void PrintTo(const PlacementRow& r, std::ostream* os) { *os << r.name; }

class Placement : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(Placement, FromTheStoredRectangle)
{
    EXPECT_EQ(PlacedWindowRect(GetParam().stored, kDefault, kLeast, *GetParam().screens), GetParam().window);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Placement,
    ::testing::Values(
        PlacementRow{"Kept", CRect(100, 50, 500, 250), &kOne, CRect(100, 50, 500, 250)},
        PlacementRow{"PartlyOffButGrabbable", CRect(-3, -5, 397, 95), &kOne, CRect(-3, -5, 397, 95)},
        // Less than a grabbable part shows: moved in, its size kept.
        PlacementRow{"SliverAtTheLeft", CRect(-380, 10, 20, 110), &kOne, CRect(0, 10, 400, 110)},
        PlacementRow{"CornerAtTheBottomRight", CRect(1900, 1060, 2300, 1160), &kOne, CRect(1520, 980, 1920, 1080)},
        PlacementRow{"OffEveryScreen", CRect(5000, 5000, 5400, 5100), &kOne, kDefault},
        PlacementRow{"Reversed", CRect(500, 100, 100, 200), &kOne, kDefault},
        PlacementRow{"Empty", CRect(0, 0, 0, 0), &kOne, kDefault},
        // Larger than the desktop: shrunk to it and moved wholly onto it.
        PlacementRow{"WideFarLeft", CRect(-50000, 0, 600, 100), &kOne, CRect(0, 0, 1920, 100)},
        PlacementRow{"HugeEveryWay", CRect(-5000, -5000, 90000, 90000), &kOne, CRect(0, 0, 1920, 1080)},
        PlacementRow{"IntegerLimits", CRect(INT_MIN, 0, INT_MAX, 100), &kOne, CRect(0, 0, 1920, 100)},
        PlacementRow{"IntegerLimitsEveryWay", CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), &kOne,
                     CRect(0, 0, 1920, 1080)},
        PlacementRow{"AtTheTopOfInt", CRect(INT_MAX - 100, 0, INT_MAX, 100), &kOne, kDefault},
        PlacementRow{"OnePixel", CRect(50, 60, 51, 61), &kOne, CRect(50, 60, 186, 99)},
        // Two screens, the second left of the primary.
        PlacementRow{"OnTheSecond", CRect(-1000, 100, -600, 200), &kTwoLeft, CRect(-1000, 100, -600, 200)},
        PlacementRow{"AcrossBoth", CRect(-200, 900, 200, 1000), &kTwoLeft, CRect(-200, 900, 200, 1000)},
        PlacementRow{"InTheGapBelowTheSecond", CRect(-1000, 900, -600, 1000), &kTwoLeft, kDefault},
        PlacementRow{"WiderThanBoth", CRect(-2000, -300, 3000, 100), &kTwoLeft, CRect(-1280, -200, 1920, 200)},
        // Each screen's DPI scales what it shows.
        PlacementRow{"OnThePrimaryAt144", CRect(100, 50, 500, 150), &kThreeMixed, CRect(150, 75, 750, 225)},
        PlacementRow{"OnTheOneAt96", CRect(3000, 100, 3400, 200), &kThreeMixed, CRect(3000, 100, 3400, 200)},
        PlacementRow{"OnTheOneAt192", CRect(-1000, 0, -600, 100), &kThreeMixed, CRect(-2000, 0, -1200, 200)},
        PlacementRow{"DefaultAt144", CRect(5, 5, 5, 5), &kThreeMixed, CRect(0, 0, 600, 150)},
        PlacementRow{"OnePixelAt144", CRect(50, 60, 51, 61), &kThreeMixed, CRect(75, 90, 279, 149)},
        PlacementRow{"At288", CRect(0, 0, 400, 100), &kHighDpi, CRect(0, 0, 1200, 300)},
        PlacementRow{"WiderAt192", CRect(100, 50, 600, 150), &kSmall192, CRect(0, 100, 800, 300)},
        PlacementRow{"ScaledOffEveryScreen", CRect(500, 500, 600, 550), &kSmall192, CRect(0, 0, 800, 200)},
        PlacementRow{"DefaultAtAPrimaryRightOfOrigin", CRect(), &kPrimaryRight, CRect(1920, 0, 2320, 100)},
        PlacementRow{"OnTheLeftOneOfTwo", CRect(100, 100, 500, 200), &kPrimaryRight, CRect(100, 100, 500, 200)}),
    [](const auto& info) { return std::string(info.param.name); });

// With no display (a snapshot) nothing bounds the window but the largest
// face drawn.
TEST(Placement, WithoutScreens)
{
    EXPECT_EQ(PlacedWindowRect(CRect(10, 10, 8202, 110), kDefault, kLeast, {}), CRect(10, 10, 8202, 110));
    EXPECT_EQ(PlacedWindowRect(CRect(10, 10, 8203, 110), kDefault, kLeast, {}), CRect(0, 0, 400, 100));
    EXPECT_EQ(PlacedWindowRect(CRect(10, 10, 11, 11), kDefault, kLeast, {}), CRect(10, 10, 146, 49));
}

// A screen that went or shrank: the window comes wholly onto one that
// remains, at its size unless that screen is smaller.
TEST(Placement, KeptOnScreensThatChanged)
{
    const Screens smaller{{CRect(0, 0, 1024, 768), 96}};
    const struct {
        CRect window;
        const Screens* screens;
        CRect kept;
    } rows[] = {
        {CRect(100, 100, 500, 200), &kOne, CRect(100, 100, 500, 200)},
        {CRect(-1000, 100, -600, 200), &kTwoLeft, CRect(-1000, 100, -600, 200)},
        {CRect(-1000, 100, -600, 200), &kOne, CRect(0, 100, 400, 200)},        // its screen went
        {CRect(1500, 900, 1900, 1000), &smaller, CRect(624, 668, 1024, 768)},  // its screen shrank
        {CRect(-2000, 0, -100, 1000), &smaller, CRect(0, 0, 1024, 768)},       // larger than what remains
        {CRect(-100, 0, 300, 100), &kOne, CRect(0, 0, 400, 100)},              // partly off: wholly on
        {CRect(-200, 900, 200, 1000), &kTwoLeft, CRect(0, 900, 400, 1000)},    // across two: onto the one with more
        {CRect(100, 100, 500, 200), &kPrimaryRight, CRect(100, 100, 500, 200)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(KeptOnScreens(row.window, *row.screens), row.kept) << row.window.left << "," << row.window.top;
}

}  // namespace

// The stored rectangle is in 96-dpi units: at another DPI the window is it
// scaled (place and size each, so the size does not depend on the place), and
// the window's rectangle is stored back as it was.
TEST(WindowRectAtDpi, ScaledAndStoredBack)
{
    const struct {
        CRect stored;
        UINT dpi;
        CRect window;
    } rows[] = {
        {CRect(100, 80, 526, 186), 96, CRect(100, 80, 526, 186)},
        {CRect(0, 0, 400, 100), 144, CRect(0, 0, 600, 150)},
        {CRect(-700, 100, -300, 200), 192, CRect(-1400, 200, -600, 400)},
        // Halves round away from zero, and come back.
        {CRect(1, 3, 138, 42), 144, CRect(2, 5, 208, 64)},
        {CRect(-1, -3, 136, 36), 144, CRect(-2, -5, 204, 54)},
        {CRect(101, 33, 236, 72), 120, CRect(126, 41, 295, 90)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WindowRectForDpi(row.stored, row.dpi), row.window) << row.dpi;
        EXPECT_EQ(StoredWindowRect(row.window, row.dpi), row.stored) << row.dpi;
    }
}

