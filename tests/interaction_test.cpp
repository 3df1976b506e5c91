// The pointer, the context menu and the Exit and About commands of a running
// clock on the offscreen platform.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QMenu>
#include <QMouseEvent>
#include <qpa/qplatformnativeinterface.h>

#include "clockharness.h"
#include "modalscript.h"
#include "platform/afx/afxmenu.h"

namespace {

// The clock at (100, 50), 400 x 100, whose face the pointer works on.
class Pointer : public RunningClock {
public:
    void SetUp() override
    {
        Open("[SETTING]\r\nUPDATE=10000\r\nWINLEFT=100\r\nWINTOP=50\r\nWINRIGHT=500\r\nWINBOTTOM=150\r\n");
    }
};

// --- the drag ---------------------------------------------------------------------

struct DragRow {
    const char* name;
    std::vector<std::pair<UINT, CPoint>> messages;  // to the view, in client coordinates
    CPoint topLeft;                                 // of the window afterwards; it starts at (100, 50)
    bool screenOnTheLeft = false;  // a 1024 x 768 screen left of the primary, at x = -1024
};
void PrintTo(const DragRow& r, std::ostream* os) { *os << r.name; }

// The offscreen platform's screens, as its configuration, which its native
// interface reads and changes while it runs.
QJsonObject ScreenConfiguration()
{
    QPlatformNativeInterface* native = qGuiApp->platformNativeInterface();
    auto get = reinterpret_cast<QJsonObject (*)(QPlatformNativeInterface*)>(
        native->nativeResourceForIntegration("configuration"));
    return get(native);
}
void SetScreenConfiguration(const QJsonObject& configuration)
{
    QPlatformNativeInterface* native = qGuiApp->platformNativeInterface();
    auto set = reinterpret_cast<void (*)(const QJsonObject&, QPlatformNativeInterface*)>(
        native->nativeResourceForIntegration("setConfiguration"));
    set(configuration, native);
}

class Drag : public Pointer, public ::testing::WithParamInterface<DragRow> {
public:
    void SetUp() override
    {
        m_screens = ScreenConfiguration();
        if (GetParam().screenOnTheLeft) {
            QJsonObject configuration = m_screens;
            QJsonArray screens = configuration["screens"].toArray();
            screens.append(QJsonObject{{"name", "left"}, {"x", -1024}, {"y", 0}, {"width", 1024}, {"height", 768}});
            configuration["screens"] = screens;
            SetScreenConfiguration(configuration);
            ASSERT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), -1024);
        }
        Pointer::SetUp();
    }
    void TearDown() override
    {
        m_clock.reset();
        SetScreenConfiguration(m_screens);
    }

private:
    QJsonObject m_screens;
};

