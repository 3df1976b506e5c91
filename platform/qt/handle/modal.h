// Modal loops: the dialogs' own, and the message boxes, colour and file
// choosers that Qt runs. A close request from outside ends them all first.
#pragma once

#include <functional>

class QObject;
class QWidget;

#include "platform/win/winuser.h"

// Registers a modal loop for as long as it lives. abort ends the loop when the
// program is told to close; the loop's window (if it has one) is hWnd.
class ModalScope {
public:
    ModalScope(HWND hWnd, std::function<void()> abort);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    bool Aborted() const { return m_aborted; }

private:
    friend void PostCloseRequest(HWND hWnd);

    HWND m_hWnd;
    std::function<void()> m_abort;
    bool m_aborted = false;
    int m_savedDispatchDepth;
};

// While it lives, the modal window and the window it stands over (its owner,
// which it blocks) cannot stay minimised: a window manager that minimises a
// dialog anyway (openbox offers it for every dialog, and takes the owner
// with it) sees both shown again at once, with the dialog active, as a
// Windows dialog without a minimise box cannot be minimised at all.
class KeepShown {
public:
    KeepShown(QWidget* modal, QWidget* owner);
    ~KeepShown();
    KeepShown(const KeepShown&) = delete;
    KeepShown& operator=(const KeepShown&) = delete;

private:
    QObject* m_watch;
};

// A request from outside to close the window (a signal, the window manager's
// close): WM_CLOSE is posted to it at once when no modal loop runs, or when it
// runs the innermost one itself; otherwise every modal loop ends first,
// innermost first, and WM_CLOSE is posted once the outermost has returned.
void PostCloseRequest(HWND hWnd);
