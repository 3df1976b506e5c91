// The main window of a running clock: where it opens, its size limits and
// its style.
#include <gtest/gtest.h>

#include <climits>

#include "clockharness.h"

namespace {

const std::string kSlowClock = "[SETTING]\r\nUPDATE=100000\r\n";

struct PlacementRow {
    const char* name;
    const char* ini;
    CRect expected;
};
void PrintTo(const PlacementRow& r, std::ostream* os) { *os << r.name; }

class MainWindowPlacement : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(MainWindowPlacement, FromTheFourKeys)
{
    ClockHarness clock(std::string("[SETTING]\r\nUPDATE=100000\r\n") + GetParam().ini);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    EXPECT_EQ(clock.WindowRect(), GetParam().expected);
    CRect client;
    clock.View()->GetClientRect(client);
    EXPECT_EQ(client, CRect(0, 0, GetParam().expected.Width() - 8, GetParam().expected.Height() - 8));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MainWindowPlacement,
    ::testing::Values(PlacementRow{"NoKeys", "", CRect(0, 0, 400, 100)},
                      PlacementRow{"AllFour", "WINLEFT=100\r\nWINRIGHT=500\r\nWINTOP=50\r\nWINBOTTOM=250\r\n",
                                   CRect(100, 50, 500, 250)},
                      PlacementRow{"OnlyRight", "WINRIGHT=300\r\n", CRect(0, 0, 300, 100)},
                      PlacementRow{"PartlyOffTheTopLeft", "WINLEFT=-3\r\nWINRIGHT=397\r\nWINTOP=-5\r\nWINBOTTOM=95\r\n",
                                   CRect(-3, -5, 397, 95)},
                      // Rectangles no screen shows, or with no size, open at the default.
                      PlacementRow{"RightLeftOfLeft", "WINLEFT=500\r\nWINRIGHT=100\r\n", CRect(0, 0, 400, 100)},
                      PlacementRow{"ZeroHeight", "WINTOP=40\r\nWINBOTTOM=40\r\n", CRect(0, 0, 400, 100)},
                      // Larger than the desktop (the offscreen one is 800 x 800): shrunk to it
                      // and moved wholly onto it.
                      PlacementRow{"EdgesAtTheIntegerLimits", "WINLEFT=-2147483648\r\nWINRIGHT=2147483647\r\n",
                                   CRect(0, 0, 800, 100)},
                      PlacementRow{"HandEditedJunk",
                                   "WINTOP=abc\r\nWINBOTTOM=\r\nWINLEFT=-99999999999999\r\nWINRIGHT=1e9\r\n",
                                   CRect(0, 0, 800, 100)},
                      PlacementRow{"FarLeftAndWide", "WINLEFT=-50000\r\nWINRIGHT=600\r\n", CRect(0, 0, 800, 100)},
                      PlacementRow{"HugeEveryWay",
                                   "WINTOP=-5000\r\nWINLEFT=-5000\r\nWINBOTTOM=90000\r\nWINRIGHT=90000\r\n",
                                   CRect(0, 0, 800, 800)},
                      PlacementRow{"LargerThanAnyDisplay", "WINRIGHT=99999999\r\nWINBOTTOM=99999999\r\n",
                                   CRect(0, 0, 800, 800)},
                      PlacementRow{"LargerThanTheDesktop", "WINRIGHT=20000\r\nWINBOTTOM=20000\r\n", CRect(0, 0, 800, 800)},
                      PlacementRow{"WiderThanTheDesktop", "WINLEFT=-50\r\nWINRIGHT=860\r\n", CRect(0, 0, 800, 100)},
                      PlacementRow{"WiderAndToTheRight", "WINLEFT=300\r\nWINRIGHT=1300\r\nWINTOP=600\r\nWINBOTTOM=700\r\n",
                                   CRect(0, 600, 800, 700)},
                      // Smaller than Windows lets a sizable window be: the
                      // smallest size, where it was.
                      PlacementRow{"OnePixel", "WINLEFT=50\r\nWINTOP=60\r\nWINRIGHT=51\r\nWINBOTTOM=61\r\n",
                                   CRect(50, 60, 186, 99)},
                      PlacementRow{"OffEveryScreen", "WINLEFT=5000\r\nWINRIGHT=5400\r\nWINTOP=5000\r\nWINBOTTOM=5100\r\n",
                                   CRect(0, 0, 400, 100)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindow, TakesTheRectangleSuggestedForANewDpi)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    RECT suggested{30, 40, 630, 190};
    clock.Frame()->SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&suggested));
    PumpEvents(20);
    EXPECT_EQ(clock.WindowRect(), CRect(30, 40, 630, 190));
}

TEST(MainWindow, NeverSmallerThanTheSmallestTrackingSize)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    clock.Frame()->SetWindowPos(nullptr, 0, 0, 20, 10, SWP_NOMOVE | SWP_NOZORDER);
    PumpEvents(20);
    EXPECT_EQ(clock.WindowRect(), CRect(0, 0, 136, 39));
    EXPECT_EQ(WidgetOf(clock.Frame()->m_hWnd)->minimumSize(), QSize(136, 39));  // what the window manager hears
}

TEST(MainWindow, StyleReplacesWhatTheFrameworkProposed)
{
    ClockHarness clock;
    CMainFrame frame;
    CREATESTRUCT cs{};
    cs.style = LONG(WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE);
    cs.hMenu = reinterpret_cast<HMENU>(std::uintptr_t(128));
    ASSERT_TRUE(frame.PreCreateWindow(cs));
    EXPECT_EQ(DWORD(cs.style), 0x800C0000u);
    EXPECT_EQ(cs.hMenu, nullptr);
    EXPECT_EQ(CRect(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy), CRect(0, 0, 400, 100));

    ASSERT_TRUE(clock.Start());
    EXPECT_EQ(clock.Frame()->GetStyle() & ~WS_VISIBLE, 0x800C0000u);
    EXPECT_EQ(WidgetOf(clock.Frame()->m_hWnd)->windowTitle().toStdString(), "vostrel");
    EXPECT_FALSE(WidgetOf(clock.Frame()->m_hWnd)->windowIcon().isNull());
}

}  // namespace
