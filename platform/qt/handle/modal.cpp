#include "platform/qt/handle/modal.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <map>
#include <vector>

#include "platform/afx/afxbackend.h"
#include "platform/qt/handle/hwnd.h"
#include "platform/win/winuser.h"

namespace {

std::vector<ModalScope*> s_scopes;  // innermost last
HWND s_pendingClose = nullptr;      // to get WM_CLOSE once the last scope ends
std::map<HWND, QEventLoop*> s_loops;

}  // namespace

ModalScope::ModalScope(HWND hWnd, std::function<void()> abort)
    : m_hWnd(hWnd), m_abort(std::move(abort)), m_savedDispatchDepth(ExchangeDispatchDepth(0))
{
    // The loop runs inside the handler of a message; what it dispatches is
    // handled as if no message were, so paints come as usual.
    s_scopes.push_back(this);
}

ModalScope::~ModalScope()
{
    std::erase(s_scopes, this);
    ExchangeDispatchDepth(m_savedDispatchDepth);
    if (s_scopes.empty() && s_pendingClose) {
        PostMessageA(s_pendingClose, WM_CLOSE, 0, 0);
        s_pendingClose = nullptr;
    }
}

void PostCloseRequest(HWND hWnd)
{
    if (s_scopes.empty() || s_scopes.back()->m_hWnd == hWnd) {
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
        return;
    }
    s_pendingClose = hWnd;
    for (auto it = s_scopes.rbegin(); it != s_scopes.rend(); ++it) {
        if (!(*it)->m_aborted) {
            (*it)->m_aborted = true;
            (*it)->m_abort();
        }
    }
}

namespace {

class MinimiseWatch : public QObject {
public:
    MinimiseWatch(QWidget* modal, QWidget* owner) : m_modal(modal), m_owner(owner)
    {
        for (QWidget* w : {modal, owner})
            if (w)
                w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::WindowStateChange && static_cast<QWidget*>(watched)->isMinimized())
            QTimer::singleShot(0, this, [this] { ShowBoth(); });
        return false;
    }

private:
    void ShowBoth()
    {
        for (QWidget* w : {m_owner.data(), m_modal.data()})
            if (w && w->isMinimized())
                w->showNormal();
        if (m_modal) {
            m_modal->raise();
            m_modal->activateWindow();
        }
    }

    QPointer<QWidget> m_modal;
    QPointer<QWidget> m_owner;
};

}  // namespace

KeepShown::KeepShown(QWidget* modal, QWidget* owner) : m_watch(new MinimiseWatch(modal, owner)) {}

KeepShown::~KeepShown()
{
    delete m_watch;
}

BOOL AfxRunModalLoop(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return TRUE;
    QEventLoop loop;
    ModalScope scope(hWnd, [&loop] { loop.exit(); });
    s_loops[hWnd] = &loop;
    // Modal to the window manager too (_NET_WM_STATE_MODAL): a click on the
    // window it blocks gives the activation and the keyboard back to it.
    hWnd->widget->setWindowModality(Qt::ApplicationModal);
    const KeepShown keepShown(hWnd->widget, hWnd->owner && IsWindow(hWnd->owner) ? hWnd->owner->widget->window() : nullptr);
    ShowWindow(hWnd, SW_SHOW);
    hWnd->widget->raise();
    SetActiveWindow(hWnd);
    loop.exec();
    s_loops.erase(hWnd);
    return !scope.Aborted();
}

void AfxEndModalLoop(HWND hWnd)
{
    const auto it = s_loops.find(hWnd);
    if (it != s_loops.end())
        it->second->exit();
}
