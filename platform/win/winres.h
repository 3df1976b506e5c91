// The program's resources as the system reads them: the tables its resource
// script compiles to (strings, icons, accelerators, dialog templates and
// menus). The program defines afxResources (res/); the framework looks
// resources up in it by id, and the backends build icons, dialogs and menus
// from it.
#pragma once

#include <cstddef>

#include "platform/win/winuser.h"

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
