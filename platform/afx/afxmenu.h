// CMenu: a menu loaded from the program's menu resources, its popups, and
// tracking one at a point of the screen.
#pragma once

#include <memory>
#include <vector>

#include "platform/afx/afxwin.h"

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
