// The dialog controls: push buttons, check boxes, group boxes, edit fields and
// statics. Each is a Qt widget behind a child window whose procedure answers
// the control's messages (BM_GETCHECK, EM_SETSEL ...) and which notifies the
// dialog of clicks with WM_COMMAND.
#include "platform/qt/dialog/controls.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstring>

#include "platform/afx/afxbackend.h"
#include "platform/qt/handle/hwnd.h"
#include "platform/win/commctrl.h"
#include "platform/win/winres.h"
#include "platform/win/winuser.h"

namespace {

enum class Kind { PushButton, CheckBox, GroupBox, Edit, Static, Icon, UpDown, Unknown };

Kind KindOf(const AFX_DIALOG_ITEM& item)
{
    const DWORD style = item.style;
    if (std::strcmp(item.lpszClass, "BUTTON") == 0) {
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return Kind::PushButton;
        case BS_AUTOCHECKBOX:
            return Kind::CheckBox;
        case BS_GROUPBOX:
            return Kind::GroupBox;
        default:
            return Kind::Unknown;
        }
    }
    if (std::strcmp(item.lpszClass, "EDIT") == 0)
        return Kind::Edit;
    if (std::strcmp(item.lpszClass, "STATIC") == 0) {
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
            return Kind::Static;
        case SS_ICON:
            return Kind::Icon;
        default:
            return Kind::Unknown;
        }
    }
    if (std::strcmp(item.lpszClass, UPDOWN_CLASS) == 0)
        return Kind::UpDown;
    return Kind::Unknown;
}

class ButtonGlue : public ControlGlue {
public:
    ButtonGlue(HWND hwnd, QAbstractButton* button, DWORD type) : ControlGlue(hwnd), m_button(button), m_type(type)
    {
        connect(button, &QAbstractButton::clicked, this, [this] { Notify(BN_CLICKED); });
    }

    LRESULT Proc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case BM_GETCHECK:
            return m_button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            if (m_button->isCheckable())
                m_button->setChecked(wParam == BST_CHECKED);
            return 0;
        case BM_CLICK:
            m_button->click();  // nothing when disabled
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON | (m_type == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON
                                  : m_type == BS_PUSHBUTTON  ? DLGC_UNDEFPUSHBUTTON
                                                             : 0);
        default:
            return ControlGlue::Proc(message, wParam, lParam);
        }
    }

private:
    QAbstractButton* m_button;
    DWORD m_type;
};

// An edit field. With ES_NUMBER the keyboard (and the input method) puts
// only the digits 0 to 9 in; pasted text is taken as it is.
class EditGlue : public ControlGlue {
public:
    EditGlue(HWND hwnd, QLineEdit* edit, bool digitsOnly) : ControlGlue(hwnd), m_edit(edit), m_digitsOnly(digitsOnly)
    {
        edit->installEventFilter(this);
    }

    LRESULT Proc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case EM_SETSEL: {
            const int start = int(wParam);
            const int end = int(lParam);
            if (start < 0)
                m_edit->deselect();
            else if (end < 0 || end > m_edit->text().size())
                m_edit->setSelection(start, int(m_edit->text().size()) - start);
            else
                m_edit->setSelection(start, end - start);
            return 0;
        }
        case EM_GETSEL: {
            const int start = m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
            return MAKELONG(start, m_edit->hasSelectedText() ? m_edit->selectionEnd() : start);
        }
        case WM_GETDLGCODE:
            return DLGC_HASSETSEL;
        default:
            return ControlGlue::Proc(message, wParam, lParam);
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (!m_digitsOnly)
            return false;
        if (e->type() == QEvent::KeyPress)
            return !IsDigitsOrControl(static_cast<QKeyEvent*>(e)->text());
        if (e->type() == QEvent::InputMethod)
            return !IsDigitsOrControl(static_cast<QInputMethodEvent*>(e)->commitString());
        return false;
    }

private:
    static bool IsDigitsOrControl(const QString& text)
    {
        for (QChar c : text)
            if (c.isPrint() && !(c >= u'0' && c <= u'9'))
                return false;
        return true;
    }

    QLineEdit* m_edit;
    bool m_digitsOnly;
};

class StaticGlue : public ControlGlue {
public:
    using ControlGlue::ControlGlue;
    LRESULT Proc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return message == WM_GETDLGCODE ? DLGC_STATIC : ControlGlue::Proc(message, wParam, lParam);
    }
};

QWidget* MakePushButton(const AFX_DIALOG_ITEM& item, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(item.lpszText), parent);
    button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    button->setAutoDefault(false);  // the dialog manager handles Enter
    return button;
}

