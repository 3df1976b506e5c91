// Popup menus: a menu handle shown as a QMenu at a point of the screen and
// run modally.
#include <QAction>
#include <QMenu>
#include <QWidget>

#include "platform/qt/handle/modal.h"
#include "platform/qt/menu/menuhandle.h"
#include "platform/win/winuser.h"

namespace {

void AddItems(QMenu& menu, HMENU hMenu)
{
    for (const HMENU__::Item& item : hMenu->items) {
        if (item.flags & MF_SEPARATOR) {
            menu.addSeparator();
        } else if (item.popup) {
            AddItems(*menu.addMenu(QString::fromStdString(item.text)), item.popup);
        } else {
            QAction* action = menu.addAction(QString::fromStdString(item.text));
            action->setData(item.id);
            action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
            action->setCheckable(item.flags & MF_CHECKED);
            action->setChecked(item.flags & MF_CHECKED);
        }
    }
}

}  // namespace

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*)
{
    if (!IsMenu(hMenu) || !IsWindow(hWnd))
        return FALSE;
    QMenu menu;
    AddItems(menu, hMenu);
    QAction* chosen = nullptr;
    // An item invoked by a screen reader is triggered without a click.
    QAction* triggered = nullptr;
    QObject::connect(&menu, &QMenu::triggered, &menu, [&](QAction* action) {
        triggered = action;
        menu.close();
    });
    {
        ModalScope scope(nullptr, [&menu] { menu.close(); });
        chosen = menu.exec(QPoint(x, y));
        if (!chosen)
            chosen = triggered;
        if (scope.Aborted())
            chosen = nullptr;
    }
    if (!chosen)
        return FALSE;
    const UINT id = chosen->data().toUInt();
    if (uFlags & TPM_RETURNCMD)
        return BOOL(id);
    return PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(int(id), 0), 0);
}
