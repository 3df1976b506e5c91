// The surprise command of a running clock on the offscreen platform (an 800 x
// 800 screen), with each prank chosen through the random generator's seed,
// and the window effects it leaves running: the shake and the ellipse.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cstdlib>

#include "clockharness.h"
#include "platform/posix/mcicdrom.h"
#include "platform/qt/paint/overlay.h"
#include "surprise/sendmci.h"

namespace {

enum { kCdTray, kEllipse, kShake, kHugeCharacter, kBlueScreen };

// A seed after which the command's first draw from the generator picks the prank.
unsigned SeedFor(int prank)
{
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (std::rand() % 5 == prank)
            return seed;
    }
}

class Surprise : public RunningClock {
public:
    void SetUp() override
    {
        MciSetCdDevicesForTesting({"/dev/null"});  // never a real drive's tray
        Open("[SETTING]\r\nUPDATE=10000\r\nWINLEFT=200\r\nWINTOP=300\r\nWINRIGHT=600\r\nWINBOTTOM=400\r\n");
    }
    void Run(int prank)
    {
        std::srand(SeedFor(prank));
        View()->SendMessage(WM_COMMAND, ID_SURPRISE);
    }
    QRegion Mask() const { return WidgetOf(m_clock->Frame()->m_hWnd)->mask(); }
    std::optional<UINT> Shake() const { return m_clock->TimerPeriod(IDT_SHAKE); }
    // The 800 x 800 screen as the drawing leaves it, black where it draws
    // nothing (its clear places included).
    static QImage Screen()
    {
        QWidget* drawing = ScreenDrawingWindow();
        if (!drawing)
            return QImage();
        QImage screen(800, 800, QImage::Format_RGB32);
        screen.fill(Qt::black);
        QPainter(&screen).drawImage(drawing->pos(), drawing->grab().toImage());
        return screen;
    }
    // The drawing's mask on the screen.
    static QRegion DrawnArea()
    {
        QWidget* drawing = ScreenDrawingWindow();
        return drawing->mask().translated(drawing->pos());
    }
};

bool IsEllipseOf(const QRegion& mask, int width, int height)
{
    const QRect box = mask.boundingRect();
    return box.left() >= 0 && box.top() >= 0 && box.right() < width && box.bottom() < height &&
           box.width() >= width - 2 && box.height() >= height - 2 && mask.contains(QPoint(width / 2, height / 2)) &&
           !mask.contains(QPoint(3, 3)) && !mask.contains(QPoint(width - 4, height - 4));
}

// --- each prank --------------------------------------------------------------------

TEST_F(Surprise, CdTrayOnANonDriveChangesNothing)
{
    Run(kCdTray);
    EXPECT_EQ(m_clock->WindowRect(), CRect(200, 300, 600, 400));
    EXPECT_TRUE(Mask().isEmpty());
    EXPECT_EQ(ScreenDrawingWindow(), nullptr);
    EXPECT_EQ(Shake(), std::nullopt);
    std::string strReturn = "x", strError;
    EXPECT_EQ(SendMciCommand("set cdaudio door open", strReturn, strError), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(strReturn, "");
    EXPECT_FALSE(strError.empty());
}

TEST_F(Surprise, EllipseFitsTheWindowAndStaysForLaterResizes)
{
    Run(kEllipse);
    EXPECT_TRUE(IsEllipseOf(Mask(), 400, 100));
    Run(kCdTray);
    EXPECT_TRUE(Mask().isEmpty());  // rectangular again at once
    m_clock->Frame()->SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    PumpEvents(20);
    EXPECT_TRUE(IsEllipseOf(Mask(), 300, 200));  // the next resize is elliptic again
}

TEST_F(Surprise, ShakeRunsEvery100msUntilTheNextSurprise)
{
    Run(kShake);
    EXPECT_EQ(Shake(), 100u);
    Run(kHugeCharacter);
    EXPECT_EQ(Shake(), std::nullopt);
    Run(kShake);
    Run(kShake);  // stopped and started again
    EXPECT_EQ(Shake(), 100u);
}

// Each shake tick moves the window by -4 to +4 pixels each way from where it
// is; the size never changes.
TEST_F(Surprise, ShakeTickMovesTheWindowByAtMostFourPixels)
{
    int moves = 0;
    for (int i = 0; i < 60; ++i) {
        const CRect before = m_clock->WindowRect();
        View()->SendMessage(WM_TIMER, IDT_SHAKE);
        const CRect after = m_clock->WindowRect();
        EXPECT_LE(std::abs(after.left - before.left), 4);
        EXPECT_LE(std::abs(after.top - before.top), 4);
        EXPECT_EQ(after.Size(), CSize(400, 100));
        moves += !(after == before);
    }
    EXPECT_GT(moves, 30);  // all but a few of 60 random ticks move the window
}

TEST_F(Surprise, HugeCharacterBlackOnWhiteAtTheTopCentre)
{
    Run(kHugeCharacter);
    const QImage screen = Screen();
    ASSERT_EQ(screen.size(), QSize(800, 800));
    // Only the character's cell is drawn: white, with the black glyph in it,
    // but for where the clock stands (200,300 to 600,400).
    const QRect cell = ScreenDrawingWindow()->geometry();  // no larger than what it shows
    EXPECT_EQ(DrawnArea(), QRegion(cell) - QRegion(200, 300, 400, 100));
    EXPECT_EQ(cell.top(), 0);
    EXPECT_NEAR(cell.center().x(), 400, 1);
    EXPECT_GT(cell.height(), 390);
    QRect ink;
    int white = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const int grey = qGray(screen.pixel(x, y));
            if (grey < 64)
                ink |= QRect(x, y, 1, 1);
            white += grey == 255;
        }
    }
    EXPECT_GT(white, cell.width() * cell.height() / 3);
    EXPECT_NEAR(ink.center().x(), 400, 25);
    EXPECT_LT(ink.top(), 80);
    EXPECT_GT(ink.height(), 250);
}

