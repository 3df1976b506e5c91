// Dialog windows made from templates: the window and its controls laid out in
// dialog units of the dialog's font, the dialog manager's keys (Tab through
// the tab stops, Enter for the default button, Escape to cancel) and its
// default processing.
#include <QKeyEvent>
#include <QWidget>

#include "platform/afx/afxbackend.h"
#include "platform/qt/dialog/controls.h"
#include "platform/qt/handle/hwnd.h"
#include "platform/qt/paint/fonts.h"
#include "platform/qt/window/wndwidget.h"
#include "platform/win/winbase.h"
#include "platform/win/winres.h"
#include "platform/win/winuser.h"

namespace {

// The dialog font's base units as Windows computes them: the average width
// of the 52 Latin letters, rounded, and the height of the font.
QSize BaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((width / 26 + 1) / 2, metrics.height());
}

QRect ToPixels(HWND hDlg, int x, int y, int cx, int cy)
{
    return QRect(MulDiv(x, hDlg->baseUnitX, 4), MulDiv(y, hDlg->baseUnitY, 8), MulDiv(cx, hDlg->baseUnitX, 4),
                 MulDiv(cy, hDlg->baseUnitY, 8));
}

// The keys the dialog manager handles before any control sees them.
class DialogKeys : public QObject {
public:
    explicit DialogKeys(HWND hDlg) : m_hDlg(hDlg) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        switch (key->key()) {
        case Qt::Key_Escape:
            Command(IDCANCEL);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Command(DefaultCommand());
            return true;
        default:
            return false;
        }
    }

private:
    // Enter presses the push button that has the focus, or else the default one.
    int DefaultCommand() const
    {
        HWND focus = GetFocus();
        if (focus && focus->parent == m_hDlg &&
            (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
            return focus->id;
        const LRESULT def = SendMessageA(m_hDlg, DM_GETDEFID, 0, 0);
        return HIWORD(std::uintptr_t(def)) == DC_HASDEFID ? LOWORD(std::uintptr_t(def)) : IDOK;
    }

    void Command(int id)
    {
        HWND control = GetDlgItem(m_hDlg, id);
        if (control && !IsWindowEnabled(control))
            return;
        SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    }

    HWND m_hDlg;
};

HWND FirstTabStop(HWND hDlg)
{
    for (HWND child : hDlg->children)
        if ((child->style & WS_TABSTOP) && IsWindowEnabled(child) && !child->widget->isHidden())
            return child;
    return nullptr;
}

}  // namespace

HWND AfxCreateDialog(const AFX_DIALOG_TEMPLATE& dlgTemplate, HWND hWndOwner, WNDPROC proc, void* userData)
{
    for (size_t i = 0; i < dlgTemplate.itemCount; ++i)
        if (!IsKnownControl(dlgTemplate.items[i]))
            return nullptr;
    if (hWndOwner && !IsWindow(hWndOwner))
        return nullptr;

    HWND hDlg = NewWindowHandle(dlgTemplate.style & ~(WS_VISIBLE | WS_CHILD), hWndOwner, proc, userData);
    hDlg->dialog = true;
    hDlg->wnd = new WndWidget(hDlg, nullptr);
    hDlg->widget = hDlg->wnd;
    if (dlgTemplate.style & DS_SETFONT)
        hDlg->widget->setFont(FontForFace(QString::fromUtf8(dlgTemplate.lpszFaceName), dlgTemplate.wPointSize));
    const QSize base = BaseUnits(hDlg->widget->font());
    hDlg->baseUnitX = base.width();
    hDlg->baseUnitY = base.height();
    hDlg->widget->setWindowTitle(QString::fromUtf8(dlgTemplate.lpszCaption ? dlgTemplate.lpszCaption : ""));

    // The template's position is relative to the owner's client area.
    const QRect client = ToPixels(hDlg, dlgTemplate.x, dlgTemplate.y, dlgTemplate.cx, dlgTemplate.cy);
    QPoint origin = client.topLeft();
    if (hWndOwner)
        origin += hWndOwner->widget->mapToGlobal(QPoint(hWndOwner->Border(), hWndOwner->Border()));
    hDlg->widget->setFixedSize(client.size());
    hDlg->widget->move(origin);
    hDlg->Send(WM_CREATE);

    auto* keys = new DialogKeys(hDlg);
    hDlg->glue = keys;
    hDlg->widget->installEventFilter(keys);
    HWND previous = nullptr;
    for (size_t i = 0; i < dlgTemplate.itemCount; ++i) {
        const AFX_DIALOG_ITEM& item = dlgTemplate.items[i];
        previous = CreateDialogControl(hDlg, item, ToPixels(hDlg, item.x, item.y, item.cx, item.cy), previous);
        previous->widget->installEventFilter(keys);
    }

    HWND first = FirstTabStop(hDlg);
    if (hDlg->Send(WM_INITDIALOG, reinterpret_cast<WPARAM>(first), 0) && IsWindow(hDlg) && first)
        SetFocus(first);
    if (IsWindow(hDlg) && (dlgTemplate.style & WS_VISIBLE))
        ShowWindow(hDlg, SW_SHOW);
    return hDlg;
}

LRESULT DefDlgProcA(HWND hDlg, UINT message, WPARAM, LPARAM)
{
    if (!IsWindow(hDlg))
        return 0;
    switch (message) {
    case WM_CLOSE: {
        HWND cancel = GetDlgItem(hDlg, IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel))
            PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case DM_GETDEFID:
        for (HWND child : hDlg->children)
            if (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
                return MAKELONG(child->id, DC_HASDEFID);
        return 0;
    default:
        return 0;
    }
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect)
{
    if (!IsWindow(hDlg) || !hDlg->dialog || !lpRect)
        return FALSE;
    lpRect->left = MulDiv(lpRect->left, hDlg->baseUnitX, 4);
    lpRect->right = MulDiv(lpRect->right, hDlg->baseUnitX, 4);
    lpRect->top = MulDiv(lpRect->top, hDlg->baseUnitY, 8);
    lpRect->bottom = MulDiv(lpRect->bottom, hDlg->baseUnitY, 8);
    return TRUE;
}