QWidget* MakeGroupBox(const AFX_DIALOG_ITEM& item, QWidget* parent)
{
    // A group box only frames the controls drawn over it: it sits below
    // them and lets their clicks through.
    auto* box = new DialogGroupBox(QString::fromUtf8(item.lpszText), parent);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->lower();
    return box;
}

QWidget* MakeLabel(const AFX_DIALOG_ITEM& item, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setText(QString::fromUtf8(item.lpszText));
    return label;
}

// An SS_ICON static takes the size of its icon, whatever the template says.
QWidget* MakeIcon(const AFX_DIALOG_ITEM& item, QWidget* parent, QRect& rect)
{
    auto* label = new QLabel(parent);
    label->setAccessibleName(QCoreApplication::applicationName());  // the program's icon
    if (HICON hIcon = AfxLoadIcon(item.nIconID)) {
        label->setPixmap(reinterpret_cast<const QIcon*>(hIcon)->pixmap(32, 32));
        rect.setSize(QSize(32, 32));
    }
    return label;
}

Qt::FocusPolicy FocusPolicyOf(Kind kind, DWORD style)
{
    if (kind == Kind::GroupBox || kind == Kind::Static || kind == Kind::Icon)
        return Qt::NoFocus;
    return (style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus;
}

}  // namespace

QString WithoutMnemonic(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

LRESULT ControlGlue::Proc(UINT, WPARAM, LPARAM)
{
    return 0;
}

void ControlGlue::Notify(WORD code)
{
    if (IsWindow(m_hwnd) && IsWindow(m_hwnd->parent))
        m_hwnd->parent->Send(WM_COMMAND, MAKEWPARAM(m_hwnd->id, code), reinterpret_cast<LPARAM>(m_hwnd));
}

LRESULT ControlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* glue = IsWindow(hWnd) ? dynamic_cast<ControlGlue*>(hWnd->glue) : nullptr;
    return glue ? glue->Proc(message, wParam, lParam) : 0;
}

bool IsKnownControl(const AFX_DIALOG_ITEM& item)
{
    return KindOf(item) != Kind::Unknown;
}

HWND NewControlHandle(HWND hDlg, const AFX_DIALOG_ITEM& item)
{
    HWND hWnd = NewWindowHandle(item.style | WS_CHILD, hDlg, &ControlProc, nullptr);
    hWnd->id = item.nID;
    return hWnd;
}

HWND CreateDialogControl(HWND hDlg, const AFX_DIALOG_ITEM& item, const QRect& pixels, HWND previous)
{
    const Kind kind = KindOf(item);
    if (kind == Kind::Unknown)
        return nullptr;
    if (kind == Kind::UpDown)
        return CreateUpDown(hDlg, item, pixels, previous);

    QWidget* parent = hDlg->widget;
    QRect rect = pixels;
    HWND hWnd = NewControlHandle(hDlg, item);
    switch (kind) {
    case Kind::PushButton:
    case Kind::CheckBox: {
        QAbstractButton* button = kind == Kind::PushButton
                                      ? static_cast<QAbstractButton*>(MakePushButton(item, parent))
                                      : new DialogCheckBox(QString::fromUtf8(item.lpszText), parent);
        hWnd->widget = button;
        hWnd->glue = new ButtonGlue(hWnd, button, item.style & BS_TYPEMASK);
        break;
    }
    case Kind::Edit: {
        auto* edit = new DialogEdit(QString::fromUtf8(item.lpszText), parent);
        // Named, as on Windows, by the static text or group box just before it.
        if (IsWindow(previous) && (qobject_cast<QLabel*>(previous->widget) || qobject_cast<QGroupBox*>(previous->widget)))
            edit->setAccessibleName(WithoutMnemonic(ControlText(previous->widget)));
        // Qt keeps two pixels more inside its frame than a Windows edit
        // field, which dialog layouts made for Windows cannot spare.
        edit->setTextMargins(-2, 0, -2, 0);
        hWnd->widget = edit;
        hWnd->glue = new EditGlue(hWnd, edit, item.style & ES_NUMBER);
        break;
    }
    default:
        hWnd->widget = kind == Kind::GroupBox ? MakeGroupBox(item, parent)
                       : kind == Kind::Icon   ? MakeIcon(item, parent, rect)
                                              : MakeLabel(item, parent);
        hWnd->glue = new StaticGlue(hWnd);
        break;
    }
    hWnd->widget->setFocusPolicy(FocusPolicyOf(kind, item.style));
    hWnd->widget->setGeometry(rect);
    hWnd->widget->setEnabled(!(item.style & WS_DISABLED));
    hWnd->widget->setVisible(item.style & WS_VISIBLE);
    return hWnd;
}

QString ControlText(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    return {};
}

void SetControlText(QWidget* widget, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        box->setTitle(text);
}