TEST_F(Surprise, BlueScreenWithItsOutlineAndTheClockAbove)
{
    Run(kBlueScreen);
    const QImage screen = Screen();
    ASSERT_EQ(screen.size(), QSize(800, 800));
    const struct {
        QPoint at;
        QRgb colour;
    } rows[] = {{{0, 0}, qRgb(0, 0, 0)},     {{799, 400}, qRgb(0, 0, 0)}, {{400, 799}, qRgb(0, 0, 0)},
                {{1, 1}, qRgb(0, 0, 255)},   {{798, 798}, qRgb(0, 0, 255)}, {{400, 400}, qRgb(0, 0, 255)},
                // Clear where the clock stands, so that the clock shows above
                // it where a compositor keeps the drawing on top.
                {{200, 300}, qRgb(0, 0, 0)}, {{599, 399}, qRgb(0, 0, 0)}, {{199, 350}, qRgb(0, 0, 255)}};
    for (const auto& row : rows)
        EXPECT_EQ(screen.pixel(row.at), row.colour) << row.at.x() << "," << row.at.y();
    EXPECT_EQ(DrawnArea(), QRegion(0, 0, 800, 800) - QRegion(200, 300, 400, 100));
}

// Clear just where the clock shows: when the clock becomes an ellipse, the
// blue covers the corners of its rectangle.
TEST_F(Surprise, BlueScreenAroundAnEllipticClock)
{
    Run(kBlueScreen);
    Run(kEllipse);
    const QImage screen = Screen();
    EXPECT_EQ(screen.pixel(201, 301), qRgb(0, 0, 255));  // outside the ellipse
    EXPECT_EQ(screen.pixel(400, 350), qRgb(0, 0, 0));    // its middle, clear
    EXPECT_FALSE(DrawnArea().contains(QPoint(400, 350)));
    EXPECT_TRUE(DrawnArea().contains(QPoint(201, 301)));
}

// A click on the drawing takes it away, and so does the repaint of every
// window that closing the clock does.
TEST_F(Surprise, ScreenDrawingGoesOnAClickOrARepaintOfEveryWindow)
{
    Run(kHugeCharacter);
    ASSERT_NE(ScreenDrawingWindow(), nullptr);
    QTest::mouseClick(ScreenDrawingWindow(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 10));
    EXPECT_EQ(ScreenDrawingWindow(), nullptr);

    Run(kBlueScreen);
    Run(kHugeCharacter);  // drawings add up
    EXPECT_EQ(Screen().pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(Screen().pixel(400, 5), qRgb(255, 255, 255));
    InvalidateRect(nullptr, nullptr, FALSE);
    EXPECT_NE(ScreenDrawingWindow(), nullptr);
    UpdateWindow(nullptr);
    EXPECT_EQ(ScreenDrawingWindow(), nullptr);
}

TEST_F(Surprise, AThousandSurprisesLeaveNoGdiObjects)
{
    for (int prank : {kCdTray, kEllipse, kShake, kHugeCharacter, kBlueScreen})
        Run(prank);  // the stock objects are made once
    const DWORD before = GetGuiResources(nullptr, GR_GDIOBJECTS);
    std::srand(7);
    for (int i = 0; i < 1000; ++i) {
        View()->SendMessage(WM_COMMAND, ID_SURPRISE);
        if (i % 50 == 0)
            PumpEvents(0);
    }
    EXPECT_EQ(GetGuiResources(nullptr, GR_GDIOBJECTS), before);
}

}  // namespace
