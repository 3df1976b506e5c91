// Window relations and state: procedures, parents and owners, enabling,
// focus and activation, window text and dialog items.
#include <QApplication>
#include <QWidget>

#include "platform/afx/afxbackend.h"
#include "platform/qt/dialog/controls.h"
#include "platform/qt/handle/hwnd.h"
#include "platform/qt/handle/windowlist.h"
#include "platform/win/winuser.h"

namespace {

bool IsOwnedBy(HWND hWnd, HWND hOwner)
{
    for (HWND owner = hWnd->owner; owner; owner = IsWindow(owner) ? owner->owner : nullptr)
        if (owner == hOwner)
            return true;
    return false;
}

}  // namespace

WNDPROC AfxSubclassWindow(HWND hWnd, WNDPROC proc, void* userData)
{
    if (!IsWindow(hWnd))
        return nullptr;
    hWnd->userData = userData;
    return std::exchange(hWnd->proc, proc);
}

LRESULT DefWindowProcA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(hWnd);
        break;
    case WM_KEYDOWN:
        // The keyboard's way to the context menu, as Windows has it.
        if (wParam == VK_APPS || (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0))
            SendMessageA(hWnd, WM_CONTEXTMENU, WPARAM(hWnd), MAKELPARAM(-1, -1));
        break;
    case WM_CONTEXTMENU:
        // Unanswered, it goes to the parent.
        if (IsWindow(hWnd) && hWnd->parent)
            return SendMessageA(hWnd->parent, WM_CONTEXTMENU, wParam, lParam);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hWnd, message, wParam, lParam) : 0;
}

HWND GetParent(HWND hWnd)
{
    return IsWindow(hWnd) ? (hWnd->parent ? hWnd->parent : hWnd->owner) : nullptr;
}

HWND GetWindow(HWND hWnd, UINT uCmd)
{
    return IsWindow(hWnd) && uCmd == GW_OWNER ? hWnd->owner : nullptr;
}

HWND GetLastActivePopup(HWND hWnd)
{
    const std::vector<HWND>& windows = AllWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        HWND popup = *it;
        if (!popup->parent && IsOwnedBy(popup, hWnd) && popup->widget->isVisible() &&
            !popup->widget->testAttribute(Qt::WA_ForceDisabled))
            return popup;
    }
    return hWnd;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable)
{
    if (!IsWindow(hWnd))
        return FALSE;
    const BOOL wasDisabled = hWnd->widget->testAttribute(Qt::WA_ForceDisabled);
    hWnd->widget->setEnabled(bEnable);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd)
{
    return IsWindow(hWnd) && !hWnd->widget->testAttribute(Qt::WA_ForceDisabled);
}

BOOL IsWindowVisible(HWND hWnd)
{
    return IsWindow(hWnd) && hWnd->widget->isVisible();
}

HWND GetFocus()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
        // No window of the program is active (the display gives the focus
        // elsewhere): the focus is the one the topmost shown window keeps.
        const std::vector<HWND>& windows = AllWindows();
        for (auto it = windows.rbegin(); it != windows.rend() && !focus; ++it)
            if (!(*it)->parent && (*it)->widget->isVisible())
                focus = (*it)->widget->focusWidget();
    }
    for (; focus; focus = focus->isWindow() ? nullptr : focus->parentWidget())
        if (HWND hWnd = WindowOfWidget(focus))
            return hWnd;
    return nullptr;
}

HWND SetFocus(HWND hWnd)
{
    HWND previous = GetFocus();
    if (IsWindow(hWnd))
        hWnd->widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

HWND SetActiveWindow(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return nullptr;
    HWND previous = WindowOfWidget(QApplication::activeWindow());
    hWnd->widget->window()->activateWindow();
    return previous;
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString)
{
    if (!IsWindow(hWnd))
        return FALSE;
    const QString text = QString::fromUtf8(lpString ? lpString : "");
    if (hWnd->parent)
        SetControlText(hWnd->widget, text);
    else
        hWnd->widget->setWindowTitle(text);
    return TRUE;
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount)
{
    if (!lpString || nMaxCount <= 0)
        return 0;
    *lpString = '\0';
    if (!IsWindow(hWnd))
        return 0;
    const QByteArray text =
        (hWnd->parent ? ControlText(hWnd->widget) : hWnd->widget->windowTitle()).toUtf8();
    // Cut at a character boundary, never inside a UTF-8 sequence.
    qsizetype n = std::min<qsizetype>(text.size(), nMaxCount - 1);
    while (n > 0 && n < text.size() && (uchar(text[n]) & 0xC0) == 0x80)
        --n;
    std::copy_n(text.constData(), n, lpString);
    lpString[n] = '\0';
    return int(n);
}

int GetWindowTextLengthA(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return 0;
    return int((hWnd->parent ? ControlText(hWnd->widget) : hWnd->widget->windowTitle()).toUtf8().size());
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    if (!IsWindow(hDlg))
        return nullptr;
    for (HWND child : hDlg->children)
        if (child->id == nIDDlgItem)
            return child;
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd)
{
    return IsWindow(hWnd) ? hWnd->id : 0;
}
