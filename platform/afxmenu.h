// Menus: menu handles loaded from the program's menu resources, CMenu over
// them, and popup menus tracked at a point of the screen.
#pragma once

#include <memory>
#include <vector>

#include "platform/afxwin.h"

#ifndef _WIN32

// Menu item flags.
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;

// TrackPopupMenu flags.
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;  // items can be chosen with either button
constexpr UINT TPM_RETURNCMD = 0x0100;    // return the chosen id instead of posting WM_COMMAND

// Destroys the menu and the popups in it.
BOOL DestroyMenu(HMENU hMenu);
HMENU GetSubMenu(HMENU hMenu, int nPos);
int GetMenuItemCount(HMENU hMenu);
// The item's command id: 0 for a separator, 0xFFFFFFFF for a popup.
UINT GetMenuItemID(HMENU hMenu, int nPos);
// The item's text (UTF-8, with its "&"); the characters copied.
int GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags);
// The item's MF_ flags, or 0xFFFFFFFF when there is no such item.
UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);

// Shows the menu as a popup with its top-left corner at the screen point
// (moved to stay on the screen) and runs it modally. The chosen item's id is
// posted to the window as WM_COMMAND, or returned with TPM_RETURNCMD; 0 when
// nothing was chosen.
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd, const RECT* prcRect);

#endif  // !_WIN32

// The menu resource built as a menu the caller destroys; null when there is none.
HMENU AfxLoadMenu(UINT nIDResource);

// Owns a menu it loaded and destroys it when it goes.
class CMenu : public CObject {
public:
    CMenu() = default;
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();
    // The popup at the position, as a menu object that belongs to this one.
    CMenu* GetSubMenu(int nPos) const;
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    HMENU m_hMenu = nullptr;

private:
    bool m_bOwner = true;  // a popup's object leaves destroying to its menu
    mutable std::vector<std::unique_ptr<CMenu>> m_popups;
};
