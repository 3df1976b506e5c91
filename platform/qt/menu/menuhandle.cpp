// The menu functions on menu handles of the backend's own, which hold the
// items of a menu resource; menu.cpp shows them.
#include "platform/qt/menu/menuhandle.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "platform/afx/afxbackend.h"
#include "platform/win/winres.h"

namespace {

std::set<HMENU> s_menus;  // every menu alive, popups included

HMENU BuildMenu(const AFX_MENU_ITEM* items, size_t count)
{
    auto* menu = new HMENU__;
    s_menus.insert(menu);
    for (size_t i = 0; i < count; ++i) {
        const AFX_MENU_ITEM& item = items[i];
        HMENU popup = (item.nFlags & MF_POPUP) ? BuildMenu(item.pPopup, item.popupCount) : nullptr;
        menu->items.push_back({item.nFlags, item.nID, item.lpszText ? item.lpszText : "", popup});
    }
    return menu;
}

const HMENU__::Item* FindItem(HMENU hMenu, UINT uId, UINT flags)
{
    if (!IsMenu(hMenu))
        return nullptr;
    if (flags & MF_BYPOSITION)
        return uId < hMenu->items.size() ? &hMenu->items[uId] : nullptr;
    for (const HMENU__::Item& item : hMenu->items) {
        if (!(item.flags & (MF_POPUP | MF_SEPARATOR)) && item.id == uId)
            return &item;
        if (item.popup)
            if (const HMENU__::Item* found = FindItem(item.popup, uId, flags))
                return found;
    }
    return nullptr;
}

}  // namespace

bool IsMenu(HMENU hMenu)
{
    return hMenu && s_menus.count(hMenu) != 0;
}

DWORD AfxMenuCount()
{
    return DWORD(s_menus.size());
}

HMENU AfxLoadMenu(UINT nIDResource)
{
    for (size_t i = 0; i < afxResources.menuCount; ++i)
        if (afxResources.menus[i].nID == nIDResource)
            return BuildMenu(afxResources.menus[i].items, afxResources.menus[i].count);
    return nullptr;
}

BOOL DestroyMenu(HMENU hMenu)
{
    if (!IsMenu(hMenu))
        return FALSE;
    for (const HMENU__::Item& item : hMenu->items)
        DestroyMenu(item.popup);
    s_menus.erase(hMenu);
    delete hMenu;
    return TRUE;
}

HMENU GetSubMenu(HMENU hMenu, int nPos)
{
    if (!IsMenu(hMenu) || nPos < 0 || size_t(nPos) >= hMenu->items.size())
        return nullptr;
    return hMenu->items[size_t(nPos)].popup;
}

int GetMenuItemCount(HMENU hMenu)
{
    return IsMenu(hMenu) ? int(hMenu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos)
{
    const HMENU__::Item* item = nPos >= 0 ? FindItem(hMenu, UINT(nPos), MF_BYPOSITION) : nullptr;
    if (!item || item->popup)
        return 0xFFFFFFFF;
    return (item->flags & MF_SEPARATOR) ? 0 : item->id;
}

int GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags)
{
    const HMENU__::Item* item = FindItem(hMenu, uIDItem, flags);
    if (!item)
        return 0;
    if (!lpString || cchMax <= 0)
        return int(item->text.size());
    const size_t n = std::min(item->text.size(), size_t(cchMax - 1));
    std::memcpy(lpString, item->text.data(), n);
    lpString[n] = '\0';
    return int(n);
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags)
{
    const HMENU__::Item* item = FindItem(hMenu, uId, uFlags);
    return item ? item->flags : 0xFFFFFFFF;
}
