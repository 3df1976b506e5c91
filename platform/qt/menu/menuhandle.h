// What a menu handle holds: its items, popups owning their own menus.
#pragma once

#include <string>
#include <vector>

#include "platform/win/windef.h"

struct HMENU__;
using HMENU = HMENU__*;

struct HMENU__ {
    struct Item {
        UINT flags;        // MF_ flags
        UINT id;           // the command; 0 for separators and popups
        std::string text;  // UTF-8, "&" before the mnemonic
        HMENU popup;       // owned, for MF_POPUP
    };
    std::vector<Item> items;
};

// Whether the handle is a menu that exists.
bool IsMenu(HMENU hMenu);
// The number of menus alive, popups included.
DWORD AfxMenuCount();
