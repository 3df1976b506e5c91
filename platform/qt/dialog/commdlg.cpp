// The choosers and boxes Qt provides, run modally over their owner: the
// colour chooser, message boxes and the file chooser; and the desktop's colours.
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "platform/afx/afxbackend.h"
#include "platform/qt/handle/windowlist.h"
#include "platform/qt/handle/modal.h"
#include "platform/qt/paint/gdiobjects.h"
#include "platform/win/commdlg.h"

namespace {

// Places the dialog centred over its owner, inside the owner's screen.
void CentreOver(QDialog& dialog, const QWidget* owner)
{
    dialog.adjustSize();
    const QScreen* screen = owner->screen();
    QRect rect(QPoint(0, 0), dialog.size());
    rect.moveCenter(owner->frameGeometry().center());
    if (screen) {
        const QRect area = screen->availableGeometry();
        rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() - rect.width())));
        rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() - rect.height())));
    }
    dialog.move(rect.topLeft());
}

// Runs the dialog modally over the window. It blocks input to every other
// window of the program, as Windows blocks the owner of a common dialog
// (without the owner's controls turning grey, as a disabled Qt window's
// would). A close request ends it as a cancel.
int ExecOver(QDialog& dialog, HWND hWndOwner)
{
    const QWidget* shown = WidgetOfWindow(hWndOwner);  // null where there is no live owner
    QWidget* owner = shown ? shown->window() : nullptr;
    if (owner) {
        CentreOver(dialog, owner);
        dialog.winId();
        if (QWindow* handle = owner->windowHandle())
            dialog.windowHandle()->setTransientParent(handle);
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    int result;
    {
        const KeepShown keepShown(&dialog, owner);
        ModalScope scope(nullptr, [&dialog] { dialog.reject(); });
        result = dialog.exec();
        if (scope.Aborted())
            result = QDialog::Rejected;
    }
    if (owner && IsWindow(hWndOwner))
        SetActiveWindow(hWndOwner);
    return result;
}

QMessageBox::Icon IconOf(UINT uType)
{
    switch (uType & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

BOOL ChooseColorA(CHOOSECOLORA* lpcc)
{
    if (!lpcc)
        return FALSE;
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (lpcc->lpCustColors)
        for (int i = 0; i < 16; ++i)
            QColorDialog::setCustomColor(i, QColor::fromRgb(PixelFromColorRef(lpcc->lpCustColors[i])));
    dialog.setCurrentColor((lpcc->Flags & CC_RGBINIT) ? QColor::fromRgb(PixelFromColorRef(lpcc->rgbResult))
                                                      : QColor(Qt::black));
    const int result = ExecOver(dialog, lpcc->hwndOwner);
    if (lpcc->lpCustColors)
        for (int i = 0; i < 16; ++i)
            lpcc->lpCustColors[i] = ColorRefFromPixel(QColorDialog::customColor(i).rgb());
    if (result != QDialog::Accepted)
        return FALSE;
    lpcc->rgbResult = ColorRefFromPixel(dialog.selectedColor().rgb());
    return TRUE;
}

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType)
{
    const bool okCancel = (uType & MB_TYPEMASK) == MB_OKCANCEL;
    QMessageBox box(IconOf(uType), QString::fromUtf8(lpCaption ? lpCaption : "Error"),
                    QString::fromUtf8(lpText ? lpText : ""),
                    okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // A screen reader reads the alert's message with its caption.
    box.setAccessibleDescription(box.text());
    const int result = ExecOver(box, hWnd);
    if (okCancel && result != QMessageBox::Ok)
        return IDCANCEL;
    return IDOK;
}

COLORREF GetSysColor(int nIndex)
{
    if (nIndex != COLOR_WINDOW)
        return 0;
    return ColorRefFromPixel(QApplication::palette().color(QPalette::Active, QPalette::Base).rgb());
}

bool AfxPromptForFileName(HWND hWndOwner, std::string& path)
{
    // No parent widget: closing the program ends the chooser first, and the
    // main window never goes while the chooser still runs.
    QFileDialog dialog;
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (ExecOver(dialog, hWndOwner) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().constFirst().toStdString();
    return true;
}
