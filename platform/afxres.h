// The program's resources: strings, icons and accelerators, looked up by id.
// The program defines afxResources (its resource script, compiled in).
#pragma once

#include <cstddef>
#include <string>

#include "platform/windef.h"

struct AFX_STRING_RESOURCE {
    UINT nID;
    const char* lpszText;  // UTF-8
};

// One image of an icon: a 16-colour palette and one text row per pixel row,
// each character a palette index '0'..'9', 'a'..'f', or '.' for transparent.
struct AFX_ICON_IMAGE {
    UINT nID;
    int cx;
    int cy;
    const COLORREF* palette;  // 16 entries
    const char* const* rows;
};

#ifndef _WIN32

// Accelerator flags and virtual keys as the accelerator table uses them.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;
constexpr WORD VK_BACK = 0x08;
constexpr WORD VK_INSERT = 0x2D;
constexpr WORD VK_DELETE = 0x2E;
constexpr WORD VK_F6 = 0x75;

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

#endif  // !_WIN32

struct AFX_ACCEL_TABLE {
    UINT nID;
    const ACCEL* entries;
    size_t count;
};

// One control of a dialog template. Positions and sizes are in dialog units:
// a quarter of the dialog font's average character width, an eighth of its height.
struct AFX_DIALOG_ITEM {
    int nID;               // -1 for statics nobody addresses
    const char* lpszClass; // "BUTTON", "EDIT", "STATIC" or "msctls_updown32"
    DWORD style;
    const char* lpszText;  // UTF-8
    UINT nIconID;          // the icon resource of an SS_ICON static
    short x, y, cx, cy;
};

// A dialog template: the window, its font and its controls in tab order.
struct AFX_DIALOG_TEMPLATE {
    UINT nID;
    DWORD style;
    short x, y, cx, cy;    // the client area, in dialog units
    const char* lpszCaption;
    WORD wPointSize;       // DS_SETFONT: the dialog's font
    const char* lpszFaceName;
    const AFX_DIALOG_ITEM* items;
    size_t itemCount;
};

// One item of a menu resource. A popup lists its own items.
struct AFX_MENU_ITEM {
    UINT nFlags;           // MF_STRING, MF_SEPARATOR or MF_POPUP
    UINT nID;              // the command; 0 for separators and popups
    const char* lpszText;  // UTF-8, "&" before the mnemonic
    const AFX_MENU_ITEM* pPopup;
    size_t popupCount;
};

struct AFX_MENU_TEMPLATE {
    UINT nID;
    const AFX_MENU_ITEM* items;
    size_t count;
};

struct AFX_RESOURCES {
    const AFX_STRING_RESOURCE* strings;
    size_t stringCount;
    const AFX_ICON_IMAGE* icons;
    size_t iconCount;
    const AFX_ACCEL_TABLE* accelerators;
    size_t acceleratorCount;
    const AFX_DIALOG_TEMPLATE* dialogs;
    size_t dialogCount;
    const AFX_MENU_TEMPLATE* menus;
    size_t menuCount;
};

extern const AFX_RESOURCES afxResources;

// The string resource, or an empty string when there is none.
std::string AfxLoadString(UINT nID);

// Field n (0 first) of a document string, whose fields are separated by '\n'.
std::string AfxExtractSubString(const std::string& full, int n);

const AFX_ACCEL_TABLE* AfxFindAccelerators(UINT nID);
const AFX_DIALOG_TEMPLATE* AfxFindDialogTemplate(UINT nID);

// The framework's standard command and string ids.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;      // 57344
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;    // 57345
constexpr UINT ID_FILE_NEW = 0xE100;            // 57600
constexpr UINT ID_FILE_OPEN = 0xE101;           // 57601
constexpr UINT ID_FILE_CLOSE = 0xE102;
constexpr UINT ID_FILE_SAVE = 0xE103;           // 57603
constexpr UINT ID_FILE_SAVE_AS = 0xE104;
constexpr UINT ID_FILE_MRU_FILE1 = 0xE110;
constexpr UINT ID_EDIT_COPY = 0xE122;           // 57634
constexpr UINT ID_EDIT_CUT = 0xE123;            // 57635
constexpr UINT ID_EDIT_PASTE = 0xE125;          // 57637
constexpr UINT ID_EDIT_UNDO = 0xE12B;           // 57643
constexpr UINT ID_APP_ABOUT = 0xE140;           // 57664
constexpr UINT ID_APP_EXIT = 0xE141;            // 57665
constexpr UINT ID_NEXT_PANE = 0xE150;           // 57680
constexpr UINT ID_PREV_PANE = 0xE151;           // 57681
constexpr UINT ID_INDICATOR_EXT = 0xE700;
constexpr UINT ID_INDICATOR_CAPS = 0xE701;
constexpr UINT ID_INDICATOR_NUM = 0xE702;
constexpr UINT ID_INDICATOR_SCRL = 0xE703;
constexpr UINT ID_INDICATOR_OVR = 0xE704;
constexpr UINT ID_INDICATOR_REC = 0xE705;
constexpr UINT ID_INDICATOR_KANA = 0xE706;
constexpr UINT AFX_IDS_SCSIZE = 0xEF00;
constexpr UINT AFX_IDS_SCMOVE = 0xEF01;
constexpr UINT AFX_IDS_SCMINIMIZE = 0xEF02;
constexpr UINT AFX_IDS_SCMAXIMIZE = 0xEF03;
constexpr UINT AFX_IDS_SCNEXTWINDOW = 0xEF04;
constexpr UINT AFX_IDS_SCPREVWINDOW = 0xEF05;
constexpr UINT AFX_IDS_SCCLOSE = 0xEF06;
constexpr UINT AFX_IDS_SCRESTORE = 0xEF12;
constexpr UINT AFX_IDS_SCTASKLIST = 0xEF13;
