#include "platform/qt/handle/timers.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>

#include "platform/qt/handle/hwnd.h"
#include "platform/win/winuser.h"

namespace {

// Receives a window's Qt timers and hands each to the window as WM_TIMER: a
// plain object, which Qt's event delivery reaches with less work than a widget.
class TimerTarget : public QObject {
public:
    explicit TimerTarget(HWND hWnd) : QObject(hWnd->widget), m_hwnd(hWnd) {}

protected:
    void timerEvent(QTimerEvent* e) override
    {
        if (!IsWindow(m_hwnd))
            return;
        for (const auto& [id, timer] : m_hwnd->timers)
            if (timer.qtId == e->timerId()) {
                m_hwnd->Send(WM_TIMER, id, 0);
                return;
            }
    }

private:
    HWND m_hwnd;
};

void StartQtTimer(HWND hWnd, HWND__::Timer& timer)
{
    if (!hWnd->timerTarget)
        hWnd->timerTarget = new TimerTarget(hWnd);
    timer.qtId = hWnd->timerTarget->startTimer(std::chrono::milliseconds(timer.period), Qt::PreciseTimer);
}

// Stops or restarts the Qt timers of the window and of the windows in it.
void HoldTimers(HWND hWnd, bool hold)
{
    for (auto& [id, timer] : hWnd->timers) {
        if (hold) {
            hWnd->timerTarget->killTimer(timer.qtId);
            timer.qtId = 0;
        } else {
            StartQtTimer(hWnd, timer);
            // The time went on meanwhile: the window hears of it at once.
            QCoreApplication::postEvent(hWnd->widget, new MessageEvent(WM_TIMER, id, 0));
        }
    }
    for (HWND child : hWnd->children)
        HoldTimers(child, hold);
}

// Follows whether the display shows a top-level window. Until it has shown
// it once, nothing is held: a window that is never shown keeps its timers,
// as on Windows.
class ExposureWatch : public QObject {
public:
    ExposureWatch(HWND hwnd, QWindow* window) : QObject(window), m_hwnd(hwnd), m_window(window) {}

    bool Held() const { return m_held; }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::Expose || !IsWindow(m_hwnd) || !m_window)
            return false;
        const bool exposed = m_window->isExposed();
        m_shown = m_shown || exposed;
        if (m_shown && m_held == exposed) {
            m_held = !exposed;
            HoldTimers(m_hwnd, m_held);
        }
        return false;
    }

private:
    HWND m_hwnd;
    QPointer<QWindow> m_window;
    bool m_shown = false;
    bool m_held = false;
};

}  // namespace

void WatchExposure(HWND hWnd)
{
    if (hWnd->parent || hWnd->exposureWatch)
        return;
    hWnd->widget->winId();
    if (QWindow* window = hWnd->widget->windowHandle()) {
        hWnd->exposureWatch = new ExposureWatch(hWnd, window);
        window->installEventFilter(hWnd->exposureWatch);
    }
}

bool TimersHeld(HWND hWnd)
{
    while (hWnd->parent)
        hWnd = hWnd->parent;
    const auto* watch = static_cast<const ExposureWatch*>(hWnd->exposureWatch.data());
    return watch && watch->Held();
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC)
{
    if (!IsWindow(hWnd))
        return 0;
    KillTimer(hWnd, nIDEvent);
    HWND__::Timer timer{std::clamp(uElapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM), 0};
    if (!TimersHeld(hWnd)) {
        StartQtTimer(hWnd, timer);
        if (timer.qtId == 0)
            return 0;
    }
    hWnd->timers[nIDEvent] = timer;
    return nIDEvent;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent)
{
    if (!IsWindow(hWnd))
        return FALSE;
    const auto it = hWnd->timers.find(uIDEvent);
    if (it == hWnd->timers.end())
        return FALSE;
    if (it->second.qtId)
        hWnd->timerTarget->killTimer(it->second.qtId);
    hWnd->timers.erase(it);
    return TRUE;
}

void StopTimers(HWND hWnd)
{
    for (const auto& [id, timer] : hWnd->timers)
        if (timer.qtId)
            hWnd->timerTarget->killTimer(timer.qtId);
    hWnd->timers.clear();
}
