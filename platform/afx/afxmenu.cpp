#include "platform/afx/afxmenu.h"

#include <utility>

#include "platform/afx/afxbackend.h"

CMenu::~CMenu()
{
    if (m_bOwner)
        DestroyMenu();
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    if (m_hMenu)
        return FALSE;
    m_hMenu = AfxLoadMenu(nIDResource);
    return m_hMenu != nullptr;
}

BOOL CMenu::DestroyMenu()
{
    m_popups.clear();
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(std::exchange(m_hMenu, nullptr));
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    HMENU hPopup = ::GetSubMenu(m_hMenu, nPos);
    if (!hPopup)
        return nullptr;
    for (const auto& popup : m_popups)
        if (popup->m_hMenu == hPopup)
            return popup.get();
    auto popup = std::make_unique<CMenu>();
    popup->m_hMenu = hPopup;
    popup->m_bOwner = false;
    m_popups.push_back(std::move(popup));
    return m_popups.back().get();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}
