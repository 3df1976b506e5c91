// The clock view and the main window running on the offscreen platform.
#include <gtest/gtest.h>

#include "clockharness.h"
#include "platform/qt/window.h"

IMPLEMENT_DYNCREATE(TestView, CVostrelView)
IMPLEMENT_DYNCREATE(TestDoc, CVostrelDoc)

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
    PumpEvents(100);
    EXPECT_EQ(clock.View()->GetBackBuffer().GetMemDC(), nullptr);
    EXPECT_EQ(clock.View()->GetBackBuffer().GetRect(), CRect(0, 0, 292, 142));  // the size is recorded
    EXPECT_EQ(clock.View()->m_nTimerMessages, 0);
}

TEST(ClockView, FirstPaintBuildsAWhiteBufferAndStartsTheClock)
{
    ClockHarness clock("[SETTING]\r\nUPDATE=20\r\nWINRIGHT=300\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    TestView* view = clock.View();
    ASSERT_NE(view->GetBackBuffer().GetMemDC(), nullptr);
    EXPECT_EQ(view->GetBackBuffer().GetRect(), CRect(0, 0, 292, 92));
    PumpEvents(200);
    EXPECT_GT(view->m_nTimerMessages, 2);
    EXPECT_EQ(BufferPixel(view, 0, 0), RGB(173, 222, 255));  // the ticks drew the background
}

// Timer periods: below 10 ms the clock runs at 10 ms, and a huge period (a
// negative UPDATE read as unsigned) waits; neither spins.
struct IntervalRow {
    const char* name;
    const char* update;
    int minTicks;
    int maxTicks;  // in 300 ms
};
void PrintTo(const IntervalRow& r, std::ostream* os) { *os << r.name; }

class ClockInterval : public ::testing::TestWithParam<IntervalRow> {};

TEST_P(ClockInterval, TicksWithinTheTimerLimits)
{
    ClockHarness clock(std::string("[SETTING]\r\nUPDATE=") + GetParam().update + "\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    const int before = clock.View()->m_nTimerMessages;
    PumpEvents(300);
    const int ticks = clock.View()->m_nTimerMessages - before;
    EXPECT_GE(ticks, GetParam().minTicks);
    EXPECT_LE(ticks, GetParam().maxTicks);
}

INSTANTIATE_TEST_SUITE_P(Rows, ClockInterval,
                         ::testing::Values(IntervalRow{"Zero", "0", 1, 31}, IntervalRow{"One", "1", 1, 31},
                                           IntervalRow{"Fifty", "50", 1, 7},
                                           IntervalRow{"MinusOne", "-1", 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// While the display shows the window nowhere its timers rest (no wake-up at
// all); shown again, the clock ticks at once and then at its interval.
TEST(ClockView, TimersRestWhileTheWindowIsNotShown)
{
    ClockHarness clock("[SETTING]\r\nUPDATE=20\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    auto& ticks = clock.View()->m_timerMessages[IDT_CLOCK];
    clock.Frame()->ShowWindow(SW_HIDE);
    PumpEvents(50);
    const int hidden = ticks;
    PumpEvents(300);
    EXPECT_EQ(ticks, hidden);
    clock.Frame()->ShowWindow(SW_SHOW);
    PumpEvents(10);
    EXPECT_GE(ticks, hidden + 1);  // at once, not a whole interval later
    PumpEvents(300);
    EXPECT_GE(ticks, hidden + 8);
}

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

TEST(ClockView, TickDrawsTheStoredColours)
{
    ClockHarness clock("[SETTING]\r\nUPDATE=100000\r\nBARS=NNNNNNY\r\nFGCOLOR=255\r\nBGCOLOR=16711680\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    clock.View()->SendMessage(WM_TIMER, IDT_CLOCK);
    EXPECT_EQ(BufferPixel(clock.View(), 0, 0), RGB(0, 0, 255));  // blue background
    EXPECT_EQ(BufferPixel(clock.View(), 10, 8), RGB(255, 0, 0));  // the first tick mark, red
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

TEST(ClockView, ShakeMovesTheWindowByAtMostFourPixels)
{
    ClockHarness clock("[SETTING]\r\nUPDATE=100000\r\nWINLEFT=200\r\nWINTOP=200\r\nWINRIGHT=600\r\nWINBOTTOM=300\r\n");
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    int moves = 0;
    for (int i = 0; i < 60; ++i) {
        const CRect before = clock.WindowRect();
        clock.View()->SendMessage(WM_TIMER, IDT_SHAKE);
        const CRect after = clock.WindowRect();
        EXPECT_LE(std::abs(after.left - before.left), 4);
        EXPECT_LE(std::abs(after.top - before.top), 4);
        EXPECT_EQ(after.Size(), CSize(400, 100));
        moves += !(after == before);
    }
    EXPECT_GT(moves, 30);  // all but a few of 60 random ticks move the window
}

TEST(ClockView, EllipticWindowFollowsAResize)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    QWidget* window = clock.Frame()->m_hWnd->widget;
    EXPECT_TRUE(window->mask().isEmpty());

    clock.View()->SetElliptic();
    clock.Frame()->SetWindowPos(nullptr, 0, 0, 600, 200, SWP_NOMOVE | SWP_NOZORDER);
    PumpEvents(20);
    const QRegion mask = window->mask();
    EXPECT_TRUE(QRect(0, 0, 600, 200).contains(mask.boundingRect()));
    EXPECT_GE(mask.boundingRect().width(), 598);
    EXPECT_GE(mask.boundingRect().height(), 198);
    EXPECT_TRUE(mask.contains(QPoint(300, 100)));
    EXPECT_TRUE(mask.contains(QPoint(2, 100)));
    EXPECT_FALSE(mask.contains(QPoint(3, 3)));
    EXPECT_FALSE(mask.contains(QPoint(596, 196)));
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
                      // Rectangles nobody could see or reach open at the default.
                      PlacementRow{"RightLeftOfLeft", "WINLEFT=500\r\nWINRIGHT=100\r\n", CRect(0, 0, 400, 100)},
                      PlacementRow{"ZeroHeight", "WINTOP=40\r\nWINBOTTOM=40\r\n", CRect(0, 0, 400, 100)},
                      PlacementRow{"LargerThanAnyDisplay", "WINRIGHT=99999999\r\nWINBOTTOM=99999999\r\n",
                                   CRect(0, 0, 400, 100)},
                      // The offscreen desktop is 800 x 800.
                      PlacementRow{"LargerThanTheDesktop", "WINRIGHT=20000\r\nWINBOTTOM=20000\r\n",
                                   CRect(0, 0, 400, 100)},
                      PlacementRow{"WiderThanTheDesktop", "WINLEFT=-50\r\nWINRIGHT=760\r\n", CRect(0, 0, 400, 100)},
                      PlacementRow{"EdgesAtTheIntegerLimits", "WINLEFT=-2147483648\r\nWINRIGHT=2147483647\r\n",
                                   CRect(0, 0, 400, 100)},
                      // Smaller than Windows lets a sizable window be: the
                      // smallest size, where it was.
                      PlacementRow{"OnePixel", "WINLEFT=50\r\nWINTOP=60\r\nWINRIGHT=51\r\nWINBOTTOM=61\r\n",
                                   CRect(50, 60, 186, 99)},
                      PlacementRow{"OffEveryScreen", "WINLEFT=5000\r\nWINRIGHT=5400\r\nWINTOP=5000\r\nWINBOTTOM=5100\r\n",
                                   CRect(0, 0, 400, 100)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindow, NeverSmallerThanTheSmallestTrackingSize)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    clock.Frame()->SetWindowPos(nullptr, 0, 0, 20, 10, SWP_NOMOVE | SWP_NOZORDER);
    PumpEvents(20);
    EXPECT_EQ(clock.WindowRect(), CRect(0, 0, 136, 39));
    EXPECT_EQ(clock.Frame()->m_hWnd->widget->minimumSize(), QSize(136, 39));  // what the window manager hears
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
    EXPECT_EQ(clock.Frame()->m_hWnd->widget->windowTitle().toStdString(), "vostrel");
    EXPECT_FALSE(clock.Frame()->m_hWnd->widget->windowIcon().isNull());
}

TEST(Application, NewKeepsTheFrameAndTheView)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    EXPECT_EQ(TestDoc::s_nNewDocuments, 1);
    CFrameWnd* frame = clock.Frame();
    CView* view = frame->GetActiveView();
    CDocument* doc = view->GetDocument();

    // Ctrl+N through the accelerator table, then the command itself.
    EXPECT_TRUE(frame->TranslateAccelerator(FVIRTKEY | FCONTROL, 'N'));
    frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(TestDoc::s_nNewDocuments, 3);
    EXPECT_EQ(clock.Frame(), frame);
    EXPECT_EQ(frame->GetActiveView(), view);
    EXPECT_EQ(view->GetDocument(), doc);
    // Keys without a command of their own do nothing.
    EXPECT_FALSE(frame->TranslateAccelerator(FVIRTKEY | FCONTROL, 'Q'));
}

TEST(Application, OpenedFilesGoToTheRecentFileList)
{
    ClockHarness clock("[Recent File List]\r\nFile1=/tmp/older.vst\r\n[SETTING]\r\nUPDATE=100000\r\n");
    const std::string document = clock.IniPath() + ".vst";
    WriteText(document, "anything");
    clock.App().LoadStdProfileSettings(4);
    CCommandLineInfo info;
    clock.App().ParseCommandLine(info);
    info.ParseParam(document.c_str(), FALSE, TRUE);
    ASSERT_TRUE(clock.App().ProcessShellCommand(info));  // the file opens as the document
    clock.App().ExitInstance();
    const std::string ini = ReadText(clock.IniPath());
    EXPECT_NE(ini.find("[Recent File List]\r\nFile1=" + document + "\r\nFile2=/tmp/older.vst\r\n"), std::string::npos)
        << ini;
}

TEST(Application, OpeningAMissingFileFailsTheStart)
{
    ClockHarness clock;
    CCommandLineInfo info;
    info.ParseParam("/nonexistent/file.vst", FALSE, TRUE);
    EXPECT_FALSE(clock.App().ProcessShellCommand(info));
    EXPECT_EQ(clock.App().GetMainWnd(), nullptr);
    EXPECT_FALSE(Exists(clock.IniPath()));  // a start that failed stores nothing
}

TEST(Application, CloseNeverAsksAndSaves)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    clock.Frame()->PostMessage(WM_CLOSE);
    EXPECT_NE(clock.App().GetMainWnd(), nullptr);  // posted: nothing happens before the loop runs
    PumpEvents(50);
    EXPECT_EQ(clock.App().GetMainWnd(), nullptr);
    EXPECT_NE(ReadText(clock.IniPath()).find("WINRIGHT=400"), std::string::npos);
}

}  // namespace
