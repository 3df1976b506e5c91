#include "platform/qt/testseam.h"

#include "platform/qt/window/wndwidget.h"

QWidget* WidgetOf(HWND hWnd)
{
    return IsLive(hWnd) ? hWnd->widget : nullptr;
}

std::optional<UINT> TimerPeriodOf(HWND hWnd, UINT_PTR nIDEvent)
{
    if (!IsLive(hWnd))
        return std::nullopt;
    const auto it = hWnd->timers.find(nIDEvent);
    return it == hWnd->timers.end() ? std::nullopt : std::optional<UINT>(it->second.period);
}

bool TimerRunning(HWND hWnd, UINT_PTR nIDEvent)
{
    if (!IsLive(hWnd))
        return false;
    const auto it = hWnd->timers.find(nIDEvent);
    return it != hWnd->timers.end() && it->second.qtId != 0;
}

QImage PictureOf(HWND hWnd)
{
    return IsLive(hWnd) && hWnd->wnd ? hWnd->wnd->Picture() : QImage();
}

QRegion LastRegionShown(HWND hWnd)
{
    return IsLive(hWnd) && hWnd->wnd ? hWnd->wnd->LastShown() : QRegion();
}

int PaintsShown(HWND hWnd)
{
    return IsLive(hWnd) && hWnd->wnd ? hWnd->wnd->PaintsShown() : 0;
}

std::vector<HWND> ShownDialogs()
{
    std::vector<HWND> dialogs;
    for (HWND hWnd : AllWindows())
        if (hWnd->dialog && hWnd->widget->isVisible())
            dialogs.push_back(hWnd);
    return dialogs;
}
