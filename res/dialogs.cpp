// The dialog templates. Positions and sizes are in dialog units.
#include "platform/win/commctrl.h"
#include "res/barkind.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kCheckBox = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;

const AFX_DIALOG_ITEM kSettingItems[] = {
    {IDOK, "BUTTON", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, "OK", 0, 29, 162, 50, 14},
    {IDCANCEL, "BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, "ｷｬﾝｾﾙ", 0, 95, 162, 50, 14},
    {IDC_YEAR, "BUTTON", kCheckBox, kBarNames[BAR_YEAR], 0, 15, 21, 24, 16},
    {IDC_MONTH, "BUTTON", kCheckBox, kBarNames[BAR_MONTH], 0, 48, 21, 24, 16},
    {IDC_DAY, "BUTTON", kCheckBox, kBarNames[BAR_DAY], 0, 81, 21, 24, 16},
    {IDC_HOUR, "BUTTON", kCheckBox, kBarNames[BAR_HOUR], 0, 15, 47, 24, 16},
    {IDC_MINUTE, "BUTTON", kCheckBox, kBarNames[BAR_MINUTE], 0, 48, 47, 24, 16},
    {IDC_SECOND, "BUTTON", kCheckBox, kBarNames[BAR_SECOND], 0, 81, 47, 24, 16},
    {IDC_MILLISECOND, "BUTTON", kCheckBox, kBarNames[BAR_MILLISECOND], 0, 115, 47, 38, 16},
    {-1, "BUTTON", kChild | BS_GROUPBOX, "表示する棒", 0, 5, 9, 153, 62},
    {-1, "BUTTON", kChild | BS_GROUPBOX, "更新間隔（ミリ秒）", 0, 98, 79, 60, 40},
    {IDC_INTERVAL, "EDIT", kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, "", 0,
     110, 95, 32, 14},
    {IDC_INTERVAL_SPIN, UPDOWN_CLASS, kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS,
     "Spin1", 0, 142, 92, 9, 22},
    {IDC_BAR_COLOR, "BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, "棒の色設定", 0, 11, 83, 50, 14},
    {IDC_BACK_COLOR, "BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, "背景の色設定", 0, 11, 105, 50, 14},
    {IDC_USE_SYSCOLOR, "BUTTON", kCheckBox, "背景の色にシステムカラーを使う", 0, 12, 128, 123, 17},
};

const AFX_DIALOG_ITEM kAboutItems[] = {
    {-1, "STATIC", kChild | SS_ICON, "", IDR_MAINFRAME, 11, 17, 20, 20},
    {-1, "STATIC", kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP, "tarvik Version 1.0", 0, 40, 10, 119, 8},
    {-1, "STATIC", kChild | SS_LEFT | WS_GROUP,
     "Copyright (C) 2026 tarvik\n時の流れを棒で見る時計です。\n右クリックでメニューが出ます。", 0, 40, 25, 132, 34},
    {IDOK, "BUTTON", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, "OK", 0, 178, 7, 32, 14},
};

}  // namespace

// A template with a font carries DS_SETFONT, as a resource compiler sets it.
const AFX_DIALOG_TEMPLATE g_dialogs[] = {
    {IDD_ABOUTBOX, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 0, 218, 75, "TARVIK", 9,
     "ＭＳ Ｐゴシック", kAboutItems, sizeof kAboutItems / sizeof kAboutItems[0]},
    {IDD_SETTING, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 0, 174, 183, "いろいろ設定", 9,
     "ＭＳ Ｐゴシック", kSettingItems, sizeof kSettingItems / sizeof kSettingItems[0]},
};
const size_t g_dialogCount = sizeof g_dialogs / sizeof g_dialogs[0];
