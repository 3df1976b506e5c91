// The settings dialog on the offscreen platform, opened by the settings
// command of a running clock and driven from a script.
#include <gtest/gtest.h>

#include "dialogfixture.h"

namespace {

// --- what the dialog shows ----------------------------------------------------

struct ShownRow {
    const char* name;
    const char* ini;
    const char* checks;  // one Y or N per box, year first
    const char* interval;
    bool sysColor;
    bool backButtonEnabled;
};
void PrintTo(const ShownRow& r, std::ostream* os) { *os << r.name; }

class SettingDialogShows : public SettingDialog, public ::testing::WithParamInterface<ShownRow> {};

TEST_P(SettingDialogShows, TheCommittedSettings)
{
    Open(std::string("[SETTING]\r\n") + GetParam().ini);
    ModalScript script;
    script.Then([&] {
        for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
            EXPECT_EQ(Checked(kBarBoxes[kind]), GetParam().checks[kind] == 'Y') << kind;
        EXPECT_EQ(Text(IDC_INTERVAL), GetParam().interval);
        EXPECT_EQ(Checked(IDC_USE_SYSCOLOR), GetParam().sysColor);
        EXPECT_EQ(IsWindowEnabled(Item(IDC_BACK_COLOR)), GetParam().backButtonEnabled);
        EXPECT_EQ(GetFocus(), Item(IDOK));
        Type(Qt::Key_Escape);
    });
    RunSettings(script);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingDialogShows,
    ::testing::Values(ShownRow{"Defaults", "", "NNNNYYY", "50", false, true},
                      ShownRow{"EverythingSet", "BARS=YYYYYYY\r\nUPDATE=10000\r\nUSESYSCOLOR=1\r\n", "YYYYYYY", "10000",
                               true, false},
                      ShownRow{"AboveTheRange", "BARS=YNYNYNY\r\nUPDATE=20000\r\n", "YNYNYNY", "20000", false, true},
                      ShownRow{"Negative", "UPDATE=-1\r\n", "NNNNYYY", "4294967295", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- what OK commits -------------------------------------------------------------

struct CommitRow {
    const char* name;
    const char* ini;
    std::function<void(SettingDialog&)> edit;  // run in the open dialog before OK
    const char* bars;
    int interval;
    int useSysColor;
    COLORREF background;  // CLR_INVALID: the desktop's window colour
};
void PrintTo(const CommitRow& r, std::ostream* os) { *os << r.name; }

class SettingDialogCommits : public SettingDialog, public ::testing::WithParamInterface<CommitRow> {};

TEST_P(SettingDialogCommits, OnOK)
{
    Open(std::string("[SETTING]\r\nBARS=NYNYNYN\r\nUPDATE=321\r\nBGCOLOR=255\r\n") + GetParam().ini);
    ModalScript script;
    script.Then([&] { GetParam().edit(*this); }).Then([&] { Type(Qt::Key_Return); });
    RunSettings(script);
    const std::string bars = Bars();
    EXPECT_EQ(bars, GetParam().bars);
    EXPECT_EQ(Dialog().GetShown(), int(std::count(bars.begin(), bars.end(), 'Y')));
    EXPECT_EQ(Dialog().GetInterval(), GetParam().interval);
    EXPECT_EQ(Dialog().GetUseSysColor(), GetParam().useSysColor);
    const COLORREF background = GetParam().background;
    EXPECT_EQ(Dialog().GetBackColor(), background == CLR_INVALID ? GetSysColor(COLOR_WINDOW) : background);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingDialogCommits,
    ::testing::Values(
        CommitRow{"NoChange", "", [](SettingDialog&) {}, "NYNYNYN", 321, 0, 255},
        // With the system colour in use, OK samples it again.
        CommitRow{"NoChangeWithSystemColour", "USESYSCOLOR=1\r\n", [](SettingDialog&) {}, "NYNYNYN", 321, 1,
                  CLR_INVALID},
        CommitRow{"SystemColourTurnedOn", "", [](SettingDialog& d) { d.Click(IDC_USE_SYSCOLOR); }, "NYNYNYN", 321, 1,
                  CLR_INVALID},
        CommitRow{"AllBarsCleared", "",
                  [](SettingDialog& d) {
                      for (int id : kBarBoxes)
                          if (d.Checked(id))
                              d.Click(id);
                  },
                  "NNNNNNN", 321, 0, 255},
        CommitRow{"BarsToggled", "",
                  [](SettingDialog& d) {
                      for (int id : kBarBoxes)
                          d.Click(id);
                  },
                  "YNYNYNY", 321, 0, 255},
        CommitRow{"IntervalZero", "", [](SettingDialog& d) { d.SetText(IDC_INTERVAL, "0"); }, "NYNYNYN", 0, 0, 255},
        CommitRow{"IntervalAtTheTop", "", [](SettingDialog& d) { d.SetText(IDC_INTERVAL, " 10000 "); }, "NYNYNYN",
                  10000, 0, 255}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingDialog, NoBarLeftDrawsTheBackgroundOnly)
{
    Open("[SETTING]\r\nUPDATE=10000\r\nBARS=NNNNNNY\r\n");
    ModalScript script;
    script.Then([&] { Click(IDC_MILLISECOND); }).Then([&] { Type(Qt::Key_Return); });
    RunSettings(script);
    ASSERT_EQ(Dialog().GetShown(), 0);
    View()->SendMessage(WM_TIMER, IDT_CLOCK);
    const CRect rc = View()->GetBackBuffer().GetRect();
    for (int y = 0; y < rc.Height(); y += 5)
        for (int x = 0; x < rc.Width(); x += 5)
            ASSERT_EQ(View()->GetBackBuffer().GetMemDC()->GetPixel(x, y), RGB(173, 222, 255)) << x << "," << y;
}

// --- what OK refuses ---------------------------------------------------------------

struct RefusedRow {
    const char* name;
    int stored;         // UPDATE in the INI file
    const char* typed;  // nullptr: the field as the dialog opened
    const char* message;
};
void PrintTo(const RefusedRow& r, std::ostream* os) { *os << r.name; }

class SettingDialogRefuses : public SettingDialog, public ::testing::WithParamInterface<RefusedRow> {};

// A refused interval shows the message, puts the focus back into the field
// with its text selected, keeps the dialog open and commits nothing.
TEST_P(SettingDialogRefuses, TheIntervalAndCommitsNothing)
{
    Open("[SETTING]\r\nBARS=NNNNYYY\r\nUPDATE=" + std::to_string(GetParam().stored) + "\r\n");
    ModalScript script;
    std::string message;
    script
        .Then([&] {
            Click(IDC_YEAR);
            if (GetParam().typed)
                SetText(IDC_INTERVAL, GetParam().typed);
            Type(Qt::Key_Return);  // blocks in the message box
        })
        .Then([&] { message = CloseMessageBox(); })
        .Then([&] {
            EXPECT_NE(Dialog().m_hWnd, nullptr);
            EXPECT_EQ(GetFocus(), Item(IDC_INTERVAL));
            const LRESULT selection = SendMessageA(Item(IDC_INTERVAL), EM_GETSEL, 0, 0);
            EXPECT_EQ(LOWORD(std::uintptr_t(selection)), 0u);
            EXPECT_EQ(HIWORD(std::uintptr_t(selection)), Text(IDC_INTERVAL).size());
            Type(Qt::Key_Escape);
        });
    RunSettings(script);
    EXPECT_EQ(message, GetParam().message);
    EXPECT_EQ(Bars(), "NNNNYYY");
    EXPECT_EQ(Dialog().GetInterval(), GetParam().stored);
}

constexpr const char* kRangeMessage = "0 から 10000 までの整数を入力してください。";
constexpr const char* kNumberMessage = "正の整数を入力してください。";

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingDialogRefuses,
    ::testing::Values(RefusedRow{"JustAboveTheRange", 50, "10001", kRangeMessage},
                      RefusedRow{"BeyondThirtyTwoBits", 50, "99999999999", kRangeMessage},
                      RefusedRow{"Empty", 50, "", kNumberMessage}, RefusedRow{"NotANumber", 50, "12a", kNumberMessage},
                      RefusedRow{"Negative", 50, "-5", kNumberMessage},
                      RefusedRow{"StoredAboveTheRange", 20000, nullptr, kRangeMessage},
                      RefusedRow{"StoredNegative", -1, nullptr, kRangeMessage}),
    [](const auto& info) { return std::string(info.param.name); });

// The system-colour box toggles at once; with a refused interval its field,
// and so the background button, keep their state.
TEST_F(SettingDialog, SystemColourClickWithARefusedInterval)
{
    Open("[SETTING]\r\nUPDATE=100000\r\n");
    ModalScript script;
    std::string message;
    script
        .Then([&] {
            SetText(IDC_INTERVAL, "20000");
            Click(IDC_USE_SYSCOLOR);  // blocks in the message box
        })
        .Then([&] { message = CloseMessageBox(); })
        .Then([&] {
            EXPECT_TRUE(Checked(IDC_USE_SYSCOLOR));
            EXPECT_TRUE(IsWindowEnabled(Item(IDC_BACK_COLOR)));
            SetText(IDC_INTERVAL, "200");
            Click(IDC_USE_SYSCOLOR);
            Click(IDC_USE_SYSCOLOR);
            EXPECT_FALSE(IsWindowEnabled(Item(IDC_BACK_COLOR)));
            Type(Qt::Key_Escape);
        });
    RunSettings(script);
    EXPECT_EQ(message, kRangeMessage);
}

// --- the colour choosers -------------------------------------------------------------

// The choosers open with their constructor colours in a fresh run, whatever
// the INI holds, and then with the last colour chosen in them; a pick reaches
// the settings only through the dialog's OK.
TEST_F(SettingDialog, ColourChoosersRememberTheirLastColour)
{
    Open("[SETTING]\r\nUPDATE=10000\r\nFGCOLOR=255\r\nBGCOLOR=65280\r\n");
    std::vector<COLORREF> preselected;
    auto click = [&](int id) { return [this, id] { Click(id); }; };  // blocks in the chooser
    auto choose = [&](COLORREF colour, bool confirm) {
        return [&preselected, colour, confirm] {
            QColorDialog* chooser = OpenColorDialog();
            ASSERT_NE(chooser, nullptr);
            const QColor current = chooser->currentColor();
            preselected.push_back(RGB(current.red(), current.green(), current.blue()));
            chooser->setCurrentColor(QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
            confirm ? chooser->accept() : chooser->reject();
        };
    };

    ModalScript first;
    first.Then(click(IDC_BAR_COLOR))
        .Then(choose(RGB(1, 2, 3), true))
        .Then(click(IDC_BACK_COLOR))
        .Then(choose(RGB(4, 5, 6), true))
        .Then([] { Type(Qt::Key_Escape); });
    RunSettings(first);
    EXPECT_EQ(Dialog().GetBarColor(), 255u);  // Cancel dropped the picks
    EXPECT_EQ(Dialog().GetBackColor(), 65280u);

    ModalScript second;
    second.Then(click(IDC_BAR_COLOR))
        .Then(choose(RGB(7, 8, 9), false))
        .Then(click(IDC_BACK_COLOR))
        .Then(choose(RGB(10, 11, 12), true))
        .Then([] { Type(Qt::Key_Return); });
    RunSettings(second);
    EXPECT_EQ(Dialog().GetBarColor(), 255u);  // the chooser was cancelled: the committed colour stays
    EXPECT_EQ(Dialog().GetBackColor(), RGB(10, 11, 12));

    EXPECT_EQ(preselected, (std::vector<COLORREF>{0x848400, 0xFFDEAD, RGB(1, 2, 3), RGB(4, 5, 6)}));
}

// --- the clock while the dialog is open -------------------------------------------------

struct EndingRow {
    const char* name;
    std::function<void()> end;
    int interval;  // the clock's interval afterwards
};
void PrintTo(const EndingRow& r, std::ostream* os) { *os << r.name; }

class SettingDialogEnds : public SettingDialog, public ::testing::WithParamInterface<EndingRow> {};

// The clock stands still and takes no input while the dialog is open, the
// shake goes on, and the clock runs again afterwards at the interval then in force.
TEST_P(SettingDialogEnds, WithTheClockRunningAgain)
{
    Open("[SETTING]\r\nUPDATE=20\r\n");
    View()->SetTimer(IDT_SHAKE, 100, nullptr);
    std::optional<UINT> clockWhileOpen = 0, shakeWhileOpen;
    ModalScript script;
    script
        .Then([&] {
            SetText(IDC_INTERVAL, "40");
            clockWhileOpen = m_clock->TimerPeriod(IDT_CLOCK);
            shakeWhileOpen = m_clock->TimerPeriod(IDT_SHAKE);
            EXPECT_FALSE(IsWindowEnabled(m_clock->Frame()->m_hWnd));  // the face takes no input
        })
        .Then(GetParam().end);
    RunSettings(script);
    EXPECT_TRUE(IsWindowEnabled(m_clock->Frame()->m_hWnd));
    EXPECT_EQ(clockWhileOpen, std::nullopt);
    EXPECT_EQ(shakeWhileOpen, 100u);
    EXPECT_EQ(Dialog().GetInterval(), GetParam().interval);
    EXPECT_EQ(m_clock->TimerPeriod(IDT_CLOCK), UINT(GetParam().interval));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingDialogEnds,
    ::testing::Values(EndingRow{"Enter", [] { Type(Qt::Key_Return); }, 40},
                      EndingRow{"Escape", [] { Type(Qt::Key_Escape); }, 20},
                      EndingRow{"CloseBox", [] { QApplication::activeWindow()->close(); }, 20}),
    [](const auto& info) { return std::string(info.param.name); });

// The window manager closing the clock (or a signal) while the dialog is open
// ends the dialog as Cancel first; the clock then closes and saves.
TEST_F(SettingDialog, ACloseRequestEndsTheDialogFirst)
{
    Open("[SETTING]\r\nUPDATE=20\r\n");
    ModalScript script;
    script.Then([&] {
        Click(IDC_YEAR);
        WidgetOf(m_clock->Frame()->m_hWnd)->close();
    });
    script.Start();
    View()->SendMessage(WM_COMMAND, ID_SETTING);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Bars(), "NNNNYYY");  // cancelled
    EXPECT_NE(m_clock->App().GetMainWnd(), nullptr);
    PumpEvents(50);
    EXPECT_EQ(m_clock->App().GetMainWnd(), nullptr);
    EXPECT_NE(ReadText(m_clock->IniPath()).find("BARS=NNNNYYY\r\n"), std::string::npos);
}

}  // namespace
