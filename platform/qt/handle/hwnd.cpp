#include "platform/qt/handle/hwnd.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "platform/qt/handle/windowlist.h"

namespace {

std::vector<HWND> s_windows;
int s_dispatchDepth = 0;  // messages being handled, nested
bool s_displayGone = false;

}  // namespace

void PaintInvalidChildren()
{
    // Asked after every message: most often nothing is due, and nothing is copied.
    const auto due = [](HWND hWnd) { return hWnd->parent && !hWnd->update.isEmpty(); };
    if (std::none_of(s_windows.begin(), s_windows.end(), due))
        return;
    for (HWND hWnd : std::vector<HWND>(s_windows))
        if (due(hWnd))
            UpdateWindow(hWnd);
}

void AskForSize(QWidget* w, QSize size)
{
    // Qt gives the window manager one device pixel per unit, rounded, as the
    // step of a window's size (2 at 150 %); one that keeps to the steps
    // (openbox, KWin) counts them from the base size and would round the
    // size asked for. Counted from that size itself, it is kept.
    if (w->isWindow())
        w->setBaseSize(size);
}

void SendSize(HWND hWnd)
{
    RECT client;
    GetClientRect(hWnd, &client);
    hWnd->Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void SetDisplayGone()
{
    s_displayGone = true;
}

bool DisplayGone()
{
    return s_displayGone;
}

int ExchangeDispatchDepth(int depth)
{
    return std::exchange(s_dispatchDepth, depth);
}

int DispatchDepth()
{
    return s_dispatchDepth;
}

const std::vector<HWND>& AllWindows()
{
    return s_windows;
}

BOOL IsWindow(HWND hWnd)
{
    return hWnd && std::find(s_windows.begin(), s_windows.end(), hWnd) != s_windows.end();
}

QWidget* WidgetOfWindow(HWND hWnd)
{
    return IsWindow(hWnd) ? hWnd->widget : nullptr;
}

bool IsTopLevel(HWND hWnd)
{
    return IsWindow(hWnd) && !hWnd->parent;
}

HWND WindowOfWidget(const QWidget* widget)
{
    for (HWND hWnd : s_windows)
        if (widget && hWnd->widget == widget)
            return hWnd;
    return nullptr;
}

void ForgetWindow(HWND hWnd)
{
    std::erase(s_windows, hWnd);
    if (hWnd->parent)
        std::erase(hWnd->parent->children, hWnd);
}

HWND NewWindowHandle(DWORD style, HWND parentOrOwner, WNDPROC proc, void* userData)
{
    auto* hwnd = new HWND__;
    hwnd->proc = proc;
    hwnd->userData = userData;
    hwnd->style = style;
    if (style & WS_CHILD) {
        hwnd->parent = parentOrOwner;
        parentOrOwner->children.push_back(hwnd);
    } else {
        hwnd->owner = parentOrOwner;
    }
    s_windows.push_back(hwnd);
    return hwnd;
}

void ApplyOwner(HWND hWnd)
{
    if (!hWnd->owner || !IsWindow(hWnd->owner) || !hWnd->widget->isWindow())
        return;
    hWnd->widget->winId();
    QWidget* owner = hWnd->owner->widget->window();
    if (owner->windowHandle())
        hWnd->widget->windowHandle()->setTransientParent(owner->windowHandle());
}

// Windows whose paint is due are painted once the message being handled is
// done, as WM_PAINT comes when no other message waits.
LRESULT HWND__::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!proc)
        return 0;
    ++s_dispatchDepth;
    const LRESULT result = proc(this, message, wParam, lParam);
    if (--s_dispatchDepth == 0)
        PaintInvalidChildren();
    return result;
}
