#include "platform/qt/testseam.h"

#include "platform/qt/handle/windowlist.h"
#include "platform/qt/window/wndwidget.h"

QWidget* WidgetOf(HWND hWnd)
{
    return WidgetOfWindow(hWnd);
}

namespace {

const HWND__::Timer* TimerOf(HWND hWnd, UINT_PTR nIDEvent)
{
    if (!IsWindow(hWnd))
        return nullptr;
    const auto it = hWnd->timers.find(nIDEvent);
    return it == hWnd->timers.end() ? nullptr : &it->second;
}

}  // namespace

std::optional<UINT> TimerPeriodOf(HWND hWnd, UINT_PTR nIDEvent)
{
    const HWND__::Timer* timer = TimerOf(hWnd, nIDEvent);
    return timer ? std::optional<UINT>(timer->period) : std::nullopt;
}

bool TimerRunning(HWND hWnd, UINT_PTR nIDEvent)
{
    const HWND__::Timer* timer = TimerOf(hWnd, nIDEvent);
    return timer && timer->qtId != 0;
}

QImage PictureOf(HWND hWnd)
{
    return IsWindow(hWnd) && hWnd->wnd ? hWnd->wnd->Picture() : QImage();
}

QRegion LastRegionShown(HWND hWnd)
{
    return IsWindow(hWnd) && hWnd->wnd ? hWnd->wnd->LastShown() : QRegion();
}

int PaintsShown(HWND hWnd)
{
    return IsWindow(hWnd) && hWnd->wnd ? hWnd->wnd->PaintsShown() : 0;
}

std::vector<HWND> ShownDialogs()
{
    std::vector<HWND> dialogs;
    for (HWND hWnd : AllWindows())
        if (hWnd->dialog && hWnd->widget->isVisible())
            dialogs.push_back(hWnd);
    return dialogs;
}
