// Dialog controls as Qt widgets, each behind a child window handle.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QObject>
#include <QRect>
#include <QString>

#include "platform/win/winuser.h"

struct AFX_DIALOG_ITEM;
class QWidget;

// What listens to a control's widget on behalf of its window: the window's
// procedure is its Proc, which answers the control's messages, and it sends
// the control's notifications to the dialog. It goes with the window.
class ControlGlue : public QObject {
public:
    explicit ControlGlue(HWND hwnd) : m_hwnd(hwnd) {}

    virtual LRESULT Proc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // WM_COMMAND with the notification code, sent to the parent dialog.
    void Notify(WORD code);

    HWND m_hwnd;
};

// Check boxes, edit fields and group boxes of their own class names, by
// which the backend's accessibility finds them (accessible.cpp) and reads
// the boxes' controls inside their group box.
class DialogCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;
};
class DialogEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
};
class DialogGroupBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
};

// A control's text as it is read: "&&" is "&", a single "&" marks a mnemonic.
QString WithoutMnemonic(const QString& text);

// Whether the item names a control this backend makes.
bool IsKnownControl(const AFX_DIALOG_ITEM& item);

// Creates the control of a dialog template item at the rectangle (pixels of
// the dialog's client area). previous is the control made just before it,
// which an up-down with UDS_AUTOBUDDY takes as its buddy.
HWND CreateDialogControl(HWND hDlg, const AFX_DIALOG_ITEM& item, const QRect& rect, HWND previous);

// A control window's handle, registered with the dialog; the caller gives it
// its widget and its glue.
HWND NewControlHandle(HWND hDlg, const AFX_DIALOG_ITEM& item);
LRESULT ControlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The up-down control (updown.cpp).
HWND CreateUpDown(HWND hDlg, const AFX_DIALOG_ITEM& item, const QRect& rect, HWND previous);

// The text a control shows: a button's or a label's text, an edit field's
// content, a group box's title.
QString ControlText(const QWidget* widget);
void SetControlText(QWidget* widget, const QString& text);
