// The surprise command of a running clock on the offscreen platform (an 800 x
// 800 screen), with each prank chosen through the random generator's seed;
// and the pieces it stands on: screen drawing, code page 932 and the MCI shim.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "canvas.h"
#include "dialogfixture.h"
#include "platform/win/codepage.h"
#include "platform/posix/mcicdrom.h"
#include "platform/qt/overlay.h"
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

class Surprise : public SettingDialog {
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
    QRegion Mask() const { return m_clock->Frame()->m_hWnd->widget->mask(); }
    int ShakeTicksIn(int milliseconds)
    {
        const int before = View()->m_timerMessages[IDT_SHAKE];
        PumpEvents(milliseconds);
        return View()->m_timerMessages[IDT_SHAKE] - before;
    }
    static QImage Screen()
    {
        QWidget* drawing = ScreenDrawingWindow();
        return drawing ? drawing->grab().toImage() : QImage();
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
    EXPECT_EQ(ShakeTicksIn(250), 0);
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

TEST_F(Surprise, ShakeTicksEvery100msUntilTheNextSurprise)
{
    Run(kShake);
    EXPECT_GE(ShakeTicksIn(550), 4);
    Run(kHugeCharacter);
    const CRect where = m_clock->WindowRect();
    EXPECT_EQ(ShakeTicksIn(350), 0);
    EXPECT_EQ(where, m_clock->WindowRect());  // the window stays where the last tick left it
    Run(kShake);
    Run(kShake);  // stopped and started again
    EXPECT_GE(ShakeTicksIn(550), 4);
}

TEST_F(Surprise, HugeCharacterBlackOnWhiteAtTheTopCentre)
{
    Run(kHugeCharacter);
    const QImage screen = Screen();
    ASSERT_EQ(screen.size(), QSize(800, 800));
    // Only the character's cell is drawn: white, with the black glyph in it.
    const QRect cell = ScreenDrawingWindow()->mask().boundingRect();
    EXPECT_EQ(ScreenDrawingWindow()->mask(), QRegion(cell));
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
                {{1, 1}, qRgb(0, 0, 255)},   {{798, 798}, qRgb(0, 0, 255)}, {{400, 400}, qRgb(0, 0, 255)}};
    for (const auto& row : rows)
        EXPECT_EQ(screen.pixel(row.at), row.colour) << row.at.x() << "," << row.at.y();
    EXPECT_EQ(ScreenDrawingWindow()->mask(), QRegion(0, 0, 800, 800));
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

// --- text and rectangles in a bitmap -----------------------------------------------------

TEST(ScreenContext, RectangleLeavesOutItsRightAndBottomEdges)
{
    Canvas canvas(10, 10, RGB(255, 255, 255));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(*canvas.DC(), red);
    Rectangle(*canvas.DC(), 2, 3, 7, 8);
    EXPECT_EQ(SelectObject(*canvas.DC(), old), red);
    EXPECT_TRUE(DeleteObject(red));
    const char* expected[] = {"..........", "..........", "..........", "..#####...", "..#rrr#...",
                              "..#rrr#...", "..#rrr#...", "..#####...", "..........", ".........."};
    for (int y = 0; y < 10; ++y) {
        std::string row;
        for (int x = 0; x < 10; ++x)
            row += canvas.At(x, y) == RGB(0, 0, 0) ? '#' : canvas.At(x, y) == RGB(255, 0, 0) ? 'r' : '.';
        EXPECT_EQ(row, expected[y]) << y;
    }
}

TEST(ScreenContext, SystemFontDescriptionAndSelection)
{
    LOGFONTA lf;
    ASSERT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), sizeof lf, &lf), 60);
    EXPECT_STREQ(lf.lfFaceName, "System");
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontIndirectA(&lf);
    EXPECT_EQ(SelectObject(screen, font), GetStockObject(SYSTEM_FONT));
    EXPECT_FALSE(DeleteObject(font));  // still selected
    SelectObject(screen, GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(GetStockObject(SYSTEM_FONT)));  // harmless: stock objects stay
    EXPECT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), sizeof lf, &lf), 60);
    ReleaseDC(nullptr, screen);
}

