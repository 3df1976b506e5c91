// The menu resource. The frame's menu bar is never shown; its first popup
// serves as the clock's context menu.
#include "platform/win/winuser.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

const AFX_MENU_ITEM kFileItems[] = {
    {MF_STRING, ID_SETTING, "設定します", nullptr, 0},
    {MF_SEPARATOR, 0, nullptr, nullptr, 0},
    {MF_STRING, ID_SURPRISE, "パルプンテ！", nullptr, 0},
    {MF_STRING, ID_APP_ABOUT, "tarvikについて", nullptr, 0},
    {MF_SEPARATOR, 0, nullptr, nullptr, 0},
    {MF_STRING, ID_APP_EXIT, "終了(&X)", nullptr, 0},
};

const AFX_MENU_ITEM kMainMenu[] = {
    {MF_POPUP, 0, "ﾌｧｲﾙ(&F)", kFileItems, sizeof kFileItems / sizeof kFileItems[0]},
};

}  // namespace

const AFX_MENU_TEMPLATE g_menus[] = {
    {IDR_MAINFRAME, kMainMenu, sizeof kMainMenu / sizeof kMainMenu[0]},
};
const size_t g_menuCount = sizeof g_menus / sizeof g_menus[0];
