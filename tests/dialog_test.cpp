// The framework's dialogs, on the settings dialog's template: layout in dialog
// units, placement, the dialog manager's keys and the up-down control.
#include <gtest/gtest.h>

#include <QToolButton>

#include "dialogfixture.h"
#include "platform/win/winbase.h"

namespace {

// --- layout ----------------------------------------------------------------------

// IPA P Gothic at 9 points has base units of 7 x 13 pixels (average Latin
// letter 7, height 13): x dialog units are x * 7 / 4 pixels, y units y * 13 / 8.
struct LayoutRow {
    int id;
    QRect pixels;
};

TEST_F(SettingDialog, LaysOutInDialogUnitsOfItsFont)
{
    Open("[SETTING]\r\nUPDATE=10000\r\n");
    const LayoutRow rows[] = {
        {IDOK, QRect(51, 263, 88, 23)},          // 29, 162, 50, 14
        {IDCANCEL, QRect(166, 263, 88, 23)},     // 95, 162, 50, 14
        {IDC_MILLISECOND, QRect(201, 76, 67, 26)},  // 115, 47, 38, 16
        {IDC_USE_SYSCOLOR, QRect(21, 208, 215, 28)},  // 12, 128, 123, 17
        // The spin sits against the field's right edge, as high as the
        // field, which gives up the spin's width.
        {IDC_INTERVAL, QRect(193, 154, 40, 23)},       // 110, 95, 32, 14
        {IDC_INTERVAL_SPIN, QRect(233, 154, 16, 23)},  // 9 wide
    };
    ModalScript script;
    script.Then([&] {
        HWND dlg = Dialog().m_hWnd;
        EXPECT_EQ(QFontInfo(WidgetOf(dlg)->font()).family(), "IPAPGothic");
        RECT units{0, 0, 4, 8};
        MapDialogRect(dlg, &units);
        EXPECT_EQ(units.right, 7);
        EXPECT_EQ(units.bottom, 13);
        EXPECT_EQ(WidgetOf(dlg)->size(), QSize(305, 297));  // 174 x 183 units
        for (const LayoutRow& row : rows)
            EXPECT_EQ(WidgetOf(Item(row.id))->geometry(), row.pixels) << row.id;
        Type(Qt::Key_Escape);
    });
    RunSettings(script);
}

struct PlacementRow {
    const char* name;
    const char* window;  // the clock's INI rectangle
    QPoint topLeft;      // the dialog's, 305 x 297
};
void PrintTo(const PlacementRow& r, std::ostream* os) { *os << r.name; }

class DialogPlacement : public SettingDialog, public ::testing::WithParamInterface<PlacementRow> {};

TEST_P(DialogPlacement, CentredOverTheClockWithinTheScreen)
{
    Open(std::string("[SETTING]\r\nUPDATE=10000\r\n") + GetParam().window);
    ModalScript script;
    script.Then([&] {
        EXPECT_EQ(WidgetOf(Dialog().m_hWnd)->frameGeometry().topLeft(), GetParam().topLeft);
        Type(Qt::Key_Escape);
    });
    RunSettings(script);
}

// The offscreen screen is 800 x 800.
INSTANTIATE_TEST_SUITE_P(
    Rows, DialogPlacement,
    ::testing::Values(PlacementRow{"Centred", "WINLEFT=200\r\nWINTOP=300\r\nWINRIGHT=600\r\nWINBOTTOM=400\r\n",
                                   QPoint(248, 202)},
                      PlacementRow{"KeptBelowTheTop", "", QPoint(48, 0)},
                      PlacementRow{"KeptLeftOfTheRightEdge",
                                   "WINLEFT=600\r\nWINTOP=600\r\nWINRIGHT=800\r\nWINBOTTOM=700\r\n", QPoint(495, 502)}),
    [](const auto& info) { return std::string(info.param.name); });

// --- keys -----------------------------------------------------------------------------

// Tab follows the template's order over the tab stops, skipping a disabled
// control, and comes round to OK again.
TEST_F(SettingDialog, TabFollowsTheTemplateOrder)
{
    Open("[SETTING]\r\nUPDATE=10000\r\nUSESYSCOLOR=1\r\n");  // the background button is disabled
    const std::vector<int> expected = {IDCANCEL,     IDC_YEAR,      IDC_MONTH,    IDC_DAY,
                                       IDC_HOUR,     IDC_MINUTE,    IDC_SECOND,   IDC_MILLISECOND,
                                       IDC_INTERVAL, IDC_BAR_COLOR, IDC_USE_SYSCOLOR, IDOK};
    std::vector<int> visited;
    int backwards = 0;
    ModalScript script;
    script.Then([&] {
        for (size_t i = 0; i < expected.size(); ++i) {
            Type(Qt::Key_Tab);
            visited.push_back(GetDlgCtrlID(GetFocus()));
        }
        Type(Qt::Key_Backtab, Qt::ShiftModifier);
        backwards = GetDlgCtrlID(GetFocus());
        Type(Qt::Key_Escape);
    });
    RunSettings(script);
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(backwards, IDC_USE_SYSCOLOR);
}

struct KeyRow {
    const char* name;
    int focus;         // the control the keys go to, after a click on the year box
    const char* typed;
    Qt::Key key;       // then this key, unless Qt::Key_unknown; the dialog has closed then
    const char* bars;  // committed afterwards
    int interval;
};
void PrintTo(const KeyRow& r, std::ostream* os) { *os << r.name; }

class DialogKeys : public SettingDialog, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(DialogKeys, WorkAsOnWindows)
{
    Open("[SETTING]\r\nUPDATE=100\r\nBARS=NNNNYYY\r\n");
    ModalScript script;
    script.Then([&] {
        Click(IDC_YEAR);
        SetFocus(Item(GetParam().focus));
        Type(GetParam().typed);
        if (GetParam().key != Qt::Key_unknown)
            Type(GetParam().key);
    });
    RunSettings(script);
    EXPECT_EQ(Bars(), GetParam().bars);
    EXPECT_EQ(Dialog().GetInterval(), GetParam().interval);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DialogKeys,
    ::testing::Values(KeyRow{"SpaceTogglesABoxAndEnterIsOK", IDC_MONTH, " ", Qt::Key_Return, "YYNNYYY", 100},
                      KeyRow{"EnterInTheField", IDC_INTERVAL, "1", Qt::Key_Enter, "YNNNYYY", 1001},
                      KeyRow{"OnlyDigitsFromTheKeyboard", IDC_INTERVAL, "\b\b\b7x,.9-", Qt::Key_Return, "YNNNYYY", 79},
                      KeyRow{"EscapeCancels", IDC_MONTH, " ", Qt::Key_Escape, "NNNNYYY", 100},
                      KeyRow{"EnterPressesTheFocusedButton", IDCANCEL, "", Qt::Key_Return, "NNNNYYY", 100},
                      KeyRow{"SpacePressesCancel", IDCANCEL, " ", Qt::Key_unknown, "NNNNYYY", 100},
                      KeyRow{"SpacePressesOK", IDOK, " ", Qt::Key_unknown, "YNNNYYY", 100}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the up-down control --------------------------------------------------------------

struct SpinRow {
    const char* name;
    const char* field;
    Qt::Key key;
    int presses;
    const char* after;
};
void PrintTo(const SpinRow& r, std::ostream* os) { *os << r.name; }

class IntervalSpin : public SettingDialog, public ::testing::WithParamInterface<SpinRow> {};

// The arrow keys in the field step the spin, which writes plain digits
// within 0..10000 into the field.
TEST_P(IntervalSpin, StepsThePlainNumberInTheField)
{
    Open("[SETTING]\r\nUPDATE=100\r\n");
    std::string after;
    LRESULT range = 0;
    ModalScript script;
    script.Then([&] {
        range = SendMessageA(Item(IDC_INTERVAL_SPIN), UDM_GETRANGE, 0, 0);
        EXPECT_EQ(HWND(SendMessageA(Item(IDC_INTERVAL_SPIN), UDM_GETBUDDY, 0, 0)), Item(IDC_INTERVAL));
        SetText(IDC_INTERVAL, GetParam().field);
        SetFocus(Item(IDC_INTERVAL));
        for (int i = 0; i < GetParam().presses; ++i)
            Type(GetParam().key);
        after = Text(IDC_INTERVAL);
        Type(Qt::Key_Escape);
    });
    RunSettings(script);
    EXPECT_EQ(range, MAKELONG(10000, 0));
    EXPECT_EQ(after, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IntervalSpin,
    ::testing::Values(SpinRow{"Up", "50", Qt::Key_Up, 3, "53"}, SpinRow{"Down", "50", Qt::Key_Down, 2, "48"},
                      SpinRow{"NoThousandsSeparator", "998", Qt::Key_Up, 3, "1001"},
                      SpinRow{"StopsAtTheTop", "9999", Qt::Key_Up, 3, "10000"},
                      SpinRow{"StopsAtZero", "1", Qt::Key_Down, 3, "0"},
                      SpinRow{"FromAboveTheRange", "20000", Qt::Key_Down, 1, "9999"},
                      SpinRow{"FromNoNumber", "", Qt::Key_Up, 1, "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingDialog, SpinArrowsStepWithTheMouse)
{
    Open("[SETTING]\r\nUPDATE=100\r\n");
    std::string after;
    ModalScript script;
    script.Then([&] {
        const auto arrows = WidgetOf(Item(IDC_INTERVAL_SPIN))->findChildren<QToolButton*>();
        ASSERT_EQ(arrows.size(), 2);
        QTest::mouseClick(arrows[0], Qt::LeftButton);  // up
        QTest::mouseClick(arrows[0], Qt::LeftButton);
        QTest::mouseClick(arrows[1], Qt::LeftButton);  // down
        after = Text(IDC_INTERVAL);
        Type(Qt::Key_Return);
    });
    RunSettings(script);
    EXPECT_EQ(after, "101");
    EXPECT_EQ(Dialog().GetInterval(), 101);
}

// --- dialog units ------------------------------------------------------------------------

TEST(MulDiv, RoundsHalfAwayFromZero)
{
    const struct {
        int a, b, c, expected;
    } rows[] = {{29, 7, 4, 51}, {50, 7, 4, 88}, {14, 13, 8, 23}, {-50, 7, 4, -88}, {50, -7, 4, -88},
                {50, 7, -4, -88}, {1, 1, 0, -1}, {INT32_MAX, 2, 1, -1}, {INT32_MAX, 2, 2, INT32_MAX}};
    for (const auto& r : rows)
        EXPECT_EQ(MulDiv(r.a, r.b, r.c), r.expected) << r.a << " * " << r.b << " / " << r.c;
}

}  // namespace