TEST_P(Drag, MovesTheMainWindowByThePointersOffset)
{
    for (const auto& [message, point] : GetParam().messages)
        View()->SendMessage(message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(m_clock->WindowRect(), CRect(GetParam().topLeft.x, GetParam().topLeft.y,
                                           GetParam().topLeft.x + 400, GetParam().topLeft.y + 100));
}

constexpr UINT kDown = WM_LBUTTONDOWN, kMove = WM_MOUSEMOVE, kUp = WM_LBUTTONUP;
INSTANTIATE_TEST_SUITE_P(
    Rows, Drag,
    ::testing::Values(
        DragRow{"RightAndDown", {{kDown, {50, 40}}, {kMove, {80, 45}}, {kUp, {50, 40}}}, {130, 55}},
        // The anchor stays: the same offset again moves the window again.
        DragRow{"TheAnchorStays", {{kDown, {50, 40}}, {kMove, {60, 50}}, {kMove, {60, 50}}}, {120, 70}},
        DragRow{"PastTheLeftEdge", {{kDown, {50, 40}}, {kMove, {-100, 60}}}, {0, 70}},
        DragRow{"PastTheTopEdge", {{kDown, {50, 40}}, {kMove, {70, -90}}}, {120, 0}},
        DragRow{"PastBoth", {{kDown, {50, 40}}, {kMove, {-500, -500}}}, {0, 0}},
        // A monitor left of the primary has negative coordinates: the window
        // goes onto it, as far as its left edge.
        DragRow{"OntoTheScreenOnTheLeft", {{kDown, {50, 40}}, {kMove, {-100, 60}}}, {-50, 70}, true},
        DragRow{"PastTheLeftScreensEdge", {{kDown, {50, 40}}, {kMove, {-2000, 40}}}, {-1024, 50}, true},
        DragRow{"FarRightAndDown", {{kDown, {0, 0}}, {kMove, {3000, 2000}}}, {3100, 2050}},
        DragRow{"ClickWithoutMove", {{kDown, {50, 40}}, {kUp, {50, 40}}}, {100, 50}},
        DragRow{"MovesAfterTheReleaseDoNothing", {{kDown, {50, 40}}, {kUp, {50, 40}}, {kMove, {90, 90}}}, {100, 50}},
        DragRow{"MovesWithoutAPressDoNothing", {{kMove, {90, 90}}}, {100, 50}}),
    [](const auto& info) { return std::string(info.param.name); });

// A release the view never saw (a popup took the pointer) still ends the
// drag: the next move comes with the button up and moves nothing.
TEST_F(Pointer, AMoveWithTheButtonUpEndsTheDrag)
{
    QWidget* face = WidgetOf(View()->m_hWnd);
    auto send = [face](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, face->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(face, &event);
    };
    send(QEvent::MouseButtonPress, QPoint(50, 40), Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(60, 45), Qt::LeftButton);
    EXPECT_EQ(m_clock->WindowRect(), CRect(110, 55, 510, 155));
    send(QEvent::MouseMove, QPoint(90, 90), Qt::NoButton);
    EXPECT_EQ(m_clock->WindowRect(), CRect(110, 55, 510, 155));
}

// Press, release, double-click, release: the double-click opens the settings
// instead of starting a drag.
TEST_F(Pointer, DoubleClickOpensTheSettingsWithoutADrag)
{
    const LPARAM at = MAKELPARAM(50, 40);
    View()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    View()->SendMessage(WM_LBUTTONUP, 0, at);
    bool opened = false;
    ModalScript script;
    script.Then([&] {
        opened = View()->Dialog().m_hWnd != nullptr;
        Type(Qt::Key_Escape);
    });
    script.Start();
    View()->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(opened);
    View()->SendMessage(WM_LBUTTONUP, 0, at);
    View()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(90, 90));
    EXPECT_EQ(m_clock->WindowRect(), CRect(100, 50, 500, 150));
}

// --- the context menu -------------------------------------------------------------------

// A running clock whose context menu a test opens; its commands.
class ContextMenu : public RunningClock {};

TEST_F(ContextMenu, LoadsTheSixEntriesOfTheFirstPopup)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
    char text[64];
    GetMenuStringA(menu.m_hMenu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "ﾌｧｲﾙ(&F)");
    HMENU popup = menu.GetSubMenu(0)->m_hMenu;
    const struct {
        UINT id;
        const char* text;
    } expected[] = {{ID_SETTING, "設定します"},      {0, ""},
                    {ID_SURPRISE, "パルプンテ！"},    {ID_APP_ABOUT, "tarvikについて"},
                    {0, ""},                           {ID_APP_EXIT, "終了(&X)"}};
    ASSERT_EQ(GetMenuItemCount(popup), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(GetMenuItemID(popup, i), expected[i].id) << i;
        GetMenuStringA(popup, UINT(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, expected[i].text) << i;
        const UINT state = GetMenuState(popup, UINT(i), MF_BYPOSITION);
        EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED), 0u) << i;
        EXPECT_EQ(bool(state & MF_SEPARATOR), expected[i].id == 0) << i;
    }
}

