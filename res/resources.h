// The resource tables the program's resource script is made of.
#pragma once

#include "platform/afx/afxres.h"

extern const AFX_ICON_IMAGE g_icons[];
extern const size_t g_iconCount;
extern const AFX_DIALOG_TEMPLATE g_dialogs[];
extern const size_t g_dialogCount;
extern const AFX_MENU_TEMPLATE g_menus[];
extern const size_t g_menuCount;