// --- code page 932 and the MCI shim ---------------------------------------------------------

TEST(CodePage, ShiftJisToUtf8)
{
    const struct {
        const char* bytes;
        const char* utf8;
    } rows[] = {{"\x92\xE5", "貞"},
                {"\x82\x6C\x82\x72\x20\x82\x6F\x96\xBE\x92\xA9", "ＭＳ Ｐ明朝"},
                {"System", "System"},
                {"\xB7\xAC\xDD\xBE\xD9", "ｷｬﾝｾﾙ"},
                {"a\x81", "a\xEF\xBF\xBD"},  // a lead byte cut off: U+FFFD
                {"", ""}};
    for (const auto& row : rows)
        EXPECT_EQ(CodePageToUtf8(CP_SHIFTJIS, row.bytes), row.utf8) << row.utf8;
    EXPECT_EQ(CodePageToUtf8(CP_UTF8, "貞"), "貞");
}

TEST(Mci, CommandsInAnyCaseAndSpacing)
{
    const struct {
        const char* command;
        MciCommand parsed;
    } rows[] = {{"set cdaudio door open", MciCommand::OpenDoor},
                {"  SET   CDAudio\tDOOR Open ", MciCommand::OpenDoor},
                {"set cdaudio door closed", MciCommand::CloseDoor},
                {"set cdaudio door", MciCommand::Unrecognised},
                {"set cdaudio door open wait", MciCommand::Unrecognised},
                {"set cdaudio door ajar", MciCommand::Unrecognised},
                {"play cdaudio", MciCommand::Unrecognised},
                {"", MciCommand::Unrecognised}};
    for (const auto& row : rows)
        EXPECT_EQ(ParseMciCommand(row.command), row.parsed) << '"' << row.command << '"';
}

TEST(Mci, EveryResultHasItsText)
{
    const MCIERROR codes[] = {0, MCIERR_UNRECOGNIZED_COMMAND, MCIERR_HARDWARE, MCIERR_CANNOT_LOAD_DRIVER,
                              MCIERR_UNSUPPORTED_FUNCTION, MCIERR_DEVICE_LOCKED, MCIERR_DEVICE_NOT_INSTALLED};
    char text[255];
    for (MCIERROR code : codes) {
        EXPECT_TRUE(mciGetErrorStringA(code, text, sizeof text)) << code;
        EXPECT_GT(std::strlen(text), 3u) << code;
    }
    EXPECT_FALSE(mciGetErrorStringA(999, text, sizeof text));
    char small[8];
    mciGetErrorStringA(MCIERR_HARDWARE, small, sizeof small);
    EXPECT_EQ(std::strlen(small), 6u);  // two whole characters, never half of one
}

TEST(Mci, TrayOfDevicesThatAreNoDrive)
{
    const struct {
        std::vector<std::string> devices;
        MCIERROR result;
    } rows[] = {{{}, MCIERR_DEVICE_NOT_INSTALLED},
                {{"/nonexistent/cdrom"}, MCIERR_DEVICE_NOT_INSTALLED},
                {{"/nonexistent/cdrom", "/dev/null"}, MCIERR_UNSUPPORTED_FUNCTION},
                {{"/tmp"}, MCIERR_UNSUPPORTED_FUNCTION}};
    for (const auto& row : rows)
        EXPECT_EQ(MoveCdTray(row.devices, true), row.result) << row.devices.size();
    MciSetCdDevicesForTesting({"/nonexistent/cdrom"});
    EXPECT_EQ(mciSendStringA("set cdaudio door closed", nullptr, 0, nullptr), MCIERR_DEVICE_NOT_INSTALLED);
    EXPECT_EQ(mciSendStringA("eject", nullptr, 0, nullptr), MCIERR_UNRECOGNIZED_COMMAND);
}

}  // namespace