// The menu's corner is the click in screen coordinates, from the view's
// window rectangle; a command chosen by keyboard reaches the view (About
// here, while the clock goes on ticking); the loaded menu is destroyed.
TEST_F(ContextMenu, RightClickTracksTheMenuAtThePointer)
{
    Open("[SETTING]\r\nUPDATE=20\r\nWINLEFT=100\r\nWINTOP=50\r\nWINRIGHT=500\r\nWINBOTTOM=150\r\n");
    const DWORD userObjects = GetGuiResources(nullptr, GR_USEROBJECTS);
    QPoint corner;
    QStringList texts;
    std::optional<UINT> clockWhileAbout;
    std::string aboutTitle;
    ModalScript script;
    script
        .Then([&] {
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            corner = menu->pos();
            for (QAction* action : menu->actions())
                texts << (action->isSeparator() ? "-" : action->text());
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
                QTest::keyClick(menu, key);
        })
        .Then([&] {
            aboutTitle = GetFocus() ? WidgetOf(GetFocus())->window()->windowTitle().toStdString() : "";
            clockWhileAbout = m_clock->TimerPeriod(IDT_CLOCK);
            Type(Qt::Key_Return);
        });
    script.Start();
    View()->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 20));
    EXPECT_EQ(corner, QPoint(100 + 4 + 30, 50 + 4 + 20));  // inside the 4-pixel border
    EXPECT_EQ(texts.join("|").toStdString(), "設定します|-|パルプンテ！|tarvikについて|-|終了(&X)");
    EXPECT_EQ(GetGuiResources(nullptr, GR_USEROBJECTS), userObjects);
    PumpEvents(50);  // the chosen command is posted
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(aboutTitle, "TARVIK");
    EXPECT_EQ(clockWhileAbout, 20u);  // the clock runs on while the box is open
}

// The keyboard opens the same menu at the face's top-left corner: the menu
// key and Shift+F10, as on Windows; F10 alone does not. As a context menu on
// Windows, it opens with no item selected, and Down selects the first.
TEST_F(ContextMenu, FromTheKeyboardAtTheFacesCorner)
{
    Open("[SETTING]\r\nUPDATE=10000\r\nWINLEFT=100\r\nWINTOP=50\r\nWINRIGHT=500\r\nWINBOTTOM=150\r\n");
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    } rows[] = {{Qt::Key_Menu, Qt::NoModifier, true}, {Qt::Key_F10, Qt::ShiftModifier, true},
                {Qt::Key_F10, Qt::NoModifier, false}};
    for (const auto& row : rows) {
        std::optional<QPoint> corner;
        QString selectedAtFirst = "-", selectedAfterDown;
        ModalScript script;
        script.Then([&] {
            if (QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                corner = menu->pos();
                selectedAtFirst = menu->activeAction() ? menu->activeAction()->text() : "";
                QTest::keyClick(menu, Qt::Key_Down);
                selectedAfterDown = menu->activeAction() ? menu->activeAction()->text() : "";
                QTest::keyClick(menu, Qt::Key_Escape);
            }
        });
        script.Start();
        QTest::keyClick(WidgetOf(m_clock->Frame()->m_hWnd), row.key, row.modifiers);
        PumpEvents(100);
        EXPECT_TRUE(script.Finished()) << row.key;
        EXPECT_EQ(corner.has_value(), row.opens) << row.key;
        if (row.opens) {
            EXPECT_EQ(corner, QPoint(100 + 4, 50 + 4)) << row.key;  // inside the 4-pixel border
            EXPECT_EQ(selectedAtFirst.toStdString(), "") << row.key;
            EXPECT_EQ(selectedAfterDown.toStdString(), "設定します") << row.key;
        }
    }
}

// --- Exit ---------------------------------------------------------------------------------

TEST_F(ContextMenu, ExitReturnsBeforeTheWindowClosesAndTheCloseSaves)
{
    Open("[SETTING]\r\nUPDATE=10000\r\n");
    m_clock->Frame()->SetWindowPos(nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    View()->SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_NE(m_clock->App().GetMainWnd(), nullptr);
    EXPECT_EQ(ReadText(m_clock->IniPath()), "[SETTING]\r\nUPDATE=10000\r\n");
    PumpEvents(50);
    EXPECT_EQ(m_clock->App().GetMainWnd(), nullptr);
    EXPECT_NE(ReadText(m_clock->IniPath()).find("\r\nWINTOP=40\r\nWINBOTTOM=140\r\nWINLEFT=30\r\nWINRIGHT=430\r\n"),
              std::string::npos);
}

}  // namespace
